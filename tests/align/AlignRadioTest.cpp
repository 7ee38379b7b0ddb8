// The alignment tools against the simulated radio: the keypad's and the
// power table's commands as the radio receives them, and the alignment
// window's read and write of the alignment page set.
#include "align/AdjMode.h"
#include "align/AdjParaShow.h"
#include "align/VitualKey.h"
#include "tests/align/AlignFixture.h"
#include "tests/link/TransferFixture.h"
#include "tests/model/FakeChannelWindow.h"

using namespace align;
using namespace linktest; // the frames and bytes written out by hand

namespace {

class AlignRadioTest : public linktest::TransferFixture {
  protected:
    std::vector<Bytes> sent() const { return linktest::requestBytes(radio); }

    std::unique_ptr<AlignState> aPtr = std::make_unique<AlignState>();
    AlignState& a = *aPtr;
    aligntest::RecordingHost host;
};

TEST_F(AlignRadioTest, KeypadButtonsSendTheirKeyCodes) {
    struct Case {
        bool side;
        int index;
        bool hold;
        const char* frame; // the control command between the stage-1 handshake and the closing
    };
    const Case cases[] = {
        {true, 0, false, "5A38F36D18C9 22C5F1 5757 01 5FFF"},
        {true, 0, true, "5A38F36D18C9 22C5F1 5757 02 6000"},
        {true, 1, false, "5A38F36D18C9 22C5F1 5757 04 6002"},
        {true, 1, true, "5A38F36D18C9 22C5F1 5757 08 6006"},
        {true, 2, false, "5A38F36D18C9 22C5F1 5757 10 600E"},
        {true, 2, true, "5A38F36D18C9 22C5F1 5757 20 601E"},
        {false, 0, false, "5A38F36D18C9 55B3E1 202020 5FC1"},
        {false, 10, false, "5A38F36D18C9 55B3E1 2A2A2A 5FDF"},
        {false, 17, false, "5A38F36D18C9 55B3E1 313131 5FF4"},
    };
    for (const Case& c : cases) {
        radio.clearLog();
        if (c.side) {
            chkKeyPf_Click(a, c.index, c.hold ? 1 : 0);
            ASSERT_TRUE(cmdKeyPf_Click(a, s, c.index));
        } else {
            ASSERT_TRUE(cmdKeyMa_Click(a, s, c.index));
        }
        EXPECT_EQ(s.ComFail, 0) << c.frame;
        EXPECT_EQ(sent(), (std::vector<Bytes>{kStage1, hex(c.frame), kClosing})) << c.frame;
    }
}

TEST_F(AlignRadioTest, KeypadIsDisabledWhileItsCommandRunsAndUsableAfterAFailure) {
    std::vector<bool> enabledWhenShown;
    host.onVitualKeyChanged = [&] { enabledWhenShown.push_back(a.frmVitualKey->Enabled); };
    cmdKeyMa_Click(a, s, 5);
    EXPECT_EQ(enabledWhenShown, (std::vector<bool>{false, true}));

    mapPorts({}); // the port opens no device
    radio.clearLog();
    EXPECT_TRUE(cmdKeyMa_Click(a, s, 5));
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_TRUE(a.frmVitualKey->Enabled);

    mapPorts({{1, radio.devicePath()}});
    EXPECT_TRUE(cmdKeyMa_Click(a, s, 5));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(sent().size(), 3u);
}

TEST_F(AlignRadioTest, KeysSendNothingWhileAnotherOperationHoldsTheLink) {
    s.holdDepth = 1; // an operation runs and this click came from one of its waits
    s.yieldDepth = 1;
    EXPECT_FALSE(cmdKeyPf_Click(a, s, 0));
    EXPECT_FALSE(cmdKeyMa_Click(a, s, 0));
    s.holdDepth = s.yieldDepth = 0;
    EXPECT_TRUE(radio.requests().empty());
    EXPECT_TRUE(a.frmVitualKey->Enabled);
}

TEST_F(AlignRadioTest, PowerValuesGoToTheRadioOnlyWithOnlineAlignment) {
    AdjModeWindow& w = AdjMode(a);
    AdjModeFieldChanged(a, s, image, Control::cboPwrAdj, 3, 0x40);
    EXPECT_EQ(image[0xF803], 0x40);
    EXPECT_TRUE(radio.requests().empty());

    w.chkOnlineAdj.Value = 1;
    std::vector<bool> enabledWhenShown;
    host.onAdjModeChanged = [&] { enabledWhenShown.push_back(w.fields.at(Control::cboPwrAdj, 0).Enabled); };
    AdjModeFieldChanged(a, s, image, Control::cboPwrAdj, 0, 0x7B);
    EXPECT_EQ(enabledWhenShown, std::vector<bool>{false});
    EXPECT_TRUE(w.fields.at(Control::cboPwrAdj, 0).Enabled);
    EXPECT_EQ(sent(),
              (std::vector<Bytes>{kStage1, kStage2, hex("5A38F36D18C9 22C5F1 DCDC 7B 6183"), kClosing}));

    radio.clearLog();
    AdjModeFieldChanged(a, s, image, Control::cboPwrAdj, 5, 5);
    EXPECT_EQ(sent(),
              (std::vector<Bytes>{kStage1, kStage2, hex("5A38F36D18C9 22C5F1 2A2A 05 5FA9"), kClosing}));
    EXPECT_EQ(image[0xF805], 5);

    // A value chosen while the link is held is stored with its sum but not sent.
    radio.clearLog();
    s.holdDepth = s.yieldDepth = 1;
    AdjModeFieldChanged(a, s, image, Control::cboPwrAdj, 6, 9);
    s.holdDepth = s.yieldDepth = 0;
    EXPECT_EQ(image[0xF806], 9);
    EXPECT_EQ(image[0xF833] | image[0xF834] << 8, PowerTableSum(image));
    EXPECT_TRUE(radio.requests().empty());
}

TEST_F(AlignRadioTest, DisplayWithOnlineAlignmentSendsEveryPowerValue) {
    s.TmFlag = -1;
    AdjMode(a).chkOnlineAdj.Value = 1;
    for (int i = 0; i < 51; ++i) image[0xF800 + i] = static_cast<std::uint8_t>(3 * i);
    radio.clearLog();
    ASSERT_TRUE(AdjParaShow(a, s, image));
    std::vector<radiosim::Control> expected;
    for (int i = 0; i < 51; ++i) {
        const std::uint8_t sub = i == 0 ? 0xDC : 0x2A;
        expected.push_back({0x22, {sub, sub, static_cast<std::uint8_t>(3 * i)}});
        expected.push_back({0x22, {0xA6, 0xA6, 0xA6}});
    }
    const auto controls = radio.controls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(controls[k].selector, expected[k].selector) << k;
        EXPECT_EQ(controls[k].payload, expected[k].payload) << k;
    }
}

