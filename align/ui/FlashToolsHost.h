#pragma once
#include "platform/Host.h"

class QWidget;

namespace align::ui {

// The memory tool window and the firmware window as the alignment window
// reaches them: a host interface (platform/Host.h) that the flash tools'
// windows (flashtool/ui) register at start-up; until then each call does
// nothing.
class FlashToolsHost {
  public:
    virtual ~FlashToolsHost() = default;
    // Shows the memory tool window frmMain, modeless; it opens offset from
    // the opener.
    virtual void ShowToolWindow(QWidget* /*opener*/) {}
    // Shows the firmware window frmFlashSoft, modeless, the same way.
    virtual void ShowFirmwareWindow(QWidget* /*opener*/) {}
    // Marks in the memory tool window's flash grid the image bytes changed
    // since the last refresh (the alignment window's refresh box, once a
    // second).
    virtual void RefreshGridFlash() {}
};

} // namespace align::ui
