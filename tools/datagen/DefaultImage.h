#pragma once
// The program's own default image: every channel empty, every radio-wide
// setting and alignment value at its default, the band block of the
// 400-470 MHz preset. zezirev.def and DefRadioSet.def are written from it.
#include "align/AlignMap.h"
#include "model/Model.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace datagen {

// One default: the bytes first..last all hold value.
struct Field {
    std::uint16_t first;
    std::uint16_t last;
    std::uint8_t value;
    const char* name;
};

// A band limit of the frequency-range block, in 10 Hz units.
struct BandLimit {
    std::uint16_t address;
    std::uint32_t tenHz;
    const char* name;
};

// The tables the image is built from, in the order they are applied.
std::span<const Field> EmptyAreas();        // 0xFF: channels, names, codes, lists, texts
std::span<const Field> SettingsDefaults();  // radio-wide settings (pages 57 and 59), model byte
std::span<const Field> AlignmentDefaults(); // pages 58 and 62, crystal bits
std::span<const BandLimit> BandLimits();    // 0xE700-0xE70F

// Outside the data pages every byte is 0; inside, a byte no table names is
// 0xFF, as erased flash.
model::Image BuildDefaultImage();

// The power table's sum, as the alignment tools compute and store it.
using align::PowerTableSum;

// Writes zezirev.def and DefRadioSet.def into the folder, drawing the
// file tables from a fixed seed so that every build gives the same bytes.
// Throws platform::Failure when a file cannot be written.
void WriteDefaultFiles(const std::string& folder);

} // namespace datagen
