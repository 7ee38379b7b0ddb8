#pragma once
// The two frequency bands, the frequency raster and the refresh of the
// channel window after the image was loaded or replaced.
//
// The band limits live in the frequency-range block of the image and, as
// "000.00000" MHz texts, in the channel window's four band boxes. Band 1 is a
// placeholder (4.60000-4.70000 MHz) rewritten by every refresh; band 2 is the
// working band. A channel counts as inside a band when its receive frequency
// lies from the band's low limit to 5 kHz below its high limit.
#include "model/Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace model {

inline constexpr std::int32_t FreStep1 = 250;         // 2.5 kHz in 10 Hz units
inline constexpr std::int32_t FreStep2 = 625;         // 6.25 kHz
inline constexpr std::int32_t ValidRangeMargin = 500; // 5 kHz below a band's high limit

struct BandPreset {
    const char* text; // entry of the preset list
    const char* low;  // band-box texts of band 2
    const char* high;
};
// Entries 0-13 of cboFrequency; entry 14 is the custom band (interface text 373).
inline constexpr std::array<BandPreset, 14> BandPresets{{
    {"134 - 174 MHz", "134.00000", "174.00000"},
    {"136 - 174 MHz", "136.00000", "174.00000"},
    {"136 - 150 MHz", "136.00000", "150.00000"},
    {"150 - 174 MHz", "150.00000", "174.00000"},
    {"200 - 260 MHz", "200.00000", "260.00000"},
    {"245 - 246 MHz", "245.00000", "246.00000"},
    {"320 - 400 MHz", "320.00000", "400.00000"},
    {"400 - 470 MHz", "400.00000", "470.00000"},
    {"400 - 480 MHz", "400.00000", "480.00000"},
    {"400 - 440 MHz", "400.00000", "440.00000"},
    {"440 - 480 MHz", "440.00000", "480.00000"},
    {"470 - 520 MHz", "470.00000", "520.00000"},
    {"400 - 520 MHz", "400.00000", "520.00000"},
    {"120 - 520 MHz", "120.00000", "520.00000"},
}};
inline constexpr int CustomPresetIndex = 14;
inline constexpr int DefaultPresetIndex = 7;

// The texts the band boxes fall back to when a limit cannot be taken.
inline constexpr std::array<const char*, 4> FallbackBandTexts{"55.00000", "55.10000", "400.00000",
                                                              "470.00000"};

// The nearer of the 2.5 kHz and 6.25 kHz raster points to the frequency
// given as decimal text of 10 Hz units (a tie goes to 6.25 kHz); nullopt
// (reported) when the text is no number.
std::optional<std::int32_t> ModifyTxRxFre(const std::string& text);

// Whether f lies in the valid range of band 1 or of band 2.
bool InValidRange(const ModelState& m, std::int32_t f);
bool InBand1ValidRange(const ModelState& m, std::int32_t f);

// Writes the band-1 placeholder into the image, shows the four stored limits
// in the band boxes and selects the preset that matches band 2 (custom when
// none does), with FreRangeBusy at -1 throughout. An unreadable band field
// puts the fallback texts into the boxes and keeps the preset.
void ShowFreRange(ModelState& m);

// Takes the four band boxes as the new limits after box `index` (0-3) was
// edited: snaps them to the raster, orders the edited band, stores them in
// the image, sets FreBandLimit and ValidFreRange, writes the keys
// FreBandFre0-3 and sets the window caption. A box text that is no number, a
// limit outside 0-999.99999 MHz or an edited box that does not round into
// -32768..32767 stores nothing and puts the fallback texts into the boxes.
void FreBandSol(ModelState& m, int index);

// Refreshes the channel window after the image was loaded or replaced: band
// boxes and preset from the image, the band limits and valid ranges taken
// from them, then the channel decode and grid, then the settings pages. A
// failure of the settings pages passes to the caller.
void SoftDisplay(ModelState& m);

} // namespace model
