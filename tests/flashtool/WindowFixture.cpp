#include "tests/flashtool/WindowFixture.h"

#include "flashtool/FlashSoftWindow.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "tests/linkui/LinkUiSupport.h"

#include <QCoreApplication>
#include <QEvent>

namespace flashtest {

ProgramFlashTools::ProgramFlashTools(const std::map<int, std::string>& devices, const std::string& settings) {
    linkui::WriteSettings(home, devices, settings);
    linkui::StartProgramLink(home);
    flashtool::ui::InstallFlashTools();
}

ProgramFlashTools::~ProgramFlashTools() {
    CloseFlashWindows();
}

void CloseFlashWindows() {
    radiolink::linkState().ComBusy = 0;
    if (auto* w = flashtool::ui::frmMain::existing()) w->close();
    if (auto* w = flashtool::ui::frmPartFill::existing()) w->close();
    if (auto* w = flashtool::ui::frmFlashSoft::existing()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScribbleImage() {
    model::Image& image = model::IicDat();
    for (std::size_t a = 0; a < image.size(); ++a) {
        image[a] = static_cast<std::uint8_t>(a * 37 + (a >> 8) + 1);
        if (image[a] == 0xA5) image[a] = 0x5A;
    }
}

} // namespace flashtest
