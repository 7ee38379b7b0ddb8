// The memory tool window's state: page boxes, automatic write, RAM lists,
// tab strips and its loading.
#include "flashtool/FlashTexts.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ToolWindowLogic.h"
#include "tests/flashtool/FlashFixture.h"

using namespace flashtool;

namespace {

class ToolWindowTest : public flashtest::FlashFixture {};

int tickedCount(const radiolink::LinkState& s) {
    int n = 0;
    for (const auto& box : s.frmMain.chkFlashPage) n += box.Value == 1;
    return n;
}

TEST_F(ToolWindowTest, SelectAllTicksEveryPageAndTogglesItsCaption) {
    link->frmMain.chkFlashPage[50].Value = 1;
    cmdFlashPageAll_Click(*tool);
    EXPECT_EQ(tickedCount(*link), 64); // boot pages 0-5 and 60-63 too
    EXPECT_EQ(tool->cmdFlashPageAllCaption, "全否");
    cmdFlashPageAll_Click(*tool);
    EXPECT_EQ(tickedCount(*link), 0);
    EXPECT_EQ(tool->cmdFlashPageAllCaption, "全选");
    // The caption follows the button, not the boxes.
    link->frmMain.chkFlashPage[7].Value = 1;
    cmdFlashPageAll_Click(*tool);
    EXPECT_EQ(tickedCount(*link), 64);
}

TEST_F(ToolWindowTest, AutoWriteStartsOnlyWithAWholeIntervalOf1To32767) {
    for (const char* bad : {"0", "32768", "-5", "1.5", "", "abc"}) {
        link->frmMain.txtWrInterval = bad;
        link->frmMain.lblComStatus.clear();
        EXPECT_FALSE(chkAutoWr_Click(*tool, 1)) << bad;
        EXPECT_FALSE(link->frmMain.tmrAutoWr.Enabled) << bad;
        EXPECT_EQ(tool->chkAutoWr, 0) << bad;
        EXPECT_EQ(link->frmMain.lblComStatus, texts::BadInterval) << bad;
    }
    for (const char* good : {"1", "1500", "32767"}) {
        link->frmMain.txtWrInterval = good;
        EXPECT_TRUE(chkAutoWr_Click(*tool, 1)) << good; // the link is idle: write at once
        EXPECT_TRUE(link->frmMain.tmrAutoWr.Enabled);
        EXPECT_EQ(link->frmMain.tmrAutoWr.Interval, std::stoi(good));
        EXPECT_EQ(tool->chkAutoWr, 1);
    }
    link->ComBusy = -1;
    EXPECT_FALSE(tmrAutoWr_Timer(*tool));
    EXPECT_FALSE(chkAutoWr_Click(*tool, 1)); // ticked while busy: no write now
    EXPECT_TRUE(link->frmMain.tmrAutoWr.Enabled);
    link->ComBusy = 0;
    EXPECT_TRUE(tmrAutoWr_Timer(*tool));
    chkAutoWr_Click(*tool, 0);
    EXPECT_FALSE(link->frmMain.tmrAutoWr.Enabled);
    link->frmMain.txtWrRightCnt = "12";
    cmdZero_Click(*tool);
    EXPECT_EQ(link->frmMain.txtWrRightCnt, "0");
}

TEST_F(ToolWindowTest, RamListsFillAndKeepEachPairInOrder) {
    const auto in = InRamListItems();
    const auto ext = ExtRamListItems();
    ASSERT_EQ(in.size(), 208u);
    ASSERT_EQ(ext.size(), 2816u);
    EXPECT_EQ(in.front(), "48 0x30");
    EXPECT_EQ(in.back(), "255 0xFF");
    EXPECT_EQ(ext.front(), "0 0x0");
    EXPECT_EQ(ext.back(), "2815 0xAFF");

    radiolink::ToolWindow& w = link->frmMain;
    RamListChosen(*tool, WrExtRamFir, 5); // not filled yet: nothing
    EXPECT_EQ(w.cboWrExtRamFir, -1);
    chkInitInExtRamAddr_Click(*tool);
    EXPECT_EQ(w.cboWrInRamFir, 0);
    EXPECT_EQ(w.cboWrInRamLast, 207);
    EXPECT_EQ(w.cboRdInRamLast, 207);
    EXPECT_EQ(w.cboRdExtRamFir, 0);
    EXPECT_EQ(w.cboRdExtRamLast, 255);
    RamListChosen(*tool, WrExtRamFir, 2815);
    EXPECT_EQ(w.cboWrExtRamFir, 255);
    RamListChosen(*tool, RdInRamLast, 10);
    RamListChosen(*tool, RdInRamFir, 20);
    EXPECT_EQ(w.cboRdInRamFir, 10);
    RamListChosen(*tool, RdInRamLast, 3);
    EXPECT_EQ(w.cboRdInRamLast, 10);
    RamListChosen(*tool, WrInRamLast, 208); // no such item
    EXPECT_EQ(w.cboWrInRamLast, 207);
}

TEST_F(ToolWindowTest, RamButtonsBeforeTheListsAreFilledSayWhy) {
    for (auto click : {cmdWrInRam_Click, cmdRdInRam_Click, cmdWrExtRam_Click, cmdRdExtRam_Click}) {
        link->frmMain.lblComStatus.clear();
        click(*tool);
        EXPECT_EQ(link->frmMain.lblComStatus, texts::RamListsEmpty);
        EXPECT_FALSE(link->comCommun.PortOpen());
    }
}

TEST_F(ToolWindowTest, TabStripsStayInStep) {
    sstabData_Click(*tool, 2);
    EXPECT_EQ(tool->sstabCtl, 2);
    sstabCtl_Click(*tool, 3);
    EXPECT_EQ(tool->sstabData, 2);
    sstabCtl_Click(*tool, 1);
    EXPECT_EQ(tool->sstabData, 1);
}

TEST_F(ToolWindowTest, ClosingIsRefusedWhileTheLinkWorks) {
    link->frmMain.chkFlashPage[9].Value = 1;
    link->ComBusy = -1;
    EXPECT_FALSE(CloseToolWindow(*tool));
    EXPECT_FALSE(tool->unloaded);
    EXPECT_EQ(tickedCount(*link), 1);
}

TEST_F(ToolWindowTest, ReloadingStartsTheWindowAfreshAndKeepsTheImages) {
    home.write("tavorin.def", "[Config]\nTm=1\n");
    link->SerialHostLoaded = true; // the run's serial host has started
    link->ComPortNo = 4;
    scribble();
    const model::Image before = *image;
    link->InRamDat[0x40] = 7;
    ShowInRamGrid(*tool, 0x30, 0xFF);
    MarkGridCells(*tool, 1, radiolink::GridFlash, 0, 100);
    RefreshGridFlash(*tool);
    cmdFlashPageAll_Click(*tool);
    chkInitInExtRamAddr_Click(*tool);
    link->frmMain.txtWrInterval = "900";
    EXPECT_TRUE(chkAutoWr_Click(*tool, 1));
    link->frmMain.cboComBps = 8;
    link->frmMain.txtWrRightCnt = "5";
    tool->FillStartAddr = 0x1E2;
    fw.SoftModelTbl[101][0] = "changed";

    // Loading a window that was never closed changes nothing.
    LoadToolWindow(*tool, fw);
    EXPECT_EQ(tickedCount(*link), 64);
    EXPECT_EQ(tool->FillStartAddr, 0x1E2u);

    ASSERT_TRUE(CloseToolWindow(*tool));
    EXPECT_FALSE(link->frmMain.tmrAutoWr.Enabled); // the timer went with the window
    EXPECT_EQ(tool->chkAutoWr, 0);
    EXPECT_EQ(tickedCount(*link), 0);
    LoadToolWindow(*tool, fw);
    EXPECT_FALSE(tool->unloaded);
    EXPECT_EQ(link->TmFlag, -1);
    EXPECT_EQ(link->frmMain.cboComBps, 6);
    EXPECT_EQ(link->comCommun.Settings(), "9600,n,8,2");
    EXPECT_EQ(link->frmMain.cmdPortCaption, "端口 4");
    EXPECT_EQ(link->frmMain.txtWrRightCnt, "0");
    EXPECT_EQ(link->frmMain.txtWrInterval, "1500");
    EXPECT_EQ(link->frmMain.cboWrInRamFir, -1);
    EXPECT_FALSE(tool->ramListsFilled);
    EXPECT_EQ(tool->cmdFlashPageAllCaption, "全选");
    EXPECT_EQ(tool->cboFlashPage, 63);
    EXPECT_EQ(tool->txtAddrNote, "");
    EXPECT_EQ(tool->flash.fore[0], Black);
    EXPECT_EQ(CellText(*tool, radiolink::GridInRam, 0x40), "");
    EXPECT_EQ(tool->FillStartAddr, 0xC800u);
    EXPECT_EQ(tool->FillEndAddr, 0xFFFFu);
    EXPECT_EQ(fw.SoftModelTbl[101][0], "QM940"); // the firmware tables rebuilt
    // What the run keeps: the image, the RAM images, the scan's shadow.
    EXPECT_EQ(*image, before);
    EXPECT_EQ(link->InRamDat[0x40], 7);
    EXPECT_EQ(tool->FlashShadow, before);
}

TEST_F(ToolWindowTest, TheTestModeFolderLiesInTheProductionFolder) {
    EXPECT_TRUE(GenerateDatFolder());
    EXPECT_EQ(TestModeFolderPath(), home.path() + "/生产文件/测试模式");
    EXPECT_TRUE(platform::isDirectory(TestModeFolderPath()));
    EXPECT_TRUE(GenerateDatFolder()); // already there
}

} // namespace
