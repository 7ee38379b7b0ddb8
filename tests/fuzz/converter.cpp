// The firmware converter: any bytes as the HEX file it converts, and an
// output file that may already hold text of its own (both from the input).
// - It converts exactly when the file holds an image by the HEX rules
//   (decoded apart from the converter) with an identity record, a model
//   code 100-125 at 0x1C24 and a version of two BCD digits up to 30 at
//   0x1C20; the fields shown are those of the decoded image.
// - A refused file leaves the output as it was, byte for byte (or absent).
// - A converted file leaves section SoftConvert holding exactly the
//   converter's entries in their order, every line read back under its key,
//   and every line of the output outside that section as it was, byte for
//   byte with its end (the line the section's entries or its added header
//   follow gains a line feed when it was the last line and had none), the
//   byte-order mark with them.
#include "flashtool/SoftConvert.h"
#include "link/FirmwareTable.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/HexDecode.h"
#include "tests/fuzz/TextLines.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

namespace {

std::string contentOf(const std::string& path) {
    std::string s;
    platform::readTextFile(path, s);
    return s;
}

using fuzz::Line;

std::string_view blanksCut(std::string_view s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The name a section header line gives, or nullopt for another line.
std::optional<std::string> headerName(const std::string& line) {
    const std::string_view t = blanksCut(line);
    const std::size_t close = t.find(']');
    if (t.size() < 2 || t[0] != '[' || close == std::string_view::npos) return std::nullopt;
    std::string name(blanksCut(t.substr(1, close - 1)));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// The lines of the first section SoftConvert, after its header: [first, end)
// (blank lines before a following section stay outside it); none when the
// text has no such section.
struct Body {
    std::size_t first = 0, end = 0;
    bool found = false;
};
Body bodyOf(const std::vector<Line>& lines) {
    Body b;
    for (std::size_t i = 0; i < lines.size() && !b.found; ++i)
        if (headerName(lines[i].text) == "softconvert") b = {i + 1, i + 1, true};
    if (!b.found) return b;
    while (b.end < lines.size() && !headerName(lines[b.end].text)) ++b.end;
    if (b.end < lines.size())
        while (b.end > b.first && blanksCut(lines[b.end - 1].text).empty()) --b.end;
    return b;
}

std::vector<Line> outside(std::vector<Line> lines, const Body& b) {
    if (b.found)
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(b.first),
                    lines.begin() + static_cast<std::ptrdiff_t>(b.end));
    return lines;
}

// The identity: characters 10-19 of the first line that begins ":101C2000".
std::optional<std::string> identityOf(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (l.rfind(":101C2000", 0) == 0) return l.substr(9, 10);
    return std::nullopt;
}

const radiolink::FirmwareState& tables() {
    static const auto fw = [] {
        auto t = std::make_unique<radiolink::FirmwareState>();
        radiolink::InitFlashSoftModel(*t);
        return t;
    }();
    return *fw;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const bool outputExists = in.byte() & 1;
    const std::string earlier = in.text(in.word() % 2048);
    const std::string text = in.text(in.left());
    const std::string input = fuzz::workFolder() + "/input.hex";
    const std::string folder = fuzz::workFolder() + "/other";
    const std::string output = folder + "/SoftConvert.txt";
    std::filesystem::remove_all(folder);
    std::ofstream(input, std::ios::binary | std::ios::trunc) << text;
    if (outputExists) {
        std::filesystem::create_directories(folder);
        std::ofstream(output, std::ios::binary | std::ios::trunc) << earlier;
    }

    const flashtool::ConvertOutcome outcome = flashtool::SoftConvert(input, output, tables());

    const auto decoded = std::make_unique<fuzz::HexDecode>(fuzz::decodeHex(text));
    const std::optional<std::string> identity = identityOf(decoded->lines);
    const std::uint8_t version = decoded->image[0x1C20], code = decoded->image[0x1C24];
    const bool bcd =
        (version >> 4) <= 9 && (version & 0x0F) <= 9 && (version >> 4) * 10 + (version & 0x0F) <= 30;
    const bool convertible = decoded->accepted && identity && code >= 100 && code <= 125 && bcd;
    FUZZ_CHECK(outcome.ok == convertible);
    if (!outcome.ok) {
        FUZZ_CHECK(outputExists ? contentOf(output) == earlier : !std::filesystem::exists(output));
        FUZZ_CHECK(!outcome.message.empty());
        return 0;
    }
    const flashtool::SoftFields& f = *outcome.fields;
    FUZZ_CHECK(f.code == std::to_string(code));
    FUZZ_CHECK(f.version == std::to_string((version >> 4) * 10 + (version & 0x0F)));
    FUZZ_CHECK(f.day == std::to_string(decoded->image[0x1C22]));
    FUZZ_CHECK(f.identity == *identity);

    const std::vector<std::pair<std::string, std::string>> entries =
        flashtool::SoftConvertEntries(decoded->lines, f.code, f.version, tables().SoftModelTbl[code][0]);
    const fuzz::TextLines nowText = fuzz::linesOf(contentOf(output));
    const std::vector<Line>& now = nowText.lines;
    const Body body = bodyOf(now);
    FUZZ_CHECK(body.found && body.end - body.first == entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        FUZZ_CHECK(now[body.first + i].text == entries[i].first + "=" + entries[i].second);
    const platform::IniSection section(output, flashtool::SoftConvertSection);
    for (std::size_t i = 0; i < decoded->lines.size(); ++i)
        FUZZ_CHECK(section.read("gstrFlashSoft(" + f.code + ", " + f.version + ", " + std::to_string(i) + ")",
                                "", 1000) == decoded->lines[i]);

    const fuzz::TextLines wasText = outputExists ? fuzz::linesOf(earlier) : fuzz::TextLines{};
    FUZZ_CHECK(nowText.bom == wasText.bom);
    std::vector<Line> was = wasText.lines;
    const Body old = bodyOf(was);
    // The entries (or the header added before them) follow the old last
    // line: without a line feed it gains a line end.
    const bool afterLast = !old.found || old.first == was.size();
    if (afterLast && !was.empty() && was.size() <= now.size() &&
        fuzz::gainedLineEnd(was.back(), now[was.size() - 1]))
        was.back() = now[was.size() - 1];
    if (!old.found) {
        // The header added at the end takes the end of the line before it.
        const Line header{"[" + std::string(flashtool::SoftConvertSection) + "]",
                          was.empty() ? "\n" : was.back().end};
        FUZZ_CHECK(now[body.first - 1] == header);
        was.push_back(header);
    }
    FUZZ_CHECK(outside(now, body) == outside(was, old));
    return 0;
}
