// The wire protocol against the simulated radio: frames, the connection
// set-up, the identification and the small commands, byte for byte.
#include "link/PortChoice.h"
#include "platform/Clock.h"
#include "tests/link/LinkFixture.h"

using namespace radiolink;
using namespace linktest; // the frames and bytes written out by hand

namespace {

// Request frames written out by hand: sync 0x5A, command, code bytes, and
// the command sums worked out from 0x5AA5 plus every byte before them.
const Bytes kIdentFirst = hex("5A36 6E24B8D3 85 02F6 000A 5ED9");
const Bytes kIdentSecond = hex("5A36 6E24B8D3 85 0388 0006 5E68");

class ProtocolTest : public linktest::LinkFixture {
  protected:
    std::vector<Bytes> sent() const { return linktest::requestBytes(radio); }
};

TEST(ProtocolTables, FramesRepliesAndBlocks) {
    LinkState s;
    InitComCode(s);
    const std::pair<int, const char*> frames[] = {
        {0x31, "5A318C31E0A4 5A13C8130E4A"}, {0x32, "5A32D54B9E27 5A235DB4E972"},
        {0x33, "5A334AF0629B 5A33A40F26B9"}, {0x34, "5A34E1D83C50 5A431E8DC305"},
        {0x36, "5A366E24B8D3 5A63E6428B3D"}, {0x37, "5A370C95F7A1 5A73C0597F1A"},
        {0x38, "5A38F36D18C9 5A833FD6819C"}, {0x39, "5A392B80E45F 5A93B2084EF5"},
        {0x3A, "5A3AA7C2597E 5AA37A2C95E7"}};
    for (auto [command, text] : frames) {
        const std::string t = text;
        EXPECT_EQ(T(s, command), "TX" + t.substr(0, 12)) << command;
        EXPECT_EQ(R(s, command), "RX" + t.substr(13)) << command;
    }
    EXPECT_EQ(s.ComPara[0], "00F13C8A62D4B7E9");
    EXPECT_EQ(s.ComPara[1], "11A7D20B94E36C58");
    EXPECT_EQ(s.ComPara[2], "22C5F1");
    EXPECT_EQ(s.ComPara[5], "55B3E1");
    EXPECT_EQ(s.ComScript[1], "TX5A38F36D18C922C5F1A6A6A66142RX5A833FD6819C");
}

TEST_F(ProtocolTest, ConnectsInBothStagesAndReadsTheIdentification) {
    radio.setIdentity({0x12, 0x27, 0x15, 0x01, 0x00}, 101);
    radio.setExtRam(0x02FB, hex("01020304"));
    radio.setExtRam(0x0388, hex("A1A2A3A4A5A6"));
    s.frmMain.cboComBps = 8;
    ASSERT_TRUE(StartRadioSession(s));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(s.ComConnecting, 0);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(s.frmMain.cboComBps, 6);
    EXPECT_EQ(s.comCommun.Settings(), "9600,n,8,2");
    EXPECT_EQ(sent(), (std::vector<Bytes>{kStage1, kStage1, kStage2, kIdentFirst, kIdentSecond}));

    const Bytes record(s.RxDat.begin() + 1, s.RxDat.begin() + 19);
    // The two bytes after the ten data bytes are the radio's and are kept as sent.
    const unsigned sum = 0x5AA5 + 0x12 + 0x27 + 0x15 + 0x01 + 0x00 + 1 + 2 + 3 + 4 + 101;
    Bytes expected = hex("1227150100 01020304 65");
    expected.push_back(static_cast<std::uint8_t>(sum >> 8));
    expected.push_back(static_cast<std::uint8_t>(sum));
    const Bytes tail = hex("A1A2A3A4A5A6");
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(record, expected);
    const Identification id = IdentificationRecord(s);
    EXPECT_EQ(id.stampText(), "1227150100");
    EXPECT_EQ(id.model, 101);
    EXPECT_EQ(statuses.back(), "Communication success");
}

// The program's own clock, with real sleeps, against a radio that serves on
// its own thread in real time.
TEST_F(ProtocolTest, ConnectsInRealTime) {
    radiosim::Radio live;
    live.setIdentity({0x12, 0x27, 0x15, 0x01, 0x00}, 101);
    mapPorts({{1, live.devicePath()}});
    platform::setClock(nullptr);
    StartRadioSession(s);
    platform::setClock(&clock);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComTryCnt, 0);
    EXPECT_EQ(IdentificationRecord(s).model, 101);
    EXPECT_EQ(live.countOf(0x36), 2);
}

