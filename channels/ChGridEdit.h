#pragma once
// The channel grid: showing the channel table after a load, and what every
// edit, click and double click of a cell does to the table and the image.
//
// Frequencies are in 10 Hz units; ChInfo(ch, 1) = NoFre marks an empty
// channel, ChInfo(ch, 2) = NoFre transmit off. Every frequency or option
// edit, every double click that changes a row and every committed tone
// encodes the whole table into the image at once; a name edit writes its
// name bytes itself.
#include "channels/ChMem.h"
#include "model/Model.h"

#include <cstdint>
#include <string>

namespace channels {

// f / 100000 in MHz without trailing zeros: 40012500 -> "400.125".
std::string FreCellText(std::int32_t f);

// The frequency stored for a typed number (MHz as text): snapped to the
// raster, clamped to 100-999 MHz and pulled into band 1 or band 2. A number
// too large to count in 10 Hz lies beyond the end of its sign.
std::int32_t EnteredFre(const model::ModelState& m, const std::string& typed);

// Whether a column key names a fixed column ("RxFre", "TxFre", "OFFSET",
// "CHNAME", "CtcssDcsDec", "CtcssDcsEnc"); any other key is an option
// column's drop-down list.
bool IsFixedColumnKey(const std::string& key);

// Decodes the image into the channel table and shows channels 1..ChCount.
// A load also drops a pending tone cell, so no old drop-down text reaches
// the new data.
void ShowChTblGrid(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view);

// Empties a channel's row: no frequencies, no options, blank cells in
// EmptyCellColor, no tones (the next encode erases its tone codes). The
// name codes stay.
void ClearChannelRow(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row);
// Switches a channel's transmit side off: blank transmit cells, no tone.
void TransmitOff(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row);

// Before an edit of (row, col) starts.
struct BeforeEditResult {
    bool cancel = false;  // always while the interface is locked
    bool setMode = false; // false while locked or outside the channel cells
    EditMode mode = EditMode::None;
    bool hasComboList = false;
    std::string comboList; // the option column's drop-down list
};
BeforeEditResult BeforeEdit(const model::ModelState& m, const app::ShellState& shell, int row, int col);

// After the user finished editing (row, col) with the cell text `text`.
void AfterEdit(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row, int col,
               const std::string& text);

// Stores the name typed into cell (row, 11) and shows what was kept.
void ChNameEdit(model::ModelState& m, ChGridView& view, int row);

// What a click on channel cell (row, col) leads to.
enum class ClickTarget { EditRxFre, OpenRxTone, MoveToTxFre, OpenTxTone, EditCell };
ClickTarget ClickAction(const model::ModelState& m, int row, int col);

// A double click on (row, col): copies frequencies and tones, gives an empty
// name its default and steps an option to its next value. The table, the
// cells and the image change at once.
void DblClick(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row, int col);

} // namespace channels
