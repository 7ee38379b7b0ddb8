#pragma once
// The cell tip of the hex grids and the number conversions behind it (the
// part fill reads its numbers through them too).
#include <cstdint>
#include <string>
#include <string_view>

namespace flashtool {

// Each hex digit (either case) as four binary digits, in order; every other
// character is skipped. "A5" gives "10100101".
std::string H_To_B(std::string_view text);

// The digits read from the left, value = value * 2 + digit (a character
// that is no digit counts 0). Saturates at 0xFFFFFFFF.
std::uint32_t B_To_D(std::string_view bin);

// "B7:1 B6:0 B5:1 B4:0   B3:0 B2:1 B1:0 B0:1 ": one piece per digit, the
// highest bit first, with two more spaces before the piece of bit 3.
std::string B_To_BitShow(std::string_view bin);

// The tip of a cell of address a holding text: "0x123 二进制:10100101  B7:...
// B0:1   十进制165  " and CR LF.
std::string CellTipText(std::uint32_t address, std::string_view text);

} // namespace flashtool
