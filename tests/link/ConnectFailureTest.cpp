// Connections to radios that misbehave: each runs the full retry counts
// (11 probe runs of 25 attempts, or 25 identification attempts), so these
// take seconds each and run as tests of their own.
#include "tests/link/LinkFixture.h"

using namespace radiolink;
using radiosim::Fault;

namespace {

class ConnectFailureTest : public linktest::LinkFixture, public ::testing::WithParamInterface<Fault> {};

TEST_P(ConnectFailureTest, EndsFailedAfterElevenProbeRuns) {
    radio.injectFault(GetParam());
    ASSERT_TRUE(StartRadioSession(s));
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
}

TEST_F(ConnectTest, RadioAnsweringOnlyTheEleventhRunIsConnected) {
    radio.injectFault(Fault::Silence, 0x31, 0, 10 * 25);
    StartRadioSession(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.countOf(0x31), 10 * 25 + 1 + 1);
    EXPECT_EQ(radio.countOf(0x36), 2);
}

} // namespace
