// Connections to radios that misbehave: each runs the full retry counts
// (11 probe runs of 25 attempts, or 25 identification attempts), on the
// virtual clock.
#include "tests/link/LinkFixture.h"

using namespace radiolink;
using radiosim::Fault;

namespace {

class ConnectFailureTest : public linktest::LinkFixture, public ::testing::WithParamInterface<Fault> {};

TEST_P(ConnectFailureTest, EndsFailedAfterElevenProbeRuns) {
    radio.injectFault(GetParam());
    const std::int64_t start = clock.nowMs();
    ASSERT_TRUE(StartRadioSession(s));
    // Each run: 25 probe waits of 11 ticks of 3 ms (no reply gets a longer
    // one), a 12 ms pause after the sixth failure on, 4 ms at its end.
    if (GetParam() == Fault::Silence) {
        EXPECT_EQ(clock.nowMs() - start, 11 * (25 * 11 * 3 + 20 * 12 + 4));
    }
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(s.ComConnecting, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(radio.countOf(0x31), 11 * 25);
    EXPECT_EQ(radio.countOf(0x32), 0); // no identification after a failed probe
    EXPECT_EQ(linktest::countStartingWith(statuses, "Communication failed"), 11);
}

std::string faultName(const ::testing::TestParamInfo<Fault>& info) {
    static const char* const names[] = {"Silence", "LostReply", "Garbage", "WrongSum", "ShortReply"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Faults, ConnectFailureTest,
                         ::testing::Values(Fault::Silence, Fault::Garbage, Fault::WrongSum,
                                           Fault::ShortReply),
                         faultName);

class ConnectTest : public linktest::LinkFixture {};

TEST_F(ConnectTest, RadioSilentAfterStageOneFailsTheIdentification) {
    radio.injectFault(Fault::Silence, 0x32);
    StartRadioSession(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(radio.countOf(0x31), 1 + 25);
    EXPECT_EQ(radio.countOf(0x32), 25);
    EXPECT_EQ(radio.countOf(0x36), 0);
    // From each unanswered stage 2 to the next attempt's stage 1: the
    // attempt's budget in 4 ms ticks and one tick more, and from the sixth
    // failure on a 12 ms pause.
    const int budgets[24] = {250, 260, 270, 330, 340, 350, 360, 370, 380, 390, 350, 360,
                             370, 380, 390, 400, 410, 420, 430, 440, 500, 510, 520, 530};
    std::vector<std::int64_t> stage1, stage2;
    for (const auto& r : radio.requests()) (r.command == 0x31 ? stage1 : stage2).push_back(r.atUs);
    ASSERT_EQ(stage1.size(), 26u);
    ASSERT_EQ(stage2.size(), 25u);
    for (int c = 0; c < 24; ++c)
        EXPECT_EQ(stage1[c + 2] - stage2[c], ((budgets[c] + 1) * 4 + (c + 1 > 5 ? 12 : 0)) * 1000)
            << "attempt " << c + 1;
}

TEST_F(ConnectTest, RadioAnsweringOnlyTheEleventhRunIsConnected) {
    radio.injectFault(Fault::Silence, 0x31, 0, 10 * 25);
    StartRadioSession(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.countOf(0x31), 10 * 25 + 1 + 1);
    EXPECT_EQ(radio.countOf(0x36), 2);
}

} // namespace
