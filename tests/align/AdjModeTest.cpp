// The alignment window's own logic: read/write type, link speed, stop box,
// the automatic read/write loop with its interval, the flash refresh timer
// and the file read that brings the channel window up to date.
#include "align/AdjMode.h"
#include "app/DataFile.h"
#include "app/Settings.h"
#include "platform/Failure.h"
#include "tests/align/AlignFixture.h"
#include "tests/model/FakeChannelWindow.h"

using namespace align;

namespace {

class AdjModeTest : public aligntest::AlignTest {
  protected:
    AdjModeWindow& w = AdjMode(a);
    std::vector<AutoRwStep> ticks(int n) {
        std::vector<AutoRwStep> out;
        for (int k = 0; k < n; ++k) out.push_back(tmrAutoWr_Timer(a, link));
        return out;
    }
    std::string storedInterval() const {
        return app::ReadIniText("Config", "AutoWrInterval", "(none)", 30, 30, app::shell().SettingsFile);
    }
};

TEST_F(AdjModeTest, ReadWriteTypeEnablesOneButton) {
    EXPECT_FALSE(w.cmdRead.Enabled);
    EXPECT_FALSE(w.cmdWrite.Enabled);
    optRwSort_Click(a, 2);
    EXPECT_TRUE(w.cmdRead.Enabled);
    EXPECT_FALSE(w.cmdWrite.Enabled);
    optRwSort_Click(a, 3);
    EXPECT_FALSE(w.cmdRead.Enabled);
    EXPECT_TRUE(w.cmdWrite.Enabled);
}

TEST_F(AdjModeTest, HighSpeedBoxSetsTheLineSpeedAndStopBoxTheStopRequest) {
    chkBps_Click(a, link, 1);
    EXPECT_EQ(link.ComBpsIndex, 8);
    EXPECT_EQ(link.ComBpsText, "19200");
    EXPECT_EQ(link.frmMain.cboComBps, 8);
    EXPECT_EQ(link.comCommun.Settings(), "19200,n,8,2");
    EXPECT_EQ(a.BpsListIndex, 8);
    chkBps_Click(a, link, 0);
    EXPECT_EQ(link.ComBpsText, "9600");
    EXPECT_EQ(link.comCommun.Settings(), "9600,n,8,2");
    EXPECT_EQ(a.BpsListIndex, 6);

    chkExitTryCom_Click(a, link, 1);
    EXPECT_EQ(link.ComStop, -1);
    chkExitTryCom_Click(a, link, 0);
    EXPECT_EQ(link.ComStop, 0);
}

TEST_F(AdjModeTest, ClosingEndsTheStopRequestAndReopeningShowsTheLinkSpeed) {
    AdjModeLoad(a, link);
    chkExitTryCom_Click(a, link, 1);
    chkBps_Click(a, link, 1);
    AdjModeUnload(a, link);
    EXPECT_FALSE(a.frmAdjMode.has_value());
    EXPECT_EQ(link.ComStop, 0);
    EXPECT_EQ(link.comCommun.Settings(), "19200,n,8,2"); // the speed holds

    AdjModeLoad(a, link);
    EXPECT_EQ(a.frmAdjMode->chkBps.Value, 1);
    EXPECT_EQ(a.frmAdjMode->chkExitTryCom.Value, 0);
    chkBps_Click(a, link, 0);
    AdjModeUnload(a, link);
    AdjModeLoad(a, link);
    EXPECT_EQ(a.frmAdjMode->chkBps.Value, 0);

    // A stop the box did not ask for is not the window's to end.
    link.ComStop = -1;
    AdjModeUnload(a, link);
    EXPECT_EQ(link.ComStop, -1);
}

TEST_F(AdjModeTest, LoopIntervalMustBeAWholeNumberUpTo32767) {
    struct Case {
        const char* text;
        bool accepted;
        bool running;
    };
    const Case cases[] = {{"3000", true, true},   {"0", true, false},      {"32767", true, true},
                          {"1", true, true},      {"32768", false, false}, {"-1", false, false},
                          {"abc", false, false},  {"12.5", false, false},  {"", false, false},
                          {"70000", false, false}};
    for (const Case& c : cases) {
        w.txtWrInterval = "500";
        ASSERT_TRUE(chkAutoWr_Click(a, 0)); // a good value to go back to
        w.txtWrInterval = c.text;
        EXPECT_EQ(chkAutoWr_Click(a, 1), c.accepted) << c.text;
        EXPECT_EQ(w.tmrAutoWr.Enabled, c.running) << c.text;
        if (c.accepted) {
            EXPECT_EQ(w.tmrAutoWr.Interval, std::stoi(c.text)) << c.text;
            EXPECT_EQ(w.chkAutoWr.Value, 1) << c.text;
        } else {
            EXPECT_EQ(w.txtWrInterval, "500") << c.text;
            EXPECT_EQ(w.chkAutoWr.Value, 0) << c.text;
        }
    }
    w.txtWrInterval = "800";
    chkAutoWr_Click(a, 1);
    chkAutoWr_Click(a, 0);
    EXPECT_FALSE(w.tmrAutoWr.Enabled);
}

TEST_F(AdjModeTest, VerifyBoxAlternatesReadAndWriteFromTheFirstTick) {
    w.chkCheckRw.Value = 1;
    EXPECT_EQ(ticks(4), (std::vector<AutoRwStep>{AutoRwStep::Read, AutoRwStep::Write, AutoRwStep::Read,
                                                 AutoRwStep::Write}));
    EXPECT_TRUE(w.cmdRead.Enabled);
    EXPECT_TRUE(w.cmdWrite.Enabled);
}

TEST_F(AdjModeTest, WithoutVerifyTheLoopOnlyWritesAndOnlyWithTheWriteType) {
    EXPECT_EQ(ticks(3), std::vector<AutoRwStep>(3, AutoRwStep::None));
    optRwSort_Click(a, 2);
    EXPECT_EQ(ticks(2), std::vector<AutoRwStep>(2, AutoRwStep::None));
    optRwSort_Click(a, 3);
    EXPECT_EQ(ticks(2), std::vector<AutoRwStep>(2, AutoRwStep::Write));
    EXPECT_EQ(a.AutoRwToggle, 0);
}

TEST_F(AdjModeTest, ATickWhileTheLinkIsBusyStartsNothing) {
    w.chkCheckRw.Value = 1;
    link.ComBusy = -1;
    EXPECT_EQ(ticks(2), std::vector<AutoRwStep>(2, AutoRwStep::None));
    EXPECT_EQ(a.AutoRwToggle, 0);
    link.ComBusy = 0;
    EXPECT_EQ(ticks(1), std::vector<AutoRwStep>{AutoRwStep::Read});
}

TEST_F(AdjModeTest, DoubleClickStoresTheInterval) {
    struct Case {
        const char* typed;
        bool accepted;
        const char* shown; // afterwards; a refused text shows the last good one
        const char* stored;
    };
    const Case cases[] = {{"5", true, "2500", "2500"},   {"1234", true, "1234", "1234"},
                          {"-7", true, "2500", "2500"},  {"40000", false, "2500", "2500"},
                          {"x1", false, "2500", "2500"}, {"32767", true, "32767", "32767"}};
    EXPECT_EQ(storedInterval(), "(none)");
    for (const Case& c : cases) {
        w.txtWrInterval = c.typed;
        EXPECT_EQ(txtWrInterval_DblClick(a), c.accepted) << c.typed;
        EXPECT_EQ(w.txtWrInterval, c.shown) << c.typed;
        EXPECT_EQ(storedInterval(), c.stored) << c.typed;
    }
}

TEST_F(AdjModeTest, RefreshBoxRunsItsTimerEverySecond) {
    chkAutoShowFlash_Click(a, 1);
    EXPECT_TRUE(w.tmrAutoShowFlash.Enabled);
    EXPECT_EQ(w.tmrAutoShowFlash.Interval, 1000);
    chkAutoShowFlash_Click(a, 0);
    EXPECT_FALSE(w.tmrAutoShowFlash.Enabled);
}

TEST_F(AdjModeTest, FileReadShowsTheNewChannelsInTheChannelWindow) {
    auto m = std::make_unique<model::ModelState>();
    m->ChCount = 16;
    m->ChColCount = 9;
    modeltest::FakeChannelWindow window(*m);
    auto file = std::make_unique<model::Image>();
    std::fill(file->begin(), file->end(), 0xFF);
    const std::uint8_t channel1[] = {0x00, 0x25, 0x01, 0x40, 0x00, 0x25, 0x01, 0x40}; // 400.12500 MHz
    std::copy(std::begin(channel1), std::end(channel1), file->begin() + 0xC800);
    const std::string path = home.file("radio.Dat5i0");
    app::WriteDataFile(path, *file);

    AdjReadDataFile(path, *m);
    EXPECT_TRUE(std::equal(file->begin() + 0xC800, file->begin() + 0xC808, m->IicDat.begin() + 0xC800));
    EXPECT_TRUE(std::equal(file->begin() + 0xF800, file->begin() + 0xFC00, m->IicDat.begin() + 0xF800));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"ShowChTblGrid", "InitOpt"}));
    EXPECT_EQ(m->ChInfo[1][1], 40012500);

    window.calls.clear();
    home.write("short.Dat5i0", "not a data file");
    EXPECT_THROW(AdjReadDataFile(home.file("short.Dat5i0"), *m), platform::Failure);
    EXPECT_TRUE(window.calls.empty());
}

} // namespace
