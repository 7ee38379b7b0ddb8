#pragma once
// The radio character code of the message lines and read/write codes: one
// 16-bit code per character, stored low byte first. Code c is the character
// of entry c of HanZiTbl: 0-127 ASCII (0-31, 34 and 127 are spaces), 128-999
// nothing, 1000-21901 the ideographs U+4E00-U+9FA5 in code-point order.
// A space is stored as 0; a character without entry as 21902; codes above
// 21901 (0xFFFF erased) show as nothing.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace charcode {

inline constexpr int HanZiEntries = 21902;
inline constexpr std::uint16_t NoEntryCode = 21902;
inline constexpr int MaxFieldChars = 40;

// One UTF-16 unit per entry; 0 marks an entry that holds no character.
using HanZiTable = std::array<char16_t, HanZiEntries>;

// The program's table: empty until InitHanZiTbl, read-only after it.
HanZiTable& HanZiTbl();

// The nine fills, each setting its fixed range of entries in rising order.
void FillHanZiTbl1(HanZiTable& t); // 0-127 and 1000-3371
void FillHanZiTbl2(HanZiTable& t); // 3372-5871
void FillHanZiTbl3(HanZiTable& t); // 5872-8371
void FillHanZiTbl4(HanZiTable& t); // 8372-10871
void FillHanZiTbl5(HanZiTable& t); // 10872-13371
void FillHanZiTbl6(HanZiTable& t); // 13372-15871
void FillHanZiTbl7(HanZiTable& t); // 15872-18371
void FillHanZiTbl8(HanZiTable& t); // 18372-20871
void FillHanZiTbl9(HanZiTable& t); // 20872-21901
// Runs the nine fills in order; once at start-up.
void InitHanZiTbl(HanZiTable& t);

// The text of entry `code` (UTF-8): empty for codes 128-999 and above 21901.
std::string HanZiEntry(const HanZiTable& t, int code);

// The text of a field of n codes (2n bytes, low byte first), trailing spaces
// removed.
std::string HanZiToText(const HanZiTable& t, std::span<const std::uint8_t> field, int n);

// The 2n bytes that store the first n UTF-16 units of text (n at most 40),
// padded with spaces: each unit's lowest entry, or 21902 when none holds it.
std::vector<std::uint8_t> TextToHanZi(const HanZiTable& t, std::string_view text, int n);

} // namespace charcode
