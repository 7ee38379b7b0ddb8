#include "flashtool/ui/MemoryGrid.h"

#include "app/ErrorReporter.h"
#include "flashtool/GridText.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ui/FactoryLook.h"
#include "platform/ui/Twips.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QTableView>

#include <span>

namespace flashtool::ui {
namespace {

std::span<const std::uint8_t> bytesOf(const ToolState& t, int grid) {
    return {t.bytes(grid), ShapeOf(grid)->size};
}

// The tag of a grid's handler, by the grid's form name.
std::string tagOf(int grid, const char* handler) {
    static const char* const names[] = {"vsfgGridFlash", "vsfgGridInRam", "vsfgGridExtRam"};
    const char* name =
        grid >= radiolink::GridFlash && grid <= radiolink::GridExtRam ? names[grid - 1] : "vsfgGrid";
    return std::string("frmMain->") + name + "_" + handler;
}

} // namespace

ToolGridSource::ToolGridSource(const ToolState& t, int grid)
    : ByteGridSource(bytesOf(t, grid), BytesPerRow), t_(t), grid_(grid) {}

QString ToolGridSource::text(int row, int col) const {
    const int i = byteIndex(row, col);
    if (i < 0) return {};
    return QString::fromLatin1(CellText(t_, grid_, static_cast<std::uint32_t>(i)));
}

QColor ToolGridSource::foreColor(int row, int col) const {
    const int i = byteIndex(row, col);
    if (i < 0) return {};
    return ColourOf(t_.grid(grid_)->fore[static_cast<std::size_t>(i)]);
}

MemoryGrid::MemoryGrid(ToolState& t, int grid, QWidget* parent) : Grid(parent), t_(t), grid_(grid) {
    // Hex digits only: a fixed-pitch font lines them up and paints fast.
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(font().pointSizeF());
    setFont(digits);
    setFormatString(QString::fromLatin1(GridHeaderFormat));
    setSource(std::make_unique<ToolGridSource>(t, grid));
    setColWidth(0, 720);
    for (int col = 1; col < cols(); ++col) {
        setColWidth(col, 435);
        setColAlignment(col, Qt::AlignCenter);
    }
    // One height for every row, without a height per row to keep.
    view()->verticalHeader()->setDefaultSectionSize(platform::twips(300));
    setEditMode(EditMode::Keyboard);
    connect(this, &Grid::afterEdit, this, &MemoryGrid::AfterEdit);
    connect(this, &Grid::mouseMove, this, &MemoryGrid::MouseMove);
}

void MemoryGrid::ShowRange(std::uint32_t first, std::uint32_t last) {
    refreshRows(CellOf(first).row, CellOf(last).row);
}

void MemoryGrid::GoTo(Cell cell) {
    if (cell.row < 1 || cell.row >= rows() || cell.col < 1 || cell.col >= cols()) return;
    setCurrentCell(cell.row, cell.col);
    showCell(cell.row, cell.col);
}

void MemoryGrid::AfterEdit(int row, int col) {
    app::Guarded(tagOf(grid_, "AfterEdit"),
                 [&] { EditCell(t_, grid_, row, col, textMatrix(row, col).toStdString()); });
    // Taken, refused or failed, the cell shows its byte again.
    refreshRows(row, row);
}

void MemoryGrid::MouseMove() {
    const int row = mouseRow(), col = mouseCol();
    if (row < 1 || col < 1) return;
    app::Guarded(tagOf(grid_, "MouseMove"), [&] {
        if (const std::optional<std::string> tip = CellTipHint(t_, grid_, row, col)) {
            // The tip ends in CR LF for the tip box; a tool tip shows one line.
            view()->viewport()->setToolTip(QString::fromStdString(*tip).trimmed());
        }
    });
    if (!isEditing()) setCurrentCell(row, col);
}

} // namespace flashtool::ui
