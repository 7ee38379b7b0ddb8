#pragma once
// The channel window as the main window drives it: what the model shows in
// it, and what start-up, the lock, Save, Save As and Write ask of it. The
// channel editor implements this and registers its factory; until one is
// registered the main window keeps a stand-in.
#include "model/ChannelWindow.h"

#include <QWidget>

#include <functional>

namespace shell {

class ChannelWindowSlot : public model::ChannelWindow {
  public:
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

// Makes the channel window; its window() belongs to Qt once the main window
// has put it into its MDI area.
using ChannelWindowFactory = std::function<ChannelWindowSlot*()>;

// The windows of other subsystems that the main window opens. Each is empty
// until its subsystem registers it; an empty one does nothing.
struct ShellWindows {
    ChannelWindowFactory channelWindow;
    // The read/write dialog, modal over owner, set up for reading or writing.
    std::function<void(QWidget* owner, bool write)> communDialog;
    // The port dialog, modal over owner.
    std::function<void(QWidget* owner)> portDialog;
    // Loads the hidden tool window that hosts the serial control; its load
    // runs the serial host's start-up. Empty: start-up runs that itself.
    std::function<void()> serialHost;
};
ShellWindows& shellWindows();

} // namespace shell
