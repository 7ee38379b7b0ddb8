#pragma once
// The channel editor's program-wide values and what its logic needs of the
// channel grid. The grid editing (ChGridEdit.h), the tone drop-down
// (ToneBox.h) and the band presets (BandPresets.h) work on these, so the
// window only reads its controls and shows the result.
#include "app/Shell.h"
#include "platform/GridEditMode.h"

#include <cstdint>
#include <string>

namespace channels {

// Fixed columns of the channel grid; every other data column is an option
// column whose number is its field of the channel table.
inline constexpr int ColRxFre = 1;
inline constexpr int ColTxFre = 2;
inline constexpr int ColRxTone = 3;
inline constexpr int ColTxTone = 4;
inline constexpr int ColName = 11;
inline constexpr int FirstOptionCol = 5;

struct ChMemState {
    // The tone cell under the tone drop-down; 0 when none is pending.
    std::int32_t CtdcsEditRow = 0;
    std::int32_t CtdcsEditCol = 0;
};

ChMemState& chMem();
// A fresh channel editor (tests): this state and the settings pages'.
void ResetChMem();

// The channel grid and its tone drop-down as the editing logic sees them.
// Rows are channels 1..ChCount, columns 1..ChColCount; a cell the grid does
// not have fails (throws). Colours are colour numbers 0x00BBGGRR. The
// operations raise no handler. The channel page (channels/ui) answers it.
class ChGridView {
  public:
    virtual ~ChGridView() = default;
    virtual std::string ChGridText(int row, int col) = 0;
    virtual void SetChGridText(int row, int col, const std::string& text) = 0;
    virtual void SetChGridTextColor(int row, int col, std::int32_t colour) = 0;
    // Makes the cell the grid's current cell.
    virtual void SetChGridCurrent(int row, int col) = 0;
    virtual void SetCtdcsText(const std::string& text) = 0;
    virtual void HideCtdcs() = 0;
};

// The edit mode the grid gets before an edit, by the handler and column.
using platform::EditMode;
enum class GridEvent { BeforeEdit, Click, DblClick };
EditMode EditModeFor(GridEvent event, int col);

// The interface lock: while it is on no edit reaches the table or the image.
bool FaceLocked(const app::ShellState& s);

// A colour number held as decimal text (EmptyCellColor, Band1Color,
// OtherBandColor); a text that is no number fails.
std::int32_t ColourNumber(const std::string& text);

} // namespace channels
