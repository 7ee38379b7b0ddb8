#include "flashtool/IntelHex.h"

#include "flashtool/FlashTexts.h"

#include "app/Reasons.h"
#include "model/ImageMap.h"
#include "platform/FileIo.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstdio>

namespace flashtool {
namespace {

enum Type : std::uint8_t { Data = 0, End = 1, Segment = 2, StartSegment = 3, Linear = 4, StartLinear = 5 };

struct Line {
    std::uint8_t type = 0;
    std::uint16_t address = 0;
    std::vector<std::uint8_t> data;
};

// The record of one line, or the reason it is none.
std::optional<std::string> readLine(std::string_view text, Line& out) {
    if (text.empty() || text[0] != ':') return texts::NoColon;
    const std::string_view digits = text.substr(1);
    if (std::any_of(digits.begin(), digits.end(), [](char c) { return platform::hexDigit(c) < 0; }))
        return texts::NotHex;
    if (digits.size() < 10 || digits.size() % 2 != 0) return texts::WrongLength;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(platform::hexDigit(digits[i]) * 16 +
                                                  platform::hexDigit(digits[i + 1])));
    const std::size_t count = bytes[0];
    if (bytes.size() != count + 5) return texts::WrongLength;
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    if (sum % 256 != 0) return texts::BadChecksum;
    out.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    out.type = bytes[3];
    out.data.assign(bytes.begin() + 4, bytes.end() - 1);
    switch (out.type) {
    case Data:
        if (out.address + count > 0x10000) return texts::PastEnd;
        return std::nullopt;
    case End:
        if (count != 0) return texts::EndWithData;
        return std::nullopt;
    case Segment:
    case Linear:
        if (count != 2) return texts::BadAddressRecord;
        if (out.data[0] != 0 || out.data[1] != 0) return texts::UpperNotZero;
        return std::nullopt;
    case StartSegment:
    case StartLinear:
        return std::nullopt;
    default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02X", out.type);
        return std::string(texts::UnknownType) + buf;
    }
    }
}

} // namespace

std::string HexError::text() const {
    if (line == 0) return std::string(texts::HexFilePrefix) + reason;
    return texts::HexLinePrefix + std::to_string(line) + texts::HexLineSuffix + reason;
}

std::vector<std::string> SplitHexLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (lf == std::string_view::npos) break;
        pos = lf + 1;
    }
    return lines;
}

HexFile ReadHexFile(const std::string& path) {
    HexFile file;
    platform::Bytes bytes;
    if (platform::IoResult r = platform::readFile(path, bytes, HexFileLimit + 1); !r) {
        file.error = app::IoText(r, texts::Language);
    } else if (bytes.size() > HexFileLimit) {
        file.error = HexError{0, texts::FileTooLarge}.text();
    } else {
        file.lines = SplitHexLines({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    return file;
}

HexImage ParseHexLines(std::span<const std::string> lines) {
    HexImage hex;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (number > HexLineLimit) {
            hex.error = HexError{0, texts::TooManyLines};
            break;
        }
        Line line;
        if (std::optional<std::string> wrong = readLine(lines[i], line)) {
            hex.error = HexError{number, *wrong};
            break;
        }
        if (line.type == End) {
            hex.lines = number;
            return hex;
        }
        if (line.type == Data && !line.data.empty())
            hex.records.push_back({line.address, std::move(line.data)});
    }
    if (!hex.error) hex.error = HexError{0, texts::NoEndRecord};
    hex.records.clear();
    return hex;
}

void ApplyHexImage(const HexImage& hex, std::uint32_t count, model::Image& image, std::uint32_t keepFrom) {
    const std::uint32_t fillEnd = std::min<std::uint32_t>(count, 0xFFFF);
    std::fill(image.begin(), image.begin() + fillEnd + 1, model::map::HexFillByte);
    for (const HexRecord& r : hex.records) {
        for (std::size_t k = 0; k < r.data.size(); ++k) {
            const std::uint32_t a = r.address + static_cast<std::uint32_t>(k);
            if (a < keepFrom) image[a] = r.data[k];
        }
    }
}

std::optional<HexError> HexLineToFlash(std::span<const std::string> lines, std::uint32_t count,
                                       model::Image& image) {
    const HexImage hex = ParseHexLines(lines);
    if (!hex) return hex.error;
    ApplyHexImage(hex, count, image);
    return std::nullopt;
}

} // namespace flashtool
