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

#include <cstdlib>

namespace flashtest {
namespace {

void resetTool(flashtool::ToolState& t) {
    t.flash = flashtool::GridState(flashtool::FlashGridShape);
    t.inRam = flashtool::GridState(flashtool::InRamGridShape);
    t.extRam = flashtool::GridState(flashtool::ExtRamGridShape);
    t.FlashShadow.fill(0);
    t.txtAddrNote.clear();
    t.cmdFlashPageAllCaption = flashtool::texts::SelectAll;
    t.lblFileName.clear();
    t.cboFlashPage = 63;
    t.ramListsFilled = false;
    t.sstabCtl = t.sstabData = 0;
    t.chkAutoWr = 0;
    t.FillStartAddr = 0xC800;
    t.FillEndAddr = 0xFFFF;
    t.unloaded = false;
    t.link.InRamDat.fill(0);
    t.link.ExtRamDat.fill(0);
}

} // namespace

ProgramFlashTools::ProgramFlashTools(const std::map<int, std::string>& devices, const std::string& settings) {
    if (const char* h = std::getenv("HOME")) previousHome_ = h;
    ::setenv("HOME", home.path().c_str(), 1);
    ::setenv("TAVORIN_QUIET", "1", 1);
    CloseFlashWindows();
    linkui::WriteSettings(home, devices, settings);
    linkui::ResetProgramLink(home);
    resetTool(flashtool::tool());
    flashtool::flashSoft().Unload();
    model::IicDat().fill(0);
    flashtool::ui::InstallFlashTools();
}

ProgramFlashTools::~ProgramFlashTools() {
    CloseFlashWindows();
    ::setenv("HOME", previousHome_.c_str(), 1);
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
