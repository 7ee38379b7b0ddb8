#pragma once
// The volume table: the register byte the radio gets for each volume step
// 0-255 (a permutation of 0x00-0xFF whose order is data, not a formula).
#include "model/Model.h"

#include <array>
#include <cstdint>

namespace model {

// The volume dialog's default bytes of levels 0-10: [0] volume mode 1 (the
// table's entries of steps 0, 63, 111, 143, 159, 175, 191, 207, 223, 239,
// 252), [1] volume mode 2 (raw register bytes).
inline constexpr std::array<std::array<std::uint8_t, 11>, 2> VolumeDefaultBytes{{
    {0x00, 0x45, 0x94, 0x78, 0xE3, 0x4F, 0xB9, 0x9C, 0xAD, 0xAF, 0xFD},
    {0x6C, 0x44, 0x3C, 0x36, 0x30, 0x28, 0x20, 0x18, 0x10, 0x08, 0x00},
}};

// Fills VolumeTbl; once at start-up, before the settings pages are first loaded.
void InitVolumeTbl(ModelState& m);

// The highest step whose entry equals value; 0 when none does (values
// outside 0-255 included).
std::int16_t GetVolumeSeq(const ModelState& m, std::int16_t value);

} // namespace model