TEST_F(AlignRadioTest, AlignmentReadAndWriteMoveTheAlignmentPageSet) {
    const std::vector<int> alignmentSet{50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 62};
    auto m = std::make_unique<model::ModelState>();
    m->ChCount = 16;
    m->ChColCount = 9;
    modeltest::FakeChannelWindow window(*m);
    s.FreMode = -1; // as the read/write dialog last left it
    // Empty channels and a readable band block, which the channel window
    // shows without changing them.
    radio.setFlash(0xC800, Bytes(0x1000, 0xFF));
    radio.setFlash(0xE700, hex("00004600 00004700 00000040 00000047"));

    AdjReadRadio(s, *m);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(pagesOf(0x3A), alignmentSet);
    for (int p : alignmentSet)
        EXPECT_EQ(Bytes(m->IicDat.begin() + p * 1024, m->IicDat.begin() + p * 1024 + 1024),
                  radio.flash(p * 1024, 1024))
            << p;
    EXPECT_EQ(window.calls, (std::vector<std::string>{"ShowChTblGrid", "InitOpt"}));

    radio.clearLog();
    m->IicDat[0xF800] ^= 0xFF;
    radiolink::FirmwareState fw;
    s.FreMode = -1;
    AdjWriteRadio(s, fw, *m);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(pagesOf(0x39), alignmentSet);
    EXPECT_EQ(radio.flash(0xF800, 1)[0], m->IicDat[0xF800]);
}

} // namespace
