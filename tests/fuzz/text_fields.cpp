// The name alphabet and the code fields of the image: channel and
// phone-book names, the power-on message lines, the power-on and reset
// codes and the DTMF codes.
// - Any field shown and stored again gives its codes back where they are
//   characters (a code that shows as a space comes back as the space code;
//   a field that shows nothing comes back empty).
// - Any text stored keeps, in order, its characters the field can hold and
//   nothing else; a text too long for the converter's buffer is refused and
//   reported.
#include "app/ErrorReporter.h"
#include "charcode/Utf16.h"
#include "model/ChannelWindow.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"
#include "model/NameFields.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

namespace map = model::map;

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ +=%/[]-_";

// The text boxes the fields are shown in and stored from.
struct Boxes : model::ChannelWindow {
    std::map<int, std::string> pc;
    std::string PcText(int index) override { return pc[index]; }
    void SetPcText(int index, const std::string& text) override { pc[index] = text; }
};

struct Reports : app::ErrorReportHost {
    std::vector<std::string> tags;
    void Reported(const std::string& tag) override { tags.push_back(tag); }
};

// The codes a name text stores in n positions: its alphabet characters among
// the first n (completed with spaces), then blanks for those dropped.
std::vector<int> nameCodes(const std::string& text, int n, bool upper) {
    std::u16string t = charcode::toUtf16(text);
    if (t.empty()) return std::vector<int>(n, model::BlankCode);
    t.append(13, u' ');
    std::vector<int> out;
    for (int i = 0; i < n && i < static_cast<int>(t.size()); ++i) {
        char16_t c = t[i];
        if (upper && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        const auto at = c < 0x80 ? kAlphabet.find(static_cast<char>(c)) : std::string_view::npos;
        if (at != std::string_view::npos) out.push_back(static_cast<int>(at));
    }
    out.resize(n, model::BlankCode);
    return out;
}

// A name field shown and stored again.
std::vector<int> nameAgain(const std::vector<std::uint8_t>& codes, bool trimmed) {
    std::vector<int> out;
    bool character = false;
    for (std::uint8_t c : codes) {
        out.push_back(c <= 44 ? c : model::SpaceCode);
        character = character || c <= 44;
    }
    const bool blank = std::all_of(out.begin(), out.end(), [](int c) { return c == model::SpaceCode; });
    if (!character || (trimmed && blank)) return std::vector<int>(codes.size(), model::BlankCode);
    return out;
}

bool dtmf(int b) {
    return (b >= 0x30 && b <= 0x39) || (b >= 0x41 && b <= 0x46) || b == 0x20 || b == 0x2A || b == 0x23;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::quiet();
    fuzz::Input in(data, size);
    auto m = std::make_unique<model::ModelState>();
    model::GetValidCharTbl(*m);
    Boxes boxes;
    platform::Host<model::ChannelWindow>::Scoped window(boxes);
    Reports reports;
    platform::Host<app::ErrorReportHost>::Scoped watching(reports);

    // A channel name from the image.
    std::array<std::uint8_t, 6> name{};
    for (auto& c : name) c = in.byte();
    model::ChNameCharSol(*m, model::NameCodesToText(*m, name), 6);
    FUZZ_CHECK(std::vector<int>(m->ChNameCode.begin(), m->ChNameCode.begin() + 6) ==
               nameAgain({name.begin(), name.end()}, false));

    // Names typed into n positions.
    const int n = in.byte() % 40;
    const std::string typed = in.text(in.byte() % 64);
    reports.tags.clear();
    model::ChNameCharSol(*m, typed, n);
    model::PhoneBookCharToSave(*m, typed, n);
    if (n > model::MaxNameCodes) {
        FUZZ_CHECK(reports.tags.size() == 2);
    } else {
        FUZZ_CHECK(reports.tags.empty());
        FUZZ_CHECK(std::vector<int>(m->ChNameCode.begin(), m->ChNameCode.begin() + n) ==
                   nameCodes(typed, n, false));
        FUZZ_CHECK(std::vector<int>(m->PhoneBookNameCode.begin(), m->PhoneBookNameCode.begin() + n) ==
                   nameCodes(typed, n, true));
    }

    // The power-on message lines, shown and stored again.
    for (map::Addr at : {map::PowerOnMsgLine1, map::PowerOnMsgLine2})
        for (int i = 0; i < map::NameLength; ++i) m->IicDat[at + i] = in.byte();
    const model::Image before = m->IicDat;
    model::ShowPowerOnMsg(*m);
    model::PowerOnMsgToSave(*m);
    for (map::Addr at : {map::PowerOnMsgLine1, map::PowerOnMsgLine2}) {
        const std::vector<std::uint8_t> shown(before.begin() + at, before.begin() + at + map::NameLength);
        const std::vector<std::uint8_t> stored(m->IicDat.begin() + at,
                                               m->IicDat.begin() + at + map::NameLength);
        FUZZ_CHECK(std::vector<int>(stored.begin(), stored.end()) == nameAgain(shown, true));
    }

    // The power-on and reset codes, shown and stored again.
    for (map::Addr at : {map::PowerOnCode, map::FullResetCode})
        for (int i = 0; i < 6; ++i) m->IicDat[at + i] = in.byte();
    const model::Image codes = m->IicDat;
    model::ShowPowerOnCode(*m);
    model::ShowFullResetCode(*m);
    model::PowerOnCodeToSave(*m);
    model::FullResetCodeToSave(*m);
    for (map::Addr at : {map::PowerOnCode, map::FullResetCode}) {
        std::vector<std::uint8_t> want;
        for (int i = 0; i < 6; ++i) {
            if (codes[at + i] <= 5)
                want.push_back(codes[at + i]);
            else if (at == map::FullResetCode)
                break;
        }
        want.resize(6, map::Erased);
        FUZZ_CHECK(std::equal(want.begin(), want.end(), m->IicDat.begin() + at));
    }

    // A DTMF code from the image, shown and stored again.
    std::vector<int> want;
    for (auto& b : m->AsciiDat) {
        b = in.byte();
        if (dtmf(b)) want.push_back(b == 0x45 ? 0x2A : b == 0x46 ? 0x23 : b);
    }
    want.resize(16, 0xFF);
    model::AsciiToTxt(*m);
    reports.tags.clear();
    model::TextToAscii(*m, m->AsciiTxt);
    FUZZ_CHECK(reports.tags.empty());
    FUZZ_CHECK(std::vector<int>(m->AsciiDat.begin(), m->AsciiDat.end()) == want);

    // What a code box keeps of a typed text keeps it again.
    const std::string rest = in.text(in.left());
    for (int kind = 0; kind <= 3; ++kind) {
        const std::string kept = model::DelInvalidChar(rest, kind);
        FUZZ_CHECK(model::DelInvalidChar(kept, kind) == kept);
        FUZZ_CHECK(kept.size() <= rest.size());
    }
    return 0;
}