TEST_F(ProtocolTest, WrongIdentificationEchoRetriesFromStageOne) {
    radio.injectFault(radiosim::Fault::Garbage, 0x36, 0, 1);
    StartRadioSession(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(s.ComTryCnt, 1);
    EXPECT_EQ(radio.countOf(0x31), 3);
    EXPECT_EQ(radio.countOf(0x32), 2);
}

TEST_F(ProtocolTest, SmallCommandsSendTheirExactBytes) {
    struct Case {
        const char* name;
        std::function<void()> run;
        std::vector<Bytes> requests;
        radiosim::Control control;
    };
    const Case cases[] = {
        {"closing",
         [&] { ComProcSeq(s, ClosingExchangeScript(s)); },
         {kStage1, kClosing},
         {0x22, {0xA6, 0xA6, 0xA6}}},
        {"fine tune",
         [&] { SendPowerAdjCmd(s, 1, 0x7B); },
         {kStage1, kStage2, hex("5A38F36D18C9 22C5F1 DCDC 7B 6183"), kClosing},
         {0x22, {0xDC, 0xDC, 0x7B}}},
        {"power point",
         [&] { SendPowerAdjCmd(s, 0, 5); },
         {kStage1, kStage2, hex("5A38F36D18C9 22C5F1 2A2A 05 5FA9"), kClosing},
         {0x22, {0x2A, 0x2A, 0x05}}},
        {"PTT held",
         [&] { ComProcSeq(s, SideKeyScript(s, SideKeyCode(0, true))); },
         {kStage1, hex("5A38F36D18C9 22C5F1 5757 02 6000"), kClosing},
         {0x22, {0x57, 0x57, 0x02}}},
        {"key *",
         [&] { ComProcSeq(s, MainKeyScript(s, 17)); },
         {kStage1, hex("5A38F36D18C9 55B3E1 313131 5FF4"), kClosing},
         {0x55, {0x31, 0x31, 0x31}}},
        {"flag read",
         [&] { ReadExtRamFlag(s); },
         {kStage1, kStage2, hex("5A366E24B8D3 85 00F1 0001 5EC9")},
         {}},
    };
    for (const Case& c : cases) {
        radio.clearLog();
        c.run();
        EXPECT_EQ(s.ComFail, 0) << c.name;
        EXPECT_EQ(sent(), c.requests) << c.name;
        const auto controls = radio.controls();
        if (c.control.selector == 0) continue;
        ASSERT_FALSE(controls.empty()) << c.name;
        EXPECT_EQ(controls.front().selector, c.control.selector) << c.name;
        EXPECT_EQ(controls.front().payload, c.control.payload) << c.name;
    }
}

TEST_F(ProtocolTest, SideAndMainKeyCodes) {
    EXPECT_EQ(SideKeyCode(0, false), 0x01);
    EXPECT_EQ(SideKeyCode(0, true), 0x02);
    EXPECT_EQ(SideKeyCode(1, false), 0x04);
    EXPECT_EQ(SideKeyCode(1, true), 0x08);
    EXPECT_EQ(SideKeyCode(2, false), 0x10);
    EXPECT_EQ(SideKeyCode(2, true), 0x20);
    EXPECT_NE(MainKeyScript(s, 0).find("55B3E1202020"), std::string::npos);
    EXPECT_NE(MainKeyScript(s, 10).find("55B3E12A2A2A"), std::string::npos);
}

TEST_F(ProtocolTest, ExternalRamFlag) {
    const std::pair<std::uint8_t, Flag> cases[] = {{0xFF, -1}, {0xFE, 0}, {0x00, 0}};
    for (auto [byte, flag] : cases) {
        radio.setExtRam(0x00F1, Bytes{byte});
        s.ExtRamFlag = 7;
        ReadExtRamFlag(s);
        EXPECT_EQ(s.ComFail, 0);
        EXPECT_EQ(s.ExtRamFlag, flag) << int(byte);
    }
}

TEST_F(ProtocolTest, ComReadBytesCapturesTheRange) {
    radio.setInRam(0x40, hex("0A0B0C"));
    ComReadBytes(s, "37", "0040", "0003", 3);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(Bytes(s.RxDat.begin() + 1, s.RxDat.begin() + 4), hex("0A0B0C"));
}

TEST_F(ProtocolTest, StopBeforeTheProbeSendsNothing) {
    s.ComStop = -1;
    ConnectRadio(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComConnecting, 0);
    EXPECT_TRUE(radio.requests().empty());
}

TEST_F(ProtocolTest, PortThatWillNotOpenEndsTheConnectAfterOneRun) {
    mapPorts({});
    int asked = 0;
    hooks.choosePort = [&] { return ++asked, false; };
    StartRadioSession(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s.ComBusy, 0);
}

TEST_F(ProtocolTest, PortChosenInTheDialogServesTheRemainingRuns) {
    mapPorts({{2, radio.devicePath()}});
    int asked = 0;
    hooks.choosePort = [&] {
        ++asked;
        s.frmToolCom.COM[1].Value = true;
        PortDialogOk(s);
        return true;
    };
    StartRadioSession(s);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s.ComPortNo, 2);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "2");
    EXPECT_EQ(radio.countOf(0x36), 2);
}

} // namespace
