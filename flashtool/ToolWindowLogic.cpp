#include "flashtool/ToolWindowLogic.h"

#include "app/Reasons.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "flashtool/MemoryGrids.h"
#include "link/Engine.h"
#include "link/FlashTransfer.h"
#include "link/PortChoice.h"
#include "link/RamTransfer.h"
#include "link/SerialHost.h"
#include "model/ImageMap.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"
#include "platform/ProductionFolder.h"

#include <cstdio>

namespace flashtool {
namespace {

constexpr std::uint32_t kInRamFirst = 0x30, kInRamLast = 0xFF, kExtRamLast = 0xAFF;

void windowChanged(ToolState&) {
    view().WindowChanged();
}

struct ListPair {
    int radiolink::ToolWindow::*first;
    int radiolink::ToolWindow::*last;
};

ListPair pairOf(RamList list) {
    using W = radiolink::ToolWindow;
    switch (list) {
    case WrInRamFir:
    case WrInRamLast:
        return {&W::cboWrInRamFir, &W::cboWrInRamLast};
    case RdInRamFir:
    case RdInRamLast:
        return {&W::cboRdInRamFir, &W::cboRdInRamLast};
    case WrExtRamFir:
    case WrExtRamLast:
        return {&W::cboWrExtRamFir, &W::cboWrExtRamLast};
    default:
        return {&W::cboRdExtRamFir, &W::cboRdExtRamLast};
    }
}

bool isFirst(RamList list) {
    return list == WrInRamFir || list == RdInRamFir || list == WrExtRamFir || list == RdExtRamFir;
}

bool isInternal(RamList list) {
    return list <= RdInRamLast;
}

// The RAM buttons send nothing before the lists are filled.
bool ramListsReady(ToolState& t, RamList list) {
    const ListPair pair = pairOf(list);
    if (t.ramListsFilled && t.link.frmMain.*pair.first >= 0 && t.link.frmMain.*pair.last >= 0) return true;
    ShowStatus(t, texts::RamListsEmpty);
    return false;
}

void resetGrid(GridState& g) {
    std::fill(g.fore.begin(), g.fore.end(), Black);
    std::fill(g.shown.begin(), g.shown.end(), false);
    g.current = {1, 1};
}

} // namespace

void LoadToolWindow(ToolState& t, radiolink::FirmwareState& fw) {
    radiolink::LinkState& s = t.link;
    radiolink::EnsureSerialHost(s, fw);
    if (!t.unloaded) return;
    t.unloaded = false;
    radiolink::ToolWindowStartUp(s);
    radiolink::InitFlashSoftModel(fw);
    t.FillStartAddr = 0xC800;
    t.FillEndAddr = model::map::FlashLastAddr;
    windowChanged(t);
}

bool CloseToolWindow(ToolState& t) {
    if (t.link.ComBusy == -1) return false;
    radiolink::ToolWindow& w = t.link.frmMain;
    // What the link keeps of the window survives it: the line settings of the
    // last attempt and the rate the serial control runs at.
    radiolink::ToolWindow fresh;
    fresh.lblBpsDat = w.lblBpsDat;
    fresh.cboComBps = w.cboComBps;
    w = fresh;
    for (GridState* g : {&t.flash, &t.inRam, &t.extRam}) resetGrid(*g);
    t.txtAddrNote.clear();
    t.cmdFlashPageAllCaption = texts::SelectAll;
    t.lblFileName.clear();
    t.cboFlashPage = 63;
    t.ramListsFilled = false;
    t.sstabCtl = t.sstabData = 0;
    t.chkAutoWr = 0;
    t.unloaded = true;
    for (int grid : {radiolink::GridFlash, radiolink::GridInRam, radiolink::GridExtRam})
        view().GridChanged(grid, 0, ShapeOf(grid)->size - 1);
    windowChanged(t);
    return true;
}

void cmdFlashPageAll_Click(ToolState& t) {
    const bool all = t.cmdFlashPageAllCaption == texts::SelectAll;
    for (radiolink::PageBox& box : t.link.frmMain.chkFlashPage) box.Value = all ? 1 : 0;
    t.cmdFlashPageAllCaption = all ? texts::SelectNone : texts::SelectAll;
    windowChanged(t);
}

void cmdReadFlash_Click(ToolState& t) {
    radiolink::ComReadFlash(t.link, t.image);
}

void cmdWriteFlash_Click(ToolState& t) {
    radiolink::ComWriteFlash(t.link, t.image);
}

bool chkAutoWr_Click(ToolState& t, int value) {
    radiolink::Timer& timer = t.link.frmMain.tmrAutoWr;
    timer.Enabled = false;
    if (value != 1) {
        t.chkAutoWr = 0;
        windowChanged(t);
        return false;
    }
    const std::optional<int> interval = radiolink::AutoWriteInterval(t.link.frmMain.txtWrInterval);
    if (!interval) {
        t.chkAutoWr = 0;
        ShowStatus(t, texts::BadInterval);
        return false;
    }
    t.chkAutoWr = 1;
    timer.Interval = *interval;
    timer.Enabled = true;
    windowChanged(t);
    return t.link.ComBusy == 0;
}

bool tmrAutoWr_Timer(ToolState& t) {
    return t.link.ComBusy == 0;
}

void cmdZero_Click(ToolState& t) {
    t.link.frmMain.txtWrRightCnt = "0";
    windowChanged(t);
}

std::string RamListItem(std::uint32_t address) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%u 0x%X", static_cast<unsigned>(address), static_cast<unsigned>(address));
    return buf;
}

