#pragma once
// The windows of other libraries that the main window opens and hosts, as
// it sees them. Host interfaces (platform/Host.h): each window library
// registers its own at start-up (program::AssembleProgram); tests register
// doubles. Until then the main window has no channel window and opens no
// dialog.
#include "platform/Host.h"

#include <QWidget>

namespace shell {

// The channel window as the main window drives it: its MDI child, and what
// start-up, the lock, Save, Save As and Write ask of it. (What the model
// shows in it is model::ChannelWindow.)
class ChannelWindowSlot {
  public:
    virtual ~ChannelWindowSlot() = default;
    // The MDI child; its objectName is "frmChMem".
    virtual QWidget* window() = 0;
    // Designed fore colour of band box txtFreBand(box), a colour number.
    virtual long bandBoxForeColor(int box) const = 0;
    // Lays out the grid, empties all channels and selects the default band
    // preset, which loads the default image.
    virtual void InitChMem() = 0;
    // Commits a tone typed into the channel grid's tone box.
    virtual void cboGridChCtdcs_LostFocus() = 0;
    // The lock's view of the channel window.
    virtual long ChGridBackColor() const = 0;
    virtual long ChGridSelColor() const = 0;
    virtual void setGridSelectionColor(long colour) = 0;
    virtual void setSysSetFramesEnabled(bool enabled) = 0;
};

// Makes the channel window at start-up. Implemented by the channel editor
// (channels::InstallChannelWindow). The window belongs to Qt once the main
// window has put it into its MDI area.
class ChannelWindowHost {
  public:
    virtual ~ChannelWindowHost() = default;
    virtual ChannelWindowSlot* MakeChannelWindow() { return nullptr; }
};

// The link's dialogs of the main window's roads. Implemented by the link's
// windows (radiolink::ui::InstallLinkWindows).
class LinkWindowsHost {
  public:
    virtual ~LinkWindowsHost() = default;
    // The read/write dialog, modal over owner, set up for reading or writing.
    virtual void ShowCommunDialog(QWidget* /*owner*/, bool /*write*/) {}
    // The port dialog, modal over owner.
    virtual void ShowPortDialog(QWidget* /*owner*/) {}
};

} // namespace shell
