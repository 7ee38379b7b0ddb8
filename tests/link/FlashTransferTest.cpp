// Flash page transfers against the simulated radio: every page both ways,
// the page sets, the final exchanges, faults, stops and the counters.
#include "link/PortChoice.h"
#include "link/Protocol.h"
#include "platform/Clock.h"
#include "tests/link/TransferFixture.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

using namespace radiolink;
using linktest::Bytes;
using linktest::hex;
using radiosim::Fault;

namespace {

class FlashTransferTest : public linktest::TransferFixture {
  protected:
    Bytes radioPage(int p) const { return radio.flash(p * 1024, 1024); }
    Bytes imagePage(int p) const { return Bytes(image.begin() + p * 1024, image.begin() + (p + 1) * 1024); }
};

// The scrambling worked out by hand from the stored tables, not by the
// code under test: WireTbl1(2) = 1F, WireTbl2(00) = 00, WireTbl2(01) = 14,
// WireTbl2(FF) = 0C, WireTbl3(6) = 6B, (7) = 8C, (8) = 9A, (9) = 6B,
// (10) = AD, (11) = 90, (255) = BB; WireTbl1(72) = CD, (9F) = E7, (B3) = 71.
TEST_F(FlashTransferTest, ScramblingFollowsTheTables) {
    std::fill(image.begin() + 50 * 1024, image.begin() + 51 * 1024, 0);
    image[50 * 1024 + 1] = 0x01;
    image[50 * 1024 + 255] = 0xFF;
    const std::string script = WritePageScript(s, image, 50, 0x02);
    ASSERT_EQ(script.size(), 2u * 1045);
    EXPECT_EQ(script.substr(0, 16), "TX5A392B80E45F32"); // data-area frame, page 50
    auto wire = [&](int i) { return script.substr(16 + 2 * i, 2); };
    EXPECT_EQ(wire(0), "6D");    // 8C + 00 - 1F
    EXPECT_EQ(wire(1), "8F");    // 9A + 14 - 1F
    EXPECT_EQ(wire(248), "9C");  // BB + 00 - 1F
    EXPECT_EQ(wire(255), "58");  // 6B + 0C - 1F
    EXPECT_EQ(wire(1023), "4C"); // 6B + 00 - 1F
    EXPECT_EQ(script.substr(16 + 2048, 2), "02");
    // The page sum is the reply's: 5AA5 + 01 + FF.
    EXPECT_EQ(script.substr(script.size() - 20), "RX5A93B2084EF55BA5EN");

    // Unscrambling: plain = WireTbl1(wire - WireTbl3(i + 10) + WireTbl1(r)).
    s.RxDat.fill(0);
    s.RxDat[2] = 0x10;
    s.RxDat[1024] = 0xFF;
    s.RxDat[1025] = 0x02;
    const unsigned sum = 0x5AA5 + 0x10 + 0xFF + 0x02;
    s.RxDat[1026] = static_cast<std::uint8_t>(sum >> 8);
    s.RxDat[1027] = static_cast<std::uint8_t>(sum);
    ASSERT_TRUE(UnscramblePage(s, image, 51));
    EXPECT_EQ(image[51 * 1024 + 0], 0xCD);    // 00 - AD + 1F = 72
    EXPECT_EQ(image[51 * 1024 + 1], 0xE7);    // 10 - 90 + 1F = 9F
    EXPECT_EQ(image[51 * 1024 + 1023], 0x71); // FF - 6B + 1F = B3

    const model::Image before = image;
    s.RxDat[1027] ^= 1;
    EXPECT_FALSE(UnscramblePage(s, image, 52));
    EXPECT_EQ(image, before);
}

TEST_F(FlashTransferTest, ReadPageRequest) {
    // Page 62 at F800 by the data-area command, 63 at FC00 by the program-area one.
    EXPECT_EQ(ReadPageScript(s, 62).substr(0, 50), "TX5A3AA7C2597EF80004005E75RX5AA37A2C95E7F8000400VA");
    EXPECT_EQ(ReadPageScript(s, 63).substr(0, 26), "TX5A34E1D83C50FC0004005E78");
    EXPECT_EQ(ReadPageScript(s, 63).size(), 2u * 1052);
}

TEST_F(FlashTransferTest, EveryPageWrittenAndReadBackEqual) {
    tickRange(0, 63);
    s.frmMain.tmrAutoWr.Enabled = false;
    ASSERT_TRUE(ComWriteFlash(s, image));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.flash(0, 65536), Bytes(image.begin(), image.end()));
    EXPECT_EQ(s.ComPercent, 100); // 66 exchanges against the 60 counted
    EXPECT_EQ(statuses.back(), "Write Successful");
    EXPECT_EQ(s.frmMain.txtWrRightCnt, "1");
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_TRUE(s.frmMain.cmdWriteFlash.Enabled);
    EXPECT_TRUE(s.frmMain.chkFlashPage[0].Enabled);
    EXPECT_TRUE(s.frmMain.chkFlashPage[63].Enabled);
    // Pages 50-62 go by the data-area command, the others by the program-area one.
    EXPECT_EQ(pagesOf(0x39).size(), 13u);
    EXPECT_EQ(pagesOf(0x33).size(), 51u);
    // With program pages among them, the final exchange follows the pages at once.
    const auto requests = radio.requests();
    EXPECT_EQ(requests[requests.size() - 2].command, 0x33);
    EXPECT_EQ(requests.back().bytes, hex("5A38F36D18C9 00F13C8A62D4B7E9"));

