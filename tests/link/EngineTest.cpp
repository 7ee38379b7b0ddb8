// The link engine against a scripted far end: the script language, the
// reply waits, the attempts of a run and its end. Times are on the virtual
// clock, exact to the millisecond.
#include "app/ErrorReporter.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "tests/link/LinkFixture.h"
#include "tests/link/ScriptedPeer.h"
#include "tests/support/ErrorLog.h"

using namespace radiolink;
using linktest::Bytes;
using linktest::hex;
using Piece = linktest::ScriptedPeer::Piece;

namespace {

// A receive tick outside the connection probe: DelayNms(1), 3 ms, then a
// 1 ms sleep. The input is looked at once per tick, the first time as the
// request has gone out.
constexpr int kTickMs = 4;

class EngineTest : public linktest::LinkFixture {
  protected:
    EngineTest() {
        mapPorts({{1, peer.devicePath()}});
        clock.attach(peer);
    }

    // One attempt of a script with the port open around it.
    void attempt(const std::string& script) {
        OpenCom(s);
        ASSERT_EQ(s.ComPortErr, 0);
        ConvComCode(s, script);
        ProtocolCom(s);
        CloseCom(s);
    }

    // Milliseconds on the clock that f takes.
    template <class F> std::int64_t timed(F f) {
        const std::int64_t start = clock.nowMs();
        f();
        return clock.nowMs() - start;
    }
    // When each request byte came in, in ms from the first.
    std::vector<std::int64_t> requestTimesMs() {
        peer.received();
        std::vector<std::int64_t> ms;
        for (std::int64_t us : peer.receivedAtUs()) ms.push_back((us - peer.receivedAtUs().front()) / 1000);
        return ms;
    }

    linktest::ScriptedPeer peer;
};

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
    // A token is read by its leading hex digits.
    EXPECT_EQ(platform::hexPrefixValue("XY"), 0);
    EXPECT_EQ(platform::hexPrefixValue("1X"), 1);
    EXPECT_EQ(platform::hexPrefixValue("a"), 10);

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

// A reply's first bytes may come up to its budget after the request (250
// ticks on a first attempt, the look at 1000 ms the last); from then on each
// look that sees new bytes gives the rest of the reply 50 more ticks (200 ms).
TEST_F(EngineTest, ReplyWaitBudgets) {
    struct Case {
        const char* name;
        std::vector<Piece> pieces;
        const char* reply; // as awaited
        Flag fail;
        std::int64_t ms; // the wait, from the request to its end
    };
    std::vector<Piece> late{{500, hex("5A")}};
    for (int i = 0; i < 8; ++i) late.push_back({80, hex("01")});
    const Case cases[] = {
        {"first bytes at the last look of the budget", {{1000, hex("5A01")}}, "5A01", 0, 1000},
        {"first bytes a millisecond later", {{1001, hex("5A01")}}, "5A01", -1, 1004},
        {"next byte at the last look of the idle budget", {{4, hex("5A")}, {200, hex("01")}}, "5A01", 0, 204},
        {"next byte a millisecond later", {{4, hex("5A")}, {201, hex("01")}}, "5A01", -1, 208},
        {"a long reply still coming after the first budget", late, "5A0101010101010101", 0, 1140},
        // Seen at the second look, then 51 ticks without more.
        {"a reply that stops coming", {{0, hex("5A01")}}, "5A010203", -1, kTickMs + 51 * kTickMs},
    };
    for (const Case& c : cases) {
        peer.answer(1, c.pieces);
        const std::int64_t ms = timed([&] { attempt(std::string("TX01RX") + c.reply + "EN"); });
        EXPECT_EQ(s.ComFail, c.fail) << c.name;
        EXPECT_EQ(ms, c.ms) << c.name;
    }
}

TEST_F(EngineTest, SilenceRunsAllTwentyFiveAttemptsWithTheirBudgets) {
    const std::int64_t ms = timed([&] { ASSERT_TRUE(ComProcSeq(s, "TX01RX02EN")); });
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(peer.received(), Bytes(25, 0x01));
    // Each attempt waits its budget and one tick more; from the sixth failure
    // on, DelayNms(10) follows it.
    const int budgets[25] = {250, 260, 270, 330, 340, 350, 360, 370, 380, 390, 350, 360, 370,
                             380, 390, 400, 410, 420, 430, 440, 500, 510, 520, 530, 540};
    const std::vector<std::int64_t> at = requestTimesMs();
    ASSERT_EQ(at.size(), 25u);
    std::int64_t next = 0;
    for (int c = 0; c < 25; ++c) {
        EXPECT_EQ(at[c], next) << "attempt " << c + 1;
        next += (budgets[c] + 1) * kTickMs + (c + 1 > 5 ? 12 : 0);
    }
    EXPECT_EQ(ms, next + 3 + 1); // the end: DelayNms(1) and a 1 ms sleep
    // "Try Times 6" to "Try Times 25", then the end status.
    EXPECT_EQ(linktest::countStartingWith(statuses, "Try Times "), 20);
    EXPECT_EQ(statuses[0], "Try Times 6");
    EXPECT_EQ(statuses.back(), "Communication failed");
    EXPECT_TRUE(s.frmCommun.chkStopComVisible);
    EXPECT_FALSE(s.frmMain.chkStopCom.Visible); // hidden again at the end
}

TEST_F(EngineTest, ConnectionProbeWaitsTenTicksWithoutTheExtraSleep) {
    s.ComConnecting = -1;
    const std::int64_t ms = timed([&] { ComProcSeq(s, "TX01RX02EN"); });
    s.ComConnecting = 0;
    EXPECT_EQ(s.ComTryCnt, 25);
    const std::vector<std::int64_t> at = requestTimesMs();
    ASSERT_EQ(at.size(), 25u);
    EXPECT_EQ(at[1], 11 * 3);
    EXPECT_EQ(ms, 25 * 11 * 3 + 20 * 12 + 4);
}

TEST_F(EngineTest, ToolWindowStopBoxEndsTheRunAfterItsAttempt) {
    bool stopShownAfterThird = false;
    platform::setEventPump([&] {
        if (s.ComTryCnt == 3 && s.frmMain.chkStopCom.Value == 0) {
            stopShownAfterThird = s.frmMain.chkStopCom.Visible;
            s.frmMain.chkStopCom.Value = 1;
        }
    });
    const std::int64_t ms = timed([&] { ComProcSeq(s, "TX01RX02EN"); });
    EXPECT_TRUE(stopShownAfterThird);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 4);
    EXPECT_EQ(s.frmMain.chkStopCom.Value, 0); // unticked at the end
    // The fourth wait failed at its first tick; the run ended after it.
    const std::vector<std::int64_t> at = requestTimesMs();
    ASSERT_EQ(at.size(), 4u);
    EXPECT_EQ(at[3], (251 + 261 + 271) * kTickMs);
    EXPECT_EQ(ms, at[3] + kTickMs + 4);
}

