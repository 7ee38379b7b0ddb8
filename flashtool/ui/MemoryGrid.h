#pragma once
// One of the memory tool window's three hex grids: a platform::Grid whose
// data cells come from its bytes (IicDat, InRamDat or ExtRamDat) through the
// grid's model, with the texts and colours the tool window's state gives
// them, so the 65,536-cell flash grid holds no text of its own. Typed texts
// and the pointer's cell go to the flash tools' logic.
#include "flashtool/ToolState.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GridSource.h"

namespace flashtool::ui {

// The bytes of a grid as the state shows them: flash always, a RAM byte
// once read, filled or typed; the text colour of each cell.
class ToolGridSource : public platform::ByteGridSource {
  public:
    ToolGridSource(const ToolState& t, int grid);
    QString text(int row, int col) const override;
    QColor foreColor(int row, int col) const override;

  private:
    const ToolState& t_;
    int grid_;
};

class MemoryGrid : public platform::Grid {
    Q_OBJECT
  public:
    // grid: radiolink::GridFlash, GridInRam or GridExtRam.
    MemoryGrid(ToolState& t, int grid, QWidget* parent = nullptr);
    int number() const { return grid_; }

    // The cells of addresses first..last show the state again.
    void ShowRange(std::uint32_t first, std::uint32_t last);
    // Makes a data cell current and brings it into view.
    void GoTo(Cell cell);

    // The after-edit and mouse-move handlers (vsfgGridFlash_AfterEdit,
    // vsfgGridFlash_MouseMove and their RAM twins).
    void AfterEdit(int row, int col);
    void MouseMove();

  private:
    ToolState& t_;
    int grid_;
};

} // namespace flashtool::ui
