// The link engine against a scripted far end: the script language, the
// reply waits, the attempts of a run and its end.
#include "app/ErrorReporter.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "tests/link/LinkFixture.h"
#include "tests/link/ScriptedPeer.h"

#include <chrono>

using namespace radiolink;
using linktest::Bytes;
using linktest::hex;
using Piece = linktest::ScriptedPeer::Piece;

namespace {

class EngineTest : public linktest::LinkFixture {
  protected:
    EngineTest() { mapPorts({{1, peer.devicePath()}}); }

    // One attempt of a script with the port open around it.
    void attempt(const std::string& script) {
        OpenCom(s);
        ASSERT_EQ(s.ComPortErr, 0);
        ConvComCode(s, script);
        ProtocolCom(s);
        CloseCom(s);
    }

    linktest::ScriptedPeer peer;
};

double msSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

TEST(EngineText, HexTextSumsAndBudgets) {
    EXPECT_EQ(ByteToHexStr(0), "00");
    EXPECT_EQ(ByteToHexStr(10), "0A");
    EXPECT_EQ(ByteToHexStr(255), "FF");
    LinkState s;
    CalcComSum(s, "TX0102");
    EXPECT_EQ(s.ComSumHi, 0x5A);
    EXPECT_EQ(s.ComSumLo, 0xA8);
    // The sum wraps at 16 bits.
    EXPECT_EQ(ComSumText(s, std::string(2 * 200, 'F')), "21DD");
    EXPECT_EQ(HexTokenValue("XY"), 0);
    EXPECT_EQ(HexTokenValue("1X"), 1);
    EXPECT_EQ(HexTokenValue("a"), 10);

    const std::pair<int, int> budgets[] = {{0, 250},  {1, 260},  {2, 270},  {3, 330},  {9, 390}, {10, 350},
                                           {19, 440}, {20, 500}, {24, 540}, {25, 500}, {29, 540}};
    for (auto [tries, ticks] : budgets) EXPECT_EQ(ReplyBudget(tries), ticks) << tries;
}

TEST_F(EngineTest, MatchingReplyCapturesItsVaBytes) {
    peer.answer(2, {{0, hex("0201AABB CCDD")}}); // longer than awaited: the rest is dropped
    ASSERT_TRUE(ComProcSeq(s, "TX0102RX0201VAVAEN"));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComTryCnt, 0);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(s.RxDat[1], 0xAA);
    EXPECT_EQ(s.RxDat[2], 0xBB);
    EXPECT_EQ(peer.received(), hex("0102"));
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_FALSE(s.frmMain.chkStopCom.Visible);
    EXPECT_FALSE(s.frmCommun.chkStopComVisible);
    EXPECT_TRUE(s.frmMain.cmdWriteFlash.Enabled);
    EXPECT_EQ(s.frmMain.lblBpsDat, "9600,n,8,2");
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), "Communication success");
}

TEST_F(EngineTest, ExchangesFollowEachOtherAndResendCaptures) {
    // Two exchanges capture into RxDat one after the other; "VA" in a send
    // part sends the byte at the next capture position; an exchange without
    // "RX" is only sent.
    s.RxDat[4] = 0x77;
    s.RxDat[5] = 0x88;
    peer.answer(1, {{0, hex("11")}});
    peer.answer(1, {{0, hex("2233")}});
    attempt("TX01RXVATX02RXVAVATXVAVAEN");
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.RxDat[1], 0x11);
    EXPECT_EQ(s.RxDat[2], 0x22);
    EXPECT_EQ(s.RxDat[3], 0x33);
    platform::sleepMs(20);
    EXPECT_EQ(peer.received(), hex("01 02 7788"));
    EXPECT_EQ(s.RxDatPos, 6);
}

