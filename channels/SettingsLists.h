#pragma once
// The option lists of the combos, the key function lists and the
// VOX levels' tool tips.
#include "channels/SettingsState.h"
#include "model/Model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace channels {

// The items SetOptList puts into cboPc(index); empty for a combo without a
// list of its own (and for cboPc(57), which keeps its design list).
std::vector<std::string> OptListItems(int index);

// "0" to "255": the design list of cboPc(57) and of the VOX levels.
std::vector<std::string> ByteList();

// Fills every option list and the key function lists (no selection), then
// repairs the four bytes whose lists cannot show them. OptLoading is -1
// throughout and released on every path.
void SetOptList(SettingsPages& p, model::ModelState& m);

// The functions offered to key j (0-4): texts 811 onward.
std::vector<std::string> KeyListItems(int key);

// A VOX level as a voltage: 170 -> "2200mv".
std::string VoxTip(std::uint8_t level);

} // namespace channels