    auto back = std::make_unique<model::Image>();
    ASSERT_TRUE(ComReadFlash(s, *back));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(*back, image);
    EXPECT_EQ(s.ComPercent, 100);
    EXPECT_EQ(statuses.back(), "Read Successful");
    EXPECT_TRUE(s.frmMain.cmdReadFlash.Enabled);
    EXPECT_EQ(s.frmMain.chkFlashPage[10].BackColor, kMagenta);
}

struct PageSet {
    const char* name;
    std::vector<int> pages;
};

class PageSetTest : public FlashTransferTest, public ::testing::WithParamInterface<PageSet> {};

TEST_P(PageSetTest, MovesItsPagesAndNothingElse) {
    const std::vector<int>& set = GetParam().pages;
    for (int p : set) s.frmMain.chkFlashPage[p].Value = 1;
    auto inSet = [&](int p) { return std::find(set.begin(), set.end(), p) != set.end(); };

    const Bytes radioBefore = radio.flash(0, 65536);
    const model::Image imageBefore = image;
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(image, imageBefore);
    for (int p = 0; p < 64; ++p)
        EXPECT_EQ(radioPage(p),
                  inSet(p) ? imagePage(p)
                           : Bytes(radioBefore.begin() + p * 1024, radioBefore.begin() + (p + 1) * 1024))
            << p;
    EXPECT_EQ(pagesOf(0x39), set);
    // Without program pages the final exchange opens with stage 1 and block 1.
    const auto requests = radio.requests();
    EXPECT_EQ(requests[requests.size() - 2].bytes, hex("5A318C31E0A4"));
    EXPECT_EQ(requests.back().bytes, hex("5A38F36D18C9 11A7D20B94E36C58"));

    const Bytes fresh = randomBytes(65536, 3);
    radio.setFlash(0, fresh);
    ComReadFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    for (int p = 0; p < 64; ++p) {
        const Bytes want = inSet(p)
                               ? Bytes(fresh.begin() + p * 1024, fresh.begin() + (p + 1) * 1024)
                               : Bytes(imageBefore.begin() + p * 1024, imageBefore.begin() + (p + 1) * 1024);
        EXPECT_EQ(imagePage(p), want) << p;
    }
    EXPECT_EQ(pagesOf(0x3A), set);
}