TEST_F(EngineTest, KeywordsInsideAPartAreBytes) {
    // "TX" and "RF" in a send part are the byte 0; "RX" in a reply part
    // expects 0; an "RF" hook at the start of an exchange skips its values.
    peer.answer(3, {{0, hex("00 44")}});
    attempt("TXTX01RFRXRXVARF010203TX05EN");
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.RxDat[1], 0x44);
    platform::sleepMs(20);
    EXPECT_EQ(peer.received(), hex("000100 05"));
}

TEST_F(EngineTest, MismatchStopsMatchingAtTheWrongByte) {
    s.RxDat[5] = 0xEE;
    peer.answer(1, {{0, hex("11223344 66 77")}});
    attempt("TX01RXVAVAVAVA55VAEN");
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.RxDat[4], 0x44);
    EXPECT_EQ(s.RxDat[5], 0xEE); // not captured after the mismatch
    EXPECT_TRUE(s.frmCommun.chkStopComVisible);
}

TEST_F(EngineTest, LateReplyStillArrivingIsNotCutOff) {
    // The first byte comes after ~120 ticks, then one every ~20 ticks.
    std::vector<Piece> slow{{500, hex("5A")}};
    for (int i = 0; i < 8; ++i) slow.push_back({80, hex("01")});
    peer.answer(1, slow);
    attempt("TX01RX5A0101010101010101EN");
    EXPECT_EQ(s.ComFail, 0);
}

TEST_F(EngineTest, ReplyThatStopsComingFailsAfterTheIdleBudget) {
    peer.answer(1, {{0, hex("5A01")}});
    const auto t = std::chrono::steady_clock::now();
    attempt("TX01RX5A010203EN");
    const double ms = msSince(t);
    EXPECT_EQ(s.ComFail, -1);
    // 50 ticks of at least 4 ms, far less than the 250-tick budget.
    EXPECT_GT(ms, 150);
    EXPECT_LT(ms, 800);
}

TEST_F(EngineTest, SilenceRunsAllTwentyFiveAttempts) {
    s.ComConnecting = -1; // budgets of 10 ticks keep the test short
    ASSERT_TRUE(ComProcSeq(s, "TX01RX02EN"));
    s.ComConnecting = 0;
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(peer.received(), Bytes(25, 0x01));
    // "Try Times 6" to "Try Times 25", then the end status.
    EXPECT_EQ(linktest::countStartingWith(statuses, "Try Times "), 20);
    EXPECT_EQ(statuses[0], "Try Times 6");
    EXPECT_EQ(statuses.back(), "Communication failed");
    EXPECT_TRUE(s.frmCommun.chkStopComVisible);
    EXPECT_FALSE(s.frmMain.chkStopCom.Visible); // hidden again at the end
}

TEST_F(EngineTest, ToolWindowStopBoxEndsTheRunAfterItsAttempt) {
    s.ComConnecting = -1;
    bool stopShownAfterThird = false;
    platform::setEventPump([&] {
        if (s.ComTryCnt == 3 && s.frmMain.chkStopCom.Value == 0) {
            stopShownAfterThird = s.frmMain.chkStopCom.Visible;
            s.frmMain.chkStopCom.Value = 1;
        }
    });
    ComProcSeq(s, "TX01RX02EN");
    s.ComConnecting = 0;
    EXPECT_TRUE(stopShownAfterThird);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 4);
    EXPECT_EQ(s.frmMain.chkStopCom.Value, 0); // unticked at the end
}

TEST_F(EngineTest, StopFlagFailsEveryFurtherWaitAtOnce) {
    // Set during the first wait of a 250-tick budget: every attempt still
    // sends its first block and fails at its first look.
    platform::setEventPump([&] { s.ComStop = -1; });
    const auto t = std::chrono::steady_clock::now();
    ComProcSeq(s, "TX01RX02TX03RX04EN");
    EXPECT_LT(msSince(t), 1500);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(peer.received(), Bytes(25, 0x01));
}

TEST_F(EngineTest, ShorterScriptNeverRunsOnIntoAnOlderOne) {
    ConvComCode(s, "TX0102TX0304EN");
    attempt("TX05");
    platform::sleepMs(20);
    EXPECT_EQ(peer.received(), hex("05"));
}

