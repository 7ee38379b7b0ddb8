#pragma once
// The band presets of the channel window and the custom band: choosing one
// sets band 2 (band 1 is the model's placeholder) and starts a new channel
// set from the default image.
#include "model/ChannelWindow.h"
#include "model/Model.h"

#include <cstdint>
#include <string>

namespace channels {

struct Band2 {
    std::int32_t low = 0; // 10 Hz units
    std::int32_t high = 0;
};

// The model list's choice into the image's model byte; no choice counts as
// the first model.
void ChooseModel(model::ModelState& m, int listIndex);

// Band 2 of preset entry 0-13.
Band2 PresetBand(int index);

// Band 2 as the band boxes 2 and 3 hold it.
Band2 BoxBand(model::ChannelWindow& w);

// Makes band 2 the given band in whole megahertz: the valid ranges, the four
// band boxes, then FreBandSol(2) and FreBandSol(3), which store the limits
// and set the window caption.
void ApplyBand2(model::ModelState& m, model::ChannelWindow& w, Band2 band);

// What the custom band dialog makes of its two texts (MHz). A band must lie
// within 120-520 MHz and, cut to the whole megahertz the band boxes keep,
// still leave channels room: maximum above minimum.
enum class CustomBandCheck { Ok, NotNumbers, OutOfRange, NoValidRange };
CustomBandCheck CheckCustomBand(const std::string& minText, const std::string& maxText);
// The message that refuses an input, in the interface language.
std::string CustomBandRefusal(CustomBandCheck check, int langIndex);

// A band box text as whole MHz with at least three digits ("400.00000" ->
// "400"), the dialog's start values.
std::string WholeMhzText(const std::string& boxText);

} // namespace channels
