#pragma once
// The tone drop-down of the channel grid: the receive and transmit tone
// cells are set by choosing or typing a tone in a drop-down laid over the
// cell, never in place. The cell under it is pending until the drop-down
// loses the focus or a click, Save, Save As or Write commits it.
#include "channels/ChMem.h"
#include "model/Model.h"

#include <optional>
#include <string>
#include <string_view>

namespace channels {

// A typed or chosen tone in the program's notation: a number of 60.0-265.0
// Hz gives "88.5"; three octal digits, optionally led by "D" and followed
// by "N"/"n" or "I"/"i", give "D023N" or "D023I" (any other suffix counts as
// N). nullopt for anything else.
std::optional<std::string> NormalizeTone(std::string_view text);

// Makes (row, col) the pending cell and gives the drop-down the stored tone.
void OpenToneBox(model::ModelState& m, ChMemState& s, ChGridView& view, int row, int col);

// Stores the drop-down's text for the pending cell (an invalid text stores
// the off text), copies a receive tone to the transmit tone, hides the
// drop-down, encodes the table into the image and forgets the pending cell.
// Does nothing when no cell is pending; while the interface is locked it
// only forgets the cell and hides the drop-down.
void CommitTone(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view,
                const std::string& text);

// Enter in the drop-down: the tone is stored as CommitTone stores it, and a
// receive tone leads on to the channel's transmit tone, which it was copied
// into and which the user may want otherwise, as a typed frequency leads on
// to the next cell. A channel that does not transmit stays on its receive tone.
void EnterTone(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view,
               const std::string& text);

// The user gave up the tone being typed: the drop-down hides and no cell is
// pending, so nothing of it is stored, not by a click nor by a Save.
void CancelTone(ChMemState& s, ChGridView& view);

} // namespace channels