INSTANTIATE_TEST_SUITE_P(Sets, PageSetTest,
                         ::testing::Values(PageSet{"Frequency", {50, 51, 52, 53, 54, 55, 56, 57, 59}},
                                           PageSet{"Alignment",
                                                   {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 62}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlashTransferTest, NoTickedPageStillHandshakesAndEnds) {
    s.ComBpsIndex = 8;
    std::vector<std::int16_t> percents;
    hooks.communChanged = [&] { percents.push_back(s.ComPercent); };
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(statuses.size(), 0u); // the recorder was replaced
    EXPECT_NE(std::find(percents.begin(), percents.end(), 50), percents.end());
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(radio.countOf(0x38), 1);
    // The write goes back to the line speed last chosen for the tool window.
    EXPECT_EQ(s.frmMain.cboComBps, 8);
    EXPECT_EQ(s.comCommun.Settings(), "19200,n,8,2");

    s.ComBpsIndex = 6;
    cboComBps_Click(s, 6);
    ComReadFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComPercent, 100);
    EXPECT_EQ(radio.countOf(0x3A) + radio.countOf(0x34), 0);
}

// The percentage counts the handshake, the ticked pages (a write only those
// of 6-63) and a write's final exchange, and rounds halves to even.
TEST_F(FlashTransferTest, PercentagesOfAnAttempt) {
    struct Case {
        const char* name;
        bool write;
        std::vector<int> pages;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"write of six pages",
         true,
         {50, 51, 52, 53, 54, 55},
         {"3", "12", "25", "38", "50", "62", "75", "88", "100"}},
        {"read of seven pages",
         false,
         {50, 51, 52, 53, 54, 55, 56},
         {"12", "25", "38", "50", "62", "75", "88", "100"}},
        {"write with a boot page", true, {3, 50}, {"3", "33", "67", "100"}},
        {"read with a boot page", false, {3, 50}, {"33", "67", "100"}},
    };
    for (const Case& c : cases) {
        for (auto& box : s.frmMain.chkFlashPage) box.Value = 0;
        for (int p : c.pages) s.frmMain.chkFlashPage[p].Value = 1;
        statuses.clear();
        if (c.write)
            ComWriteFlash(s, image);
        else
            ComReadFlash(s, image);
        EXPECT_EQ(s.ComFail, 0) << c.name;
        const std::string prefix = c.write ? "Writing..." : "Reading...";
        std::vector<std::string> shown;
        for (const std::string& t : statuses)
            if (t.rfind(prefix, 0) == 0)
                shown.push_back(t.substr(prefix.size(), t.size() - prefix.size() - 2));
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(s.ComPercent, 100) << c.name;
    }
}

TEST_F(FlashTransferTest, OnlyPageSixIsNoProgramPage) {
    tick({6});
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.controls().back().selector, 0x11);
    tick({7});
    ComWriteFlash(s, image);
    EXPECT_EQ(radio.controls().back().selector, 0x00);
}

TEST_F(FlashTransferTest, WrongPageSumInTheReplyIsWrittenAgain) {
    tickRange(50, 52);
    radio.injectFault(Fault::WrongSum, 0x39, 0, 1, 51);
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComTryCnt, 1);
    EXPECT_EQ(pagesOf(0x39), (std::vector<int>{50, 51, 50, 51, 52}));
    EXPECT_EQ(radioPage(52), imagePage(52));
}

TEST_F(FlashTransferTest, LostReplyIsWrittenAgain) {
    tickRange(50, 52);
    radio.injectFault(Fault::LostReply, 0x39, 0, 1, 52);
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComTryCnt, 1);
    EXPECT_EQ(radioPage(52), imagePage(52));
    EXPECT_EQ(s.frmMain.txtWrRightCnt, "1");
}

TEST_F(FlashTransferTest, WrongWireSumFailsTheReadAndKeepsThePagesReadBefore) {
    tick({50, 51, 52});
    radio.injectFault(Fault::WrongSum, 0x3A, 0, -1, 51);
    int stopShownAt = 0;
    hooks.toolWindowChanged = [&] {
        if (s.frmMain.chkStopCom.Visible && stopShownAt == 0) stopShownAt = s.ComTryCnt;
    };
    const model::Image before = image;
    ComReadFlash(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(stopShownAt, 9);
    EXPECT_EQ(statuses.back(), "Read Failed");
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Try To Read..... 6"), statuses.end());
    EXPECT_EQ(std::find(statuses.begin(), statuses.end(), "Try To Read..... 5"), statuses.end());
    EXPECT_EQ(imagePage(50), radioPage(50));
    EXPECT_EQ(Bytes(before.begin() + 51 * 1024, before.begin() + 53 * 1024),
              Bytes(image.begin() + 51 * 1024, image.begin() + 53 * 1024));
    EXPECT_EQ(s.ComBusy, 0);
}

TEST_F(FlashTransferTest, StopBoxInTheMiddleOfAPageEndsTheTransfer) {
    // At the line rate a page read takes over a second, so the stop comes
    // while the page is still on the wire.
    radio.setPacing(9600);
    tickRange(50, 53);
    bool stopped = false;
    platform::setEventPump([&] {
        if (!stopped && s.ComPercent >= 40) stopped = true, s.frmMain.chkStopCom.Value = 1;
    });
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 3); // the write looks at the box from its third failure
    EXPECT_EQ(statuses.back(), "Write Fail");
    EXPECT_EQ(s.frmMain.txtWrRightCnt, "0");
    EXPECT_EQ(s.frmMain.chkStopCom.Value, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());

    stopped = false;
    ComReadFlash(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 9); // the read from its ninth
    EXPECT_EQ(statuses.back(), "Read Failed");
}

