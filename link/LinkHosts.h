#pragma once
// What the link calls in the windows above it: host interfaces
// (platform/Host.h), each answered by the windows of one library and
// registered once at start-up; until then every call does nothing (and a
// question is answered "no"). The flash grid's refresh after a page read is
// app::FlashGridHost (app/ImageViews.h), shared with the data-file reader;
// the firmware window is FirmwareWindow (link/FirmwareTable.h), the
// serial-number list SerialNumberList (link/Commun.h).
#include "platform/Host.h"

#include <string>

namespace radiolink {

// The link's own dialogs: the read/write dialog and the port dialog.
// Implemented by link/ui (radiolink::ui::InstallLinkWindows).
class LinkDialogsHost {
  public:
    virtual ~LinkDialogsHost() = default;
    // The read/write dialog shows LinkState::frmCommun again.
    virtual void CommunChanged() {}
    // The port dialog shows LinkState::frmToolCom again.
    virtual void PortDialogChanged() {}
    // Shows the port dialog modally after a port failed to open; true when
    // the user chose a port with OK.
    virtual bool ChoosePort() { return false; }
};

// The memory tool window frmMain: its controls (LinkState::frmMain) and its
// three grids. Implemented by flashtool::ToolHosts over the tool window's
// state, registered once at start-up (flashtool::ui::InstallFlashTools), so
// the calls land whether or not the window is open.
class ToolWindowHost {
  public:
    virtual ~ToolWindowHost() = default;
    // The window shows LinkState::frmMain again.
    virtual void ToolWindowChanged() {}
    // Colours cells of grid (radiolink::Grid): mode 2 resets the grid's
    // colours, mode 1 colours start..start+count-1 by column group, any
    // other mode does nothing.
    virtual void MarkGridCells(int /*mode*/, int /*grid*/, int /*start*/, int /*count*/) {}
    // Brings a cell of the flash grid into view.
    virtual void ShowFlashCell(int /*row*/, int /*col*/) {}
    // InRamDat, ExtRamDat [first, last] into their grids.
    virtual void ShowInRamGrid(int /*first*/, int /*last*/) {}
    virtual void ShowExtRamGrid(int /*first*/, int /*last*/) {}
    // The automatic-write timer starts its interval afresh (tmrAutoWr).
    virtual void AutoWriteRestarted() {}
};

// The main window's status panels: panel 2 ("COM" and the port in use), and
// panel 1 after a read or write of the read/write dialog. Implemented by the
// main window (shell/ui), which registers itself.
class PortPanelHost {
  public:
    virtual ~PortPanelHost() = default;
    virtual void ComPortShown(int /*port*/) {}
    // Why the dialog's last read or write failed: text in the panel, until a
    // good one; detail, the whole account, as its tip. Both empty after a
    // good read or write.
    virtual void LinkFailureShown(const std::string& /*text*/, const std::string& /*detail*/) {}
};

} // namespace radiolink
