// The radio character code of message lines and read/write codes, and the
// UTF-8/UTF-16 conversions under it.
// - Any field shown and stored again gives its codes back where they are
//   characters: a space-like code as 0, codes that show nothing dropped, the
//   rest in order, spaces after them.
// - Any text stored and shown is stored again to the same codes, characters
//   without an entry dropped.
// - UTF-8 and UTF-16 convert into each other without loss once invalid
//   sequences are replaced.
#include "charcode/HanZi.h"
#include "charcode/Utf16.h"
#include "tests/fuzz/FuzzSupport.h"
#include <algorithm>

namespace {

using namespace charcode;

const HanZiTable& table() {
    static const bool filled = [] {
        InitHanZiTbl(HanZiTbl());
        return true;
    }();
    (void)filled;
    return HanZiTbl();
}

int codeAt(const std::vector<std::uint8_t>& field, int j) {
    return field[2 * j] | field[2 * j + 1] << 8;
}

// What storing the shown text of a field gives: its characters' codes in
// order (a space as 0), then spaces.
std::vector<std::uint8_t> storedAgain(const HanZiTable& t, const std::vector<std::uint8_t>& field, int n) {
    std::vector<int> codes;
    for (int j = 0; j < n; ++j) {
        const int c = codeAt(field, j);
        if (c < HanZiEntries && t[c] != 0) codes.push_back(t[c] == u' ' ? 0 : c);
    }
    std::vector<std::uint8_t> out(2 * n, 0);
    for (std::size_t j = 0; j < codes.size(); ++j) {
        out[2 * j] = static_cast<std::uint8_t>(codes[j]);
        out[2 * j + 1] = static_cast<std::uint8_t>(codes[j] >> 8);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HanZiTable& t = table();
    fuzz::Input in(data, size);
    const int n = in.byte() % (MaxFieldChars + 1);

    // A field from the image.
    std::vector<std::uint8_t> field = in.bytes(2 * static_cast<std::size_t>(n));
    field.resize(2 * n, 0xFF);
    const std::string shown = HanZiToText(t, field, n);
    const std::vector<std::uint8_t> stored = TextToHanZi(t, shown, n);
    FUZZ_CHECK(stored == storedAgain(t, field, n));
    FUZZ_CHECK(HanZiToText(t, stored, n) == shown);

    // A text typed by the user.
    const std::string typed = in.text(in.byte());
    const std::vector<std::uint8_t> codes = TextToHanZi(t, typed, n);
    FUZZ_CHECK(codes.size() == 2 * static_cast<std::size_t>(n));
    const std::u16string units = toUtf16(typed);
    for (int j = 0; j < n; ++j) {
        const int c = codeAt(codes, j);
        const char16_t unit = static_cast<std::size_t>(j) < units.size() ? units[j] : u' ';
        if (c == NoEntryCode)
            FUZZ_CHECK(unit == 0 || std::find(t.begin(), t.end(), unit) == t.end());
        else
            FUZZ_CHECK(c < HanZiEntries && t[c] == unit);
    }
    FUZZ_CHECK(TextToHanZi(t, HanZiToText(t, codes, n), n) == storedAgain(t, codes, n));

    // The conversions.
    const std::string rest = in.text(in.left());
    const std::u16string once = toUtf16(rest);
    FUZZ_CHECK(toUtf16(toUtf8(once)) == once);
    if (once.find(u'\uFFFD') == std::u16string::npos) FUZZ_CHECK(toUtf8(once) == rest);
    std::u16string wide;
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
        wide += static_cast<char16_t>(static_cast<unsigned char>(rest[i]) |
                                      static_cast<unsigned char>(rest[i + 1]) << 8);
    const std::string narrow = toUtf8(wide);
    FUZZ_CHECK(toUtf8(toUtf16(narrow)) == narrow);
    const std::u16string back = toUtf16(narrow);
    FUZZ_CHECK(back.size() <= wide.size());
    return 0;
}