TEST_F(FlashTransferTest, StopFlagRunsOutTheAttempts) {
    radio.setPacing(9600);
    tickRange(50, 52);
    platform::setEventPump([&] {
        if (s.ComPercent >= 50) s.ComStop = -1;
    });
    ComReadFlash(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
}

TEST_F(FlashTransferTest, EndOfWriteRestartsTheTimerAndCountsWithoutFailing) {
    struct Case {
        const char* interval;
        int expectedInterval;
        const char* counter;
        const char* expectedCounter;
    };
    const Case cases[] = {{"700", 700, "41", "42"},
                          {"abc", 1500, "x", "1"},
                          {"0", 1500, "", "1"},
                          {"99999", 1500, "2147483647", "2147483647"}};
    int restarts = 0;
    hooks.autoWriteRestarted = [&] { ++restarts; };
    for (const Case& c : cases) {
        s.frmMain.tmrAutoWr = {true, 5};
        s.frmMain.txtWrInterval = c.interval;
        s.frmMain.txtWrRightCnt = c.counter;
        ComWriteFlash(s, image);
        EXPECT_EQ(s.ComFail, 0) << c.interval;
        EXPECT_TRUE(s.frmMain.tmrAutoWr.Enabled);
        EXPECT_EQ(s.frmMain.tmrAutoWr.Interval, c.expectedInterval) << c.interval;
        EXPECT_EQ(s.frmMain.txtWrRightCnt, c.expectedCounter) << c.counter;
    }
    EXPECT_EQ(restarts, 4);

    // A failed write counts nothing; a stopped timer stays stopped.
    mapPorts({});
    s.frmMain.tmrAutoWr = {false, 5};
    ComWriteFlash(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.frmMain.txtWrRightCnt, "2147483647");
    EXPECT_EQ(restarts, 4);
}

TEST_F(FlashTransferTest, GridMarking) {
    tick({3, 50});
    s.frmMain.chkGridFlashColor.Value = 1;
    ComWriteFlash(s, image); // show-in-grid off: only the reset
    EXPECT_EQ(gridCalls, (std::vector<linktest::GridCall>{{"mark", 2, 1, 0, 0}}));
    gridCalls.clear();
    s.frmMain.chkSoftShowGrid.Value = 1;
    ComWriteFlash(s, image); // page 3 is below the marked pages
    EXPECT_EQ(gridCalls,
              (std::vector<linktest::GridCall>{{"mark", 2, 1, 0, 0}, {"mark", 1, 1, 50 * 1024, 1024}}));
    gridCalls.clear();
    s.frmMain.chkSoftShowGrid.Value = 0;
    ComReadFlash(s, image); // a read marks every page it read
    EXPECT_EQ(gridCalls,
              (std::vector<linktest::GridCall>{
                  {"mark", 2, 1, 0, 0}, {"mark", 1, 1, 3 * 1024, 1024}, {"mark", 1, 1, 50 * 1024, 1024}}));
}

// Every memory transfer opens with both handshake stages; only the flash
// read asks for mode 5A5A89 in its second stage.
TEST_F(FlashTransferTest, HandshakesCarryTheirModeBytes) {
    const Bytes stage1 = hex("5A31 8C31E0A4");
    const Bytes readMode = hex("5A32 D54B9E27 5A5A89");
    const Bytes otherMode = hex("5A32 D54B9E27 5AA598");
    tick({50});
    s.frmMain.cboRdInRamFir = s.frmMain.cboRdInRamLast = 0;
    s.frmMain.cboWrInRamFir = s.frmMain.cboWrInRamLast = 0;
    const std::pair<const char*, std::function<void()>> ops[] = {
        {"flash write", [&] { ComWriteFlash(s, image); }},
        {"flash read", [&] { ComReadFlash(s, image); }},
        {"RAM read", [&] { ComReadInRam(s); }},
        {"RAM write", [&] { ComWriteInRam(s); }},
    };
    for (const auto& [name, run] : ops) {
        radio.clearLog();
        run();
        EXPECT_EQ(s.ComFail, 0) << name;
        const auto requests = radio.requests();
        ASSERT_GE(requests.size(), 3u) << name;
        EXPECT_EQ(requests[0].bytes, stage1) << name;
        EXPECT_EQ(requests[1].bytes, std::string(name) == "flash read" ? readMode : otherMode) << name;
    }
}

// A radio that garbles every first reply: each transfer runs out its 25
// attempts, shows its stop box and its retry count from its own attempt on.
TEST_F(FlashTransferTest, AttemptsThatKeepFailing) {
    struct Case {
        const char* name;
        std::function<void()> run;
        int stopFrom, statusFrom;
        const char* retry;
        const char* end;
    };
    tick({50});
    s.frmMain.cboRdInRamFir = s.frmMain.cboRdInRamLast = 0;
    s.frmMain.cboWrInRamFir = s.frmMain.cboWrInRamLast = 0;
    const Case cases[] = {
        {"flash write", [&] { ComWriteFlash(s, image); }, 3, 11, "Try To Write...", "Write Fail"},
        {"flash read", [&] { ComReadFlash(s, image); }, 9, 6, "Try To Read.....", "Read Failed"},
        {"RAM write", [&] { ComWriteInRam(s); }, 9, 11, "Try To Write...", "Write Fail"},
        {"RAM read", [&] { ComReadInRam(s); }, 9, 11, "Try To Read.....", "Read Failed"},
    };
    radio.injectFault(Fault::Garbage, 0x31);
    int stopShownAt = 0;
    hooks.toolWindowChanged = [&] {
        if (s.frmMain.chkStopCom.Visible && stopShownAt == 0) stopShownAt = s.ComTryCnt;
    };
    for (const Case& c : cases) {
        statuses.clear();
        stopShownAt = 0;
        c.run();
        EXPECT_EQ(s.ComFail, -1) << c.name;
        EXPECT_EQ(s.ComTryCnt, 25) << c.name;
        EXPECT_EQ(stopShownAt, c.stopFrom) << c.name;
        const std::string retry = std::string(c.retry) + " ";
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), retry + std::to_string(c.statusFrom - 1)), 0)
            << c.name;
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), retry + std::to_string(c.statusFrom)), 1)
            << c.name;
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), retry + "25"), 1) << c.name;
        EXPECT_EQ(statuses.back(), c.end) << c.name;
        EXPECT_FALSE(s.frmMain.chkStopCom.Visible) << c.name;
    }
    EXPECT_EQ(s.frmMain.txtWrRightCnt, "0");
}

