#include "flashtool/MemoryGrids.h"

#include "app/ImageViews.h"
#include "flashtool/CellTip.h"
#include "flashtool/FlashTexts.h"

#include <algorithm>
#include <utility>

namespace flashtool {
namespace {

void showRam(GridState& g, std::uint32_t first, std::uint32_t last) {
    last = std::min(last, g.shape.size - 1);
    if (first > last) return;
    std::fill(g.shown.begin() + first, g.shown.begin() + last + 1, true);
    view().GridChanged(g.shape.grid, first, last);
}

void makeCurrent(GridState& g, Cell cell) {
    g.current = cell;
    view().GridScrolled(g.shape.grid, cell);
}

} // namespace

void ShowStatus(ToolState& t, const std::string& text) {
    t.link.frmMain.lblComStatus = text;
    view().WindowChanged();
}

std::string CellText(const ToolState& t, int grid, std::uint32_t address) {
    const GridShape* shape = ShapeOf(grid);
    if (!shape || address >= shape->size) return {};
    if (grid != radiolink::GridFlash && !t.grid(grid)->shown[address]) return {};
    return ByteText(t.bytes(grid)[address]);
}

void RefreshFlashRange(ToolState&, std::uint32_t first, std::uint32_t last) {
    last = std::min<std::uint32_t>(last, 0xFFFF);
    if (first <= last) view().GridChanged(radiolink::GridFlash, first, last);
}

void ShowInRamGrid(ToolState& t, std::uint32_t first, std::uint32_t last) {
    showRam(t.inRam, first, last);
}

void ShowExtRamGrid(ToolState& t, std::uint32_t first, std::uint32_t last) {
    showRam(t.extRam, first, last);
}

void RefreshGridRange(ToolState& t, int grid, std::uint32_t first, std::uint32_t last) {
    if (grid == radiolink::GridFlash) {
        RefreshFlashRange(t, first, last);
    } else if (GridState* g = t.grid(grid)) {
        showRam(*g, first, last);
    }
}

void MarkGridCells(ToolState& t, int mode, int grid, int first, int count) {
    GridState* g = t.grid(grid);
    if (!g) return;
    if (mode == 2) {
        std::fill(g->fore.begin(), g->fore.end(), Black);
        view().GridChanged(grid, 0, g->shape.size - 1);
        return;
    }
    if (mode != 1 || count <= 0 || first < 0) return;
    const auto from = static_cast<std::uint32_t>(first);
    if (from >= g->shape.size) return;
    const std::uint32_t to =
        std::min<std::uint32_t>(from + static_cast<std::uint32_t>(count), g->shape.size) - 1;
    for (std::uint32_t a = from; a <= to; ++a) g->fore[a] = GroupColour(a);
    view().GridChanged(grid, from, to);
    makeCurrent(*g, CellOf(to));
}

CellEdit EditCell(ToolState& t, int grid, int row, int col, std::string_view text) {
    GridState* g = t.grid(grid);
    if (!g) return {};
    const std::optional<std::uint32_t> a = AddressOf(g->shape, row, col);
    if (!a) return {};
    const std::string before = CellText(t, grid, *a);
    const std::optional<std::uint8_t> value = ParseCellText(text);
    const bool editable = *a >= g->shape.editFirst && *a <= g->shape.editLast;
    if (!value || !editable) {
        // The cell shows its byte again; the status says why.
        ShowStatus(t, editable ? texts::CellTooBig : texts::CellNotEditable);
        return {false, before};
    }
    t.bytes(grid)[*a] = *value;
    RefreshGridRange(t, grid, *a, *a);
    if (grid == radiolink::GridFlash) platform::host<app::AlignmentDisplayHost>().AdjParaShow();
    return {true, CellText(t, grid, *a)};
}

FlashScan RefreshGridFlash(ToolState& t) {
    FlashScan scan;
    const std::uint8_t* image = t.image.data();
    std::uint8_t* shadow = t.FlashShadow.data();
    for (std::uint32_t i = 0; i < 0x10000; ++i) {
        if (shadow[i] == image[i]) continue;
        shadow[i] = image[i];
        if (scan.changed++ == 0) {
            std::fill(t.flash.fore.begin(), t.flash.fore.end(), Black);
            scan.first = i;
        }
        t.flash.fore[i] = ChangedColour;
        scan.last = i;
    }
    if (scan.changed == 0) return scan;
    view().GridChanged(radiolink::GridFlash, 0, 0xFFFF);
    const Cell cell = CellOf(scan.last);
    makeCurrent(t.flash, cell);
    CellTipHint(t, radiolink::GridFlash, cell.row, cell.col);
    return scan;
}

std::optional<std::string> CellTipHint(ToolState& t, int grid, int row, int col) {
    GridState* g = t.grid(grid);
    if (!g) return std::nullopt;
    const std::optional<std::uint32_t> a = AddressOf(g->shape, row, col);
    if (!a) return std::nullopt;
    g->current = {row, col};
    const std::string text = CellText(t, grid, *a);
    if (text.empty()) return std::nullopt;
    std::string tip = CellTipText(*a, text);
    if (tip != t.txtAddrNote) {
        t.txtAddrNote = std::move(tip);
        view().TipChanged();
    }
    return t.txtAddrNote;
}

void ShowLoadedImage(ToolState& t, std::uint32_t count, std::uint32_t changedLast) {
    count = std::min<std::uint32_t>(count, 0xFFFF);
    // The grid shows the image as it now stands, display step or not.
    RefreshFlashRange(t, 0, std::max(count, changedLast));
    if (t.link.frmMain.chkSoftShowGrid.Value != 1) return;
    MarkGridCells(t, t.link.frmMain.chkGridFlashColor.Value, radiolink::GridFlash, 0,
                  static_cast<int>(count) + 1);
    platform::host<app::AlignmentDisplayHost>().AdjParaShow();
}

void ToolHosts::ToolWindowChanged() {
    view().WindowChanged();
}

void ToolHosts::MarkGridCells(int mode, int grid, int start, int count) {
    flashtool::MarkGridCells(t_, mode, grid, start, count);
}

void ToolHosts::ShowFlashCell(int row, int col) {
    if (AddressOf(FlashGridShape, row, col)) view().GridScrolled(radiolink::GridFlash, {row, col});
}

void ToolHosts::ShowInRamGrid(int first, int last) {
    if (first >= 0 && last >= first) flashtool::ShowInRamGrid(t_, first, last);
}

void ToolHosts::ShowExtRamGrid(int first, int last) {
    if (first >= 0 && last >= first) flashtool::ShowExtRamGrid(t_, first, last);
}

void ToolHosts::AutoWriteRestarted() {
    view().AutoWriteRestarted();
}

void ToolHosts::RefreshFlashRange(int first, int last) {
    if (first >= 0 && last >= first) flashtool::RefreshFlashRange(t_, first, last);
}

} // namespace flashtool
