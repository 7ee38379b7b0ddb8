#include "charcode/HanZi.h"

#include "charcode/Utf16.h"

#include <algorithm>
#include <memory>

namespace charcode {
namespace {

constexpr int IdeographFirstEntry = 1000;
constexpr char16_t IdeographFirst = 0x4E00;

// The rule of the ideograph rows: entry i holds U+4E00 + (i - 1000).
void fillIdeographs(HanZiTable& t, int first, int last) {
    for (int i = first; i <= last; ++i)
        t[i] = static_cast<char16_t>(IdeographFirst + (i - IdeographFirstEntry));
}

} // namespace

HanZiTable& HanZiTbl() {
    static auto table = std::make_unique<HanZiTable>();
    return *table;
}

void FillHanZiTbl1(HanZiTable& t) {
    // Control characters, the quotation mark and DEL read as spaces.
    for (int i = 0; i <= 127; ++i) t[i] = i < 32 || i == 34 || i == 127 ? u' ' : static_cast<char16_t>(i);
    fillIdeographs(t, 1000, 3371);
}
void FillHanZiTbl2(HanZiTable& t) {
    fillIdeographs(t, 3372, 5871);
}
void FillHanZiTbl3(HanZiTable& t) {
    fillIdeographs(t, 5872, 8371);
}
void FillHanZiTbl4(HanZiTable& t) {
    fillIdeographs(t, 8372, 10871);
}
void FillHanZiTbl5(HanZiTable& t) {
    fillIdeographs(t, 10872, 13371);
}
void FillHanZiTbl6(HanZiTable& t) {
    fillIdeographs(t, 13372, 15871);
}
void FillHanZiTbl7(HanZiTable& t) {
    fillIdeographs(t, 15872, 18371);
}
void FillHanZiTbl8(HanZiTable& t) {
    fillIdeographs(t, 18372, 20871);
}
void FillHanZiTbl9(HanZiTable& t) {
    fillIdeographs(t, 20872, 21901);
}

void InitHanZiTbl(HanZiTable& t) {
    FillHanZiTbl1(t);
    FillHanZiTbl2(t);
    FillHanZiTbl3(t);
    FillHanZiTbl4(t);
    FillHanZiTbl5(t);
    FillHanZiTbl6(t);
    FillHanZiTbl7(t);
    FillHanZiTbl8(t);
    FillHanZiTbl9(t);
}

std::string HanZiEntry(const HanZiTable& t, int code) {
    if (code < 0 || code >= HanZiEntries || t[code] == 0) return "";
    return toUtf8(std::u16string(1, t[code]));
}

std::string HanZiToText(const HanZiTable& t, std::span<const std::uint8_t> field, int n) {
    std::u16string text;
    for (int j = 0; j < n && 2 * static_cast<std::size_t>(j) + 1 < field.size(); ++j) {
        int code = field[2 * j] | field[2 * j + 1] << 8;
        if (code < HanZiEntries && t[code] != 0) text += t[code];
    }
    while (!text.empty() && text.back() == u' ') text.pop_back();
    return toUtf8(text);
}

std::vector<std::uint8_t> TextToHanZi(const HanZiTable& t, std::string_view text, int n) {
    n = std::clamp(n, 0, MaxFieldChars);
    std::u16string units = toUtf16(text);
    units.resize(std::max(units.size(), static_cast<std::size_t>(n)), u' ');
    std::vector<std::uint8_t> out(2 * static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        // 0 marks an empty entry in the table, so U+0000 must not find one.
        auto found = units[j] == 0 ? t.end() : std::find(t.begin(), t.end(), units[j]);
        auto code = found == t.end() ? NoEntryCode : static_cast<std::uint16_t>(found - t.begin());
        out[2 * j] = static_cast<std::uint8_t>(code & 0xFF);
        out[2 * j + 1] = static_cast<std::uint8_t>(code >> 8);
    }
    return out;
}

} // namespace charcode