TEST_F(FlashTransferTest, TimerWriteDuringAReadIsRefused) {
    tick({50});
    bool ran = true;
    platform::setEventPump([&] {
        if (s.ComBusy == -1) ran = ComWriteFlash(s, image);
    });
    ComReadFlash(s, image);
    EXPECT_FALSE(ran);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.countOf(0x39), 0);
}

// The tool window fails to show a run as it begins, the port already open:
// the run ends all the same (port closed, button back, link free), and the
// next run of the same kind goes through.
TEST_F(FlashTransferTest, AWindowFailingAsARunBeginsStillEndsIt) {
    tick({50});
    s.frmMain.tmrAutoWr.Enabled = false;
    s.frmMain.cboRdInRamFir = 0;
    s.frmMain.cboRdInRamLast = 3;
    const std::pair<const char*, std::function<bool()>> runs[] = {
        {"flash read", [&] { return ComReadFlash(s, image); }},
        {"flash write", [&] { return ComWriteFlash(s, image); }},
        {"RAM read", [&] { return ComReadInRam(s); }},
        {"one exchange", [&] { return ComProcSeq(s, ClosingExchangeScript(s)); }},
    };
    for (const auto& [what, run] : runs) {
        bool failed = false;
        hooks.toolWindowChanged = [&] {
            if (!failed && s.comCommun.PortOpen()) {
                failed = true;
                throw std::runtime_error("the window failed");
            }
        };
        EXPECT_THROW(run(), std::runtime_error) << what;
        EXPECT_TRUE(failed) << what;
        EXPECT_FALSE(s.comCommun.PortOpen()) << what;
        EXPECT_EQ(s.ComBusy, 0) << what;
        EXPECT_FALSE(LinkRefuses(s)) << what;
        EXPECT_TRUE(s.frmMain.cmdReadFlash.Enabled && s.frmMain.cmdWriteFlash.Enabled &&
                    s.frmMain.cmdRdInRam.Enabled)
            << what;
        EXPECT_TRUE(run()) << what;
        EXPECT_EQ(s.ComFail, 0) << what;
    }
}

} // namespace
