#include "flashtool/ui/FlashTools.h"

#include "flashtool/FlashSoftWindow.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"

namespace flashtool::ui {
namespace {

QWidget* showModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    return &window;
}

} // namespace

void InstallFlashTools() {
    static ToolHosts hosts(tool());
    platform::Host<radiolink::ToolWindowHost>::set(&hosts);
    platform::Host<app::FlashGridHost>::set(&hosts);
    platform::Host<radiolink::FirmwareWindow>::set(&flashSoft());
}

QWidget* ShowToolWindow() {
    return showModeless(frmMain::instance());
}

QWidget* ShowFirmwareWindow() {
    return showModeless(frmFlashSoft::instance());
}

} // namespace flashtool::ui