TEST_F(EngineTest, ScriptBeyondTheTablesFailsWithoutLeavingTheLinkBusy) {
    EXPECT_THROW(ConvComCode(s, std::string(4002, '0')), platform::Failure);
    EXPECT_NO_THROW(ConvComCode(s, std::string(4000, '0')));

    EXPECT_THROW(ComProcSeq(s, "TX" + std::string(2 * 1502, '0') + "EN"), platform::Failure);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_TRUE(peer.received().empty());

    // 1,501 bytes fit in one send block.
    attempt("TX" + std::string(2 * 1501, '0') + "EN");
    EXPECT_EQ(s.ComFail, 0);
}

TEST_F(EngineTest, PortThatWillNotOpenAsksForAnotherAndSendsNothing) {
    mapPorts({});
    std::vector<std::string> reports;
    app::SetErrorListener([&](const std::string& tag) { reports.push_back(tag); });
    int asked = 0;
    s.hooks.choosePort = [&] {
        ++asked;
        return false;
    };
    ASSERT_TRUE(ComProcSeq(s, "TX01RX02EN"));
    app::SetErrorListener(nullptr);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComPortErr, -1);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(reports, std::vector<std::string>{"modCommun->OpenCom"});
    EXPECT_TRUE(statuses.empty());
    EXPECT_NE(s.ComPortWhy[1].find("no such device"), std::string::npos);
}

TEST_F(EngineTest, DelayRunsEventsForAtLeastItsTimePlusTwo) {
    int pumped = 0;
    platform::setEventPump([&] { ++pumped; });
    const std::int64_t t = platform::nowMs(); // the waits count in whole milliseconds
    DelayNms(s, 10);
    EXPECT_GE(platform::nowMs() - t, 12);
    EXPECT_GE(pumped, 3); // it sleeps between looks, it does not spin
    EXPECT_LT(pumped, 40);

    std::vector<std::string> reports;
    app::SetErrorListener([&](const std::string& tag) { reports.push_back(tag); });
    platform::setEventPump([] { throw std::runtime_error("handler failed"); });
    DelayNms(s, 1);
    app::SetErrorListener(nullptr);
    EXPECT_EQ(reports, std::vector<std::string>{"modCommun->DelayNms"});
    EXPECT_EQ(s.yieldDepth, 0);
}

TEST_F(EngineTest, OperationStartedInsideAWaitIsRefused) {
    peer.answer(1, {{30, hex("02")}});
    bool tried = false, ran = true;
    Flag failDuringNested = 0;
    platform::setEventPump([&] {
        if (tried || s.ComBusy != -1) return;
        tried = true;
        EXPECT_TRUE(LinkRefuses(s));
        ran = ComProcSeq(s, "TX09RX09EN") || ConnectRadio(s) || StartRadioSession(s) ||
              SendPowerAdjCmd(s, 0, 1) || ReadExtRamFlag(s);
        failDuringNested = s.ComFail;
    });
    ComProcSeq(s, "TX01RX02EN");
    EXPECT_TRUE(tried);
    EXPECT_FALSE(ran);
    EXPECT_EQ(failDuringNested, 0); // the refused requests touched nothing
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(peer.received(), hex("01"));
    EXPECT_FALSE(LinkRefuses(s));
    // Once the link is free, the same request runs.
    peer.answer(1, {{0, hex("09")}});
    EXPECT_TRUE(ComProcSeq(s, "TX09RX09EN"));
    EXPECT_EQ(s.ComFail, 0);
}

TEST_F(EngineTest, OperationStartedFromThePortDialogIsRefused) {
    mapPorts({});
    bool ran = true;
    s.hooks.choosePort = [&] {
        ran = ComProcSeq(s, "TX01EN");
        return false;
    };
    ComProcSeq(s, "TX01RX02EN");
    EXPECT_FALSE(ran);
}

} // namespace
