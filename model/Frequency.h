#pragma once
// Frequencies: signed 32-bit counts of 10 Hz (400.00000 MHz = 40000000). In
// the image, 8 packed BCD digits in 4 bytes, the lowest digit pair first
// (174.00000 MHz is 00 00 40 17).
#include "model/ImageMap.h"
#include "model/Model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// What eight BCD digits hold.
inline constexpr std::int32_t MaxStoredFre = 99999999;

// The frequency at addr, or nullopt when a half-byte is above 9 (erased
// bytes, garbage): such a field holds no frequency.
std::optional<std::int32_t> ReadBcdFre(const Image& image, map::Addr addr);

// Splits the decimal text of a frequency into digit pairs, each read as a
// hexadecimal byte, into SepDat(0-3), the most significant pair first. A pair
// reads up to its first non-hex character (none: 0). A text of more than eight
// characters fails at the fifth pair, with the first four pairs kept.
void SeparateFreChar(ModelState& m, std::string_view text);

// Stores f as exactly eight BCD digits, zero-padded. A value that eight
// digits cannot hold (negative, or 1000 MHz and more) is refused: false, and
// the four bytes stay as they were.
bool StoreBcdFre(ModelState& m, map::Addr addr, std::int32_t f);

// f / 100000 as MHz with at least three integer digits and five decimals:
// "400.00000", "004.60000".
std::string FreBoxText(std::int32_t f);

} // namespace model
