#pragma once
// The firmware images built into the program, as Intel HEX lines. The
// sources are written at build time by tools/firmgen.
#include <array>

namespace flashtool {

// Model 101 "QM940", version 10: a placeholder with the layout of that
// firmware, not firmware for any radio.
extern const std::array<const char*, 3586> FlashSoft_QM940_101_10H;

} // namespace flashtool
