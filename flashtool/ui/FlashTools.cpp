#include "flashtool/ui/FlashTools.h"

#include "align/ui/FlashToolsHost.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "platform/ui/Widgets.h"

namespace flashtool::ui {
namespace {

// The alignment window's coded buttons and its refresh box.
class AlignmentReach : public align::ui::FlashToolsHost {
  public:
    void ShowToolWindow(QWidget* opener) override { ui::ShowToolWindow(opener); }
    void ShowFirmwareWindow(QWidget* opener) override { ui::ShowFirmwareWindow(opener); }
    void RefreshGridFlash() override { flashtool::RefreshGridFlash(tool()); }
};

} // namespace

void InstallFlashTools() {
    static ToolHosts hosts(tool());
    platform::Host<radiolink::ToolWindowHost>::set(&hosts);
    platform::Host<app::FlashGridHost>::set(&hosts);
    platform::Host<radiolink::FirmwareWindow>::set(&flashSoft());
    static AlignmentReach reach;
    platform::Host<align::ui::FlashToolsHost>::set(&reach);
}

QWidget* ShowToolWindow(QWidget* opener) {
    frmMain& window = frmMain::instance();
    platform::showModeless(window, opener);
    return &window;
}

QWidget* ShowFirmwareWindow(QWidget* opener) {
    frmFlashSoft& window = frmFlashSoft::instance();
    platform::showModeless(window, opener);
    return &window;
}

} // namespace flashtool::ui
