#pragma once
// The operations on the tool window's grids: what a cell shows, the edits,
// the colour marking of transferred ranges, the change scan of the flash
// image, the cell tips, and the HEX loader's display step.
#include "app/ImageViews.h"
#include "flashtool/ToolState.h"
#include "link/LinkHosts.h"

#include <optional>
#include <string>
#include <string_view>

namespace flashtool {

// The text of the cell of address a: flash always the image byte, a RAM
// grid its byte once shown, else "".
// The window's status line shows text.
void ShowStatus(ToolState& t, const std::string& text);

std::string CellText(const ToolState& t, int grid, std::uint32_t address);

// Range refresh of the flash grid after image bytes first..last changed.
void RefreshFlashRange(ToolState& t, std::uint32_t first, std::uint32_t last);
// The RAM bytes first..last into their cells.
void ShowInRamGrid(ToolState& t, std::uint32_t first, std::uint32_t last);
void ShowExtRamGrid(ToolState& t, std::uint32_t first, std::uint32_t last);
// Either of the above for the bytes first..last of grid 1-3.
void RefreshGridRange(ToolState& t, int grid, std::uint32_t first, std::uint32_t last);

// Mode 2: every data cell of the grid black. Mode 1: the cells of
// first..first+count-1 in their column-group colour, the last of them made
// current and brought into view. Any other mode (an unticked colour box
// passes 0) does nothing; so does a grid other than 1-3.
void MarkGridCells(ToolState& t, int mode, int grid, int first, int count);

struct CellEdit {
    bool stored = false;
    std::string text; // what the cell shows afterwards
};
// A text typed into a cell: its byte goes into the memory and the cell shows
// it in two digits ("5" shows "05", an emptied cell stores 0 and shows
// "00"). A value above 0xFF, or a cell outside the grid's edit range (the
// internal RAM grid takes 0x30-0xFF), is refused: nothing is stored, the
// cell keeps its text and the tool window's status says why. A flash edit
// then runs the alignment display.
CellEdit EditCell(ToolState& t, int grid, int row, int col, std::string_view text);

// RefreshGridFlash: compares the image with FlashShadow, takes the changed
// bytes into the shadow and, when any changed, paints every cell black and
// the changed ones red, makes the last changed cell current and puts its tip
// into the tip box. So after each scan exactly the bytes changed since the
// previous one are red.
struct FlashScan {
    int changed = 0;
    std::uint32_t first = 0, last = 0; // lowest and highest changed address
};
FlashScan RefreshGridFlash(ToolState& t);

// GridFlashCellTipHint and its RAM twins: for a data cell, makes it current
// and, unless it is empty, builds its tip into the tip box and returns it
// (for the grid's tool tip); the view hears of the tip only when its text
// changed. Header cells do nothing.
std::optional<std::string> CellTipHint(ToolState& t, int grid, int row, int col);

// The HEX loader's display step after a load that filled 0..count: only
// while the show-in-grid box is ticked, the cells 0..count are marked by
// the flash colour box and the alignment display runs. The grid shows the
// loaded bytes (0..changedLast, at least 0..count) in any case, so that it
// never shows stale bytes that a later edit would take back in.
void ShowLoadedImage(ToolState& t, std::uint32_t count, std::uint32_t changedLast = 0);

// What the link and the data-file reader ask of the tool window's grids,
// answered over a ToolState: the program registers one over tool() at
// start-up, tests one over their own. An edit takes in only the cell typed
// into, so there is no snapshot of the RAM grids' texts to keep.
class ToolHosts : public radiolink::ToolWindowHost, public app::FlashGridHost {
  public:
    explicit ToolHosts(ToolState& t) : t_(t) {}
    // radiolink::ToolWindowHost
    void ToolWindowChanged() override;
    void MarkGridCells(int mode, int grid, int start, int count) override;
    void ShowFlashCell(int row, int col) override;
    void ShowInRamGrid(int first, int last) override;
    void ShowExtRamGrid(int first, int last) override;
    void AutoWriteRestarted() override;
    // app::FlashGridHost
    void RefreshFlashRange(int first, int last) override;

  private:
    ToolState& t_;
};

} // namespace flashtool
