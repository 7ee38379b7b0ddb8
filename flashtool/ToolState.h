#pragma once
// The memory tool window (frmMain) beyond what the link holds of it
// (radiolink::ToolWindow): the three grids' colours and shown cells, the
// change scan's shadow of the image, the tip box, the select-all caption,
// the file label, the RAM lists, the tab strips and the part fill's range.
//
// The window shows this state and LinkState::frmMain, calls the operations
// of MemoryGrids.h, ToolWindowLogic.h and PartFill.h from its handlers, and
// registers a ToolWindowView while it exists to hear what to show again.
#include "flashtool/FlashTexts.h"
#include "flashtool/GridText.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/Host.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace flashtool {

// What the tool window shows again when the state changed: a host interface
// (platform/Host.h) that the window registers while it exists; every method
// does nothing by default.
class ToolWindowView {
  public:
    virtual ~ToolWindowView() = default;
    // Texts or colours of the cells of addresses first..last changed.
    virtual void GridChanged(int /*grid*/, std::uint32_t /*first*/, std::uint32_t /*last*/) {}
    // The grid brings the cell into view (GridState::current says which
    // cell is current).
    virtual void GridScrolled(int /*grid*/, Cell /*cell*/) {}
    // The tip box alone: the pointer's cell tip changes on every cell the
    // mouse crosses, far too often to show the whole window again.
    virtual void TipChanged() {}
    // Other state of the window (captions, labels, lists, tabs).
    virtual void WindowChanged() {}
    // The automatic-write timer starts its interval afresh.
    virtual void AutoWriteRestarted() {}
};

// One grid's look. The flash grid always shows the image; a RAM grid shows
// a byte once it was read, filled or typed (`shown`), and an empty cell
// before.
struct GridState {
    explicit GridState(const GridShape& s) : shape(s), fore(s.size, Black), shown(s.size, false) {}
    GridShape shape;
    std::vector<Colour> fore; // text colour by address
    std::vector<bool> shown;  // RAM grids only
    Cell current{1, 1};
};

enum FillTarget { FillFlash = 0, FillInRam = 1, FillExtRam = 2 };

struct ToolState {
    ToolState(model::Image& image, radiolink::LinkState& link) : image(image), link(link) {}
    ToolState(const ToolState&) = delete;
    ToolState& operator=(const ToolState&) = delete;

    model::Image& image;        // IicDat
    radiolink::LinkState& link; // InRamDat, ExtRamDat, frmMain

    GridState flash{FlashGridShape};
    GridState inRam{InRamGridShape};
    GridState extRam{ExtRamGridShape};
    // The image as the last change scan saw it; all zero at start.
    model::Image FlashShadow{};

    std::string txtAddrNote; // the tip box
    std::string cmdFlashPageAllCaption = texts::SelectAll;
    std::string lblFileName;
    int cboFlashPage = 63;       // page list "0"-"63"
    bool ramListsFilled = false; // the eight RAM lists hold their items
    int sstabCtl = 0;            // control tabs 0-3
    int sstabData = 0;           // grid tabs 0-2
    std::int16_t chkAutoWr = 0;  // the automatic-write box

    // The last fill range typed into the part fill.
    std::uint32_t FillStartAddr = 0xC800;
    std::uint32_t FillEndAddr = 0xFFFF;

    // The window was closed: its controls went back to their design state,
    // and its next load runs the window's start-up again.
    bool unloaded = false;

    GridState* grid(int number);
    const GridState* grid(int number) const;
    // The bytes a grid shows: IicDat, InRamDat or ExtRamDat; nullptr for
    // another number.
    std::uint8_t* bytes(int number);
    const std::uint8_t* bytes(int number) const;
};

// The program's tool window state, over model::IicDat() and the program's link.
ToolState& tool();

inline ToolWindowView& view() {
    return platform::host<ToolWindowView>();
}

} // namespace flashtool