std::vector<std::string> InRamListItems() {
    std::vector<std::string> items;
    for (std::uint32_t a = kInRamFirst; a <= kInRamLast; ++a) items.push_back(RamListItem(a));
    return items;
}

std::vector<std::string> ExtRamListItems() {
    std::vector<std::string> items;
    for (std::uint32_t a = 0; a <= kExtRamLast; ++a) items.push_back(RamListItem(a));
    return items;
}

void chkInitInExtRamAddr_Click(ToolState& t) {
    radiolink::ToolWindow& w = t.link.frmMain;
    t.ramListsFilled = true;
    w.cboWrInRamLast = w.cboRdInRamLast = static_cast<int>(kInRamLast - kInRamFirst);
    w.cboWrInRamFir = w.cboRdInRamFir = 0;
    w.cboWrExtRamLast = w.cboRdExtRamLast = 0xFF;
    w.cboWrExtRamFir = w.cboRdExtRamFir = 0;
    windowChanged(t);
}

void RamListChosen(ToolState& t, RamList list, int index) {
    const int size = isInternal(list) ? static_cast<int>(kInRamLast - kInRamFirst + 1) : kExtRamLast + 1;
    if (!t.ramListsFilled || index < 0 || index >= size) return;
    radiolink::ToolWindow& w = t.link.frmMain;
    const ListPair pair = pairOf(list);
    if (isFirst(list)) {
        w.*pair.first = std::min(index, w.*pair.last);
    } else {
        w.*pair.last = std::max(index, w.*pair.first);
    }
    windowChanged(t);
}

void cmdWrInRam_Click(ToolState& t) {
    if (ramListsReady(t, WrInRamFir)) radiolink::ComWriteInRam(t.link);
}
void cmdRdInRam_Click(ToolState& t) {
    if (ramListsReady(t, RdInRamFir)) radiolink::ComReadInRam(t.link);
}
void cmdWrExtRam_Click(ToolState& t) {
    if (ramListsReady(t, WrExtRamFir)) radiolink::ComWriteExtRam(t.link);
}
void cmdRdExtRam_Click(ToolState& t) {
    if (ramListsReady(t, RdExtRamFir)) radiolink::ComReadExtRam(t.link);
}

void sstabData_Click(ToolState& t, int tab) {
    if (tab < 0 || tab > 2) return;
    t.sstabData = t.sstabCtl = tab;
    windowChanged(t);
}

void sstabCtl_Click(ToolState& t, int tab) {
    if (tab < 0 || tab > 3) return;
    t.sstabCtl = tab;
    if (tab <= 2) t.sstabData = tab;
    windowChanged(t);
}

std::string TestModeFolderPath() {
    return platform::productionPath({platform::TestModeFolder});
}

platform::IoResult GenerateDatFolder() {
    return platform::makeProductionFolders({platform::TestModeFolder});
}

bool LoadHexFile(ToolState& t, const std::string& path) {
    auto refuse = [&](const std::string& why) {
        ShowStatus(t, why);
        platform::dialogs().message(why, texts::NoticeTitle, platform::Buttons::Ok,
                                    platform::Icon::Exclamation);
        return false;
    };
    const HexFile file = ReadHexFile(path);
    if (file.error) return refuse(*file.error);
    if (const std::optional<HexError> error = HexLineToFlash(file.lines, model::map::FlashLastAddr, t.image))
        return refuse(error->text());
    ShowLoadedImage(t, model::map::FlashLastAddr);
    t.lblFileName = texts::FileNameLabel + path;
    t.link.frmMain.cmdWriteFlash.Enabled = true;
    ShowStatus(t, texts::HexLoaded);
    return true;
}

bool cmdReadDat_Click(ToolState& t) {
    // Without the folder the dialog opens elsewhere; the status says why.
    if (platform::IoResult r = GenerateDatFolder(); !r) ShowStatus(t, app::IoText(r, texts::Language));
    platform::FileRequest request;
    request.filter = texts::HexFilter;
    request.initialDir = TestModeFolderPath();
    const std::optional<std::string> path = platform::dialogs().openFile(request);
    if (!path) return false;
    return LoadHexFile(t, *path);
}

} // namespace flashtool