TEST_F(EngineTest, StopFlagFailsEveryFurtherWaitAtOnce) {
    // Set during the first wait of a 250-tick budget: every attempt still
    // sends its first block and fails at its first look.
    platform::setEventPump([&] { s.ComStop = -1; });
    const std::int64_t ms = timed([&] { ComProcSeq(s, "TX01RX02TX03RX04EN"); });
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(peer.received(), Bytes(25, 0x01));
    // One tick, the pauses after the sixth failure on, the end.
    EXPECT_EQ(ms, kTickMs + 20 * 12 + 4);
}

TEST_F(EngineTest, ShorterScriptNeverRunsOnIntoAnOlderOne) {
    ConvComCode(s, "TX0102TX0304EN");
    attempt("TX05");
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
    testsupport::ErrorLog errors;
    const std::vector<std::string>& reports = errors.tags;
    int asked = 0;
    hooks.choosePort = [&] {
        ++asked;
        return false;
    };
    ASSERT_TRUE(ComProcSeq(s, "TX01RX02EN"));
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComPortErr, -1);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(reports, std::vector<std::string>{"modCommun->OpenCom"});
    EXPECT_TRUE(statuses.empty());
    EXPECT_NE(s.ComPortWhy[1].find("No such device"), std::string::npos);
}

TEST_F(EngineTest, DelayRunsEventsForItsTimePlusTwo) {
    std::vector<std::int64_t> pumpedAt;
    platform::setEventPump([&] { pumpedAt.push_back(clock.nowMs()); });
    const std::int64_t start = clock.nowMs();
    DelayNms(s, 10);
    EXPECT_EQ(clock.nowMs() - start, 12);
    // Events run at the start, at most kPumpEveryMs apart, and at the end.
    EXPECT_EQ(pumpedAt, (std::vector<std::int64_t>{start, start + 10, start + 12}));
    pumpedAt.clear();
    const std::int64_t shortStart = clock.nowMs();
    DelayNms(s, 1);
    EXPECT_EQ(pumpedAt, (std::vector<std::int64_t>{shortStart, shortStart + 3}));

    // The machine's clock: the wait is a real one.
    platform::setClock(nullptr);
    const std::int64_t real = platform::deviceNowMs();
    DelayNms(s, 10);
    EXPECT_GE(platform::deviceNowMs() - real, 12);
    platform::setClock(&clock);

    testsupport::ErrorLog errors;
    platform::setEventPump([] { throw std::runtime_error("handler failed"); });
    DelayNms(s, 1);
    EXPECT_EQ(errors.tags, std::vector<std::string>{"modCommun->DelayNms"});
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
    hooks.choosePort = [&] {
        ran = ComProcSeq(s, "TX01EN");
        return false;
    };
    ComProcSeq(s, "TX01RX02EN");
    EXPECT_FALSE(ran);
}

} // namespace
