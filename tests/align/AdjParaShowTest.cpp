// The alignment display: what each control shows for an image, the few
// bytes it writes, the alignment window's handlers it runs, and that the
// windows store again once it has ended, however it ended.
#include "align/AdjParaShow.h"
#include "align/AdjMode.h"
#include "align/AdjMore.h"
#include "app/DataFile.h"
#include "platform/Failure.h"
#include "tests/align/AlignFixture.h"

#include <stdexcept>

using namespace align;
using aligntest::Addr;
using aligntest::Bytes;

namespace {

using C = Control;

class AdjParaShowTest : public aligntest::AlignTest {
  protected:
    AdjParaShowTest() { link.TmFlag = -1; }

    // The alignment area: pages 58 and 62 and byte 0xECA2.
    void fillArea(std::uint8_t value) {
        fill(0xE800, 0xEBFF, value);
        fill(0xF800, 0xFBFF, value);
        image[0xECA2] = value;
    }
    int mode(C c, int i = 0) const { return a.frmAdjMode->fields.at(c, i).Value; }
    int more(C c, int i = 0) const { return a.frmAdjMore->fields.at(c, i).Value; }
    std::vector<int> moreAll(C c) const {
        std::vector<int> v;
        for (int i = FirstElement(c); i < FirstElement(c) + ElementCount(c); ++i) v.push_back(more(c, i));
        return v;
    }
    void show() {
        ASSERT_TRUE(AdjParaShow(a, link, image));
        EXPECT_EQ(a.AdjParaShowing, 0);
    }
    // After a display the register window stores again, its refilled lists
    // offering their whole range.
    void expectStoresAfterwards() {
        AdjMoreFieldChanged(a, image, C::cboSqlThreshold, 4, 100);
        EXPECT_EQ(image[0xE824] & 0x7F, 100);
        EXPECT_EQ(a.frmAdjMore->fields.at(C::cboSqlThreshold, 4).EntryText(100), "100");
        AdjMoreFieldChanged(a, image, C::cboSqlWide, 0, 33);
        EXPECT_EQ(image[0xF840], 33);
    }
};

TEST_F(AdjParaShowTest, OutsideTestModeNothingHappens) {
    link.TmFlag = 0;
    const model::Image before = image;
    EXPECT_FALSE(AdjParaShow(a, link, image));
    EXPECT_TRUE(image == before);
    EXPECT_FALSE(a.frmAdjMode.has_value());
    EXPECT_FALSE(a.frmAdjMore.has_value());
}

TEST_F(AdjParaShowTest, AllFFAreaShowsTheTopOfEveryRangeAndStoresAfterwards) {
    fillArea(0xFF);
    show();
    ASSERT_TRUE(a.frmAdjMode && a.frmAdjMore);

    EXPECT_EQ(mode(C::cboCompanName), -1); // keeps its (lack of) selection
    EXPECT_EQ(image[0xEA0A], 0xFF);
    EXPECT_EQ(image[0xE890], 150);
    EXPECT_EQ(a.frmAdjMode->chkBps.Value, 0);
    EXPECT_EQ(mode(C::chkBpsHlPara), 0);
    for (int i = 0; i < 51; ++i) EXPECT_EQ(mode(C::cboPwrAdj, i), 255);
    EXPECT_EQ(bytes(0xF833, 2), (Bytes{0x27, 0x8D}));
    EXPECT_EQ(mode(C::cboFreBand, 0), 0); // VHF
    EXPECT_EQ(mode(C::cboFreBand, 1), 1); // UHF
    EXPECT_EQ(mode(C::cboFreBand, 2), 1);
    EXPECT_EQ(bytes(0xE95D, 3), (Bytes{255, 255, 255}));
    EXPECT_EQ(mode(C::cboCryFre), 3);
    EXPECT_EQ(mode(C::chkRadioFre), 1);
    EXPECT_EQ(image[0xECA2], 0xFF);

    for (C c : {C::hscWideDev134174, C::hscNarrowDev134174, C::hscWideDev200260, C::hscNarrowDev200260,
                C::hscWideDev400520, C::hscNarrowDev400520}) {
        EXPECT_EQ(more(c, 0), 255);
        EXPECT_EQ(a.frmAdjMore->fields.at(c, 0).Text, "255");
        EXPECT_EQ(more(c, 1), 31);
        EXPECT_EQ(a.frmAdjMore->fields.at(c, 1).Text, "31");
    }
    EXPECT_EQ(moreAll(C::cboCdVoiSub), std::vector<int>(6, 7));
    EXPECT_EQ(more(C::cboVoiceGainRx41H), 127);
    EXPECT_EQ(image[0xE84B], 0xFF);
    EXPECT_EQ(more(C::chkOffMindBaseCry), 0);
    EXPECT_EQ(more(C::chkOffAfcFunc), 0);
    EXPECT_EQ(more(C::chkReg34_Interval_Dr), 1);
    EXPECT_EQ(more(C::chkReg34_Tone_Step_Dr), 1);
    EXPECT_EQ(more(C::chkReg34_Limit_Sel), 1);
    EXPECT_EQ(more(C::cboReg34_Over_Th_Sel), 7);
    EXPECT_EQ(more(C::cboReg34_Dig_Gain), 31);
    EXPECT_EQ(more(C::cboReg34_Agc_Thd), 31);
    EXPECT_EQ(moreAll(C::cboReg5A), std::vector<int>(5, 7));
    EXPECT_EQ(moreAll(C::cboSqlThreshold), std::vector<int>(18, 127));
    EXPECT_EQ(moreAll(C::chkEnableSqlCacl), std::vector<int>(8, 1));
    EXPECT_EQ(more(C::cboPgaGain0AH), 31);
    EXPECT_EQ(more(C::cboGainTx44H), 15);
    // Power output 15 fits no entry of its eight: no selection, no failure.
    EXPECT_EQ(moreAll(C::cboRda1846SPwrOutput), std::vector<int>(3, -1));
    EXPECT_EQ(bytes(0xE900, 3), (Bytes{15, 15, 15}));
    EXPECT_EQ(bytes(0xEA80, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF})); // no menu names: as they were
    expectStoresAfterwards();
}

TEST_F(AdjParaShowTest, AllZeroAreaShowsTheBottomOfEveryRangeAndStoresAfterwards) {
    fillArea(0x00);
    show();
    EXPECT_EQ(mode(C::cboCompanName), 0);
    EXPECT_EQ(image[0xE890], 150);
    EXPECT_EQ(bytes(0xF833, 2), (Bytes{0x5A, 0x5A}));
    EXPECT_EQ(mode(C::cboFreBand, 0), 0); // VHF, written back as 255
    EXPECT_EQ(mode(C::cboFreBand, 1), 1); // UHF, 255
    EXPECT_EQ(mode(C::cboFreBand, 2), 1);
    EXPECT_EQ(bytes(0xE95D, 3), (Bytes{255, 255, 255}));
    EXPECT_EQ(mode(C::cboCryFre), 0);
    EXPECT_EQ(mode(C::chkRadioFre), 0);
    EXPECT_EQ(image[0xE84B], 142);
    EXPECT_EQ(more(C::cboVoiceGainRx41H), 14);
    EXPECT_EQ(more(C::chkOffMindBaseCry), 1); // word 0x0000
    EXPECT_EQ(more(C::chkOffAfcFunc), 0);
    EXPECT_EQ(moreAll(C::cboRda1846SPwrOutput), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(moreAll(C::cboSqlThreshold), std::vector<int>(18, 0));
    EXPECT_EQ(bytes(0xEA80, 4), (Bytes{0, 0, 0, 0}));
    expectStoresAfterwards();
}

TEST_F(AdjParaShowTest, WritesOnlyItsOwnBytesAndThoseTheAlignmentHandlersWriteBack) {
    put(0xE84B, {0x10});
    put(0xE900, {0x20, 0x07, 0x09});
    put(0xE95D, {150, 150, 0x40});
    put(0xEA0A, {1});
    const model::Image before = image;
    show();
    std::map<Addr, std::uint8_t> expected{{0xE890, 150}, {0xE84B, 142}, {0xE900, 15}, {0xE95D, 150},
                                          {0xE95E, 150}, {0xE95F, 255}, {0xF833, 0},  {0xF834, 0}};
    unsigned sum = 0x5A5A;
    for (int i = 0; i < 51; ++i) sum += image[0xF800 + i];
    expected[0xF833] = static_cast<std::uint8_t>(sum);
    expected[0xF834] = static_cast<std::uint8_t>(sum >> 8);
    for (Addr at = 0; at < image.size(); ++at) {
        auto it = expected.find(at);
        EXPECT_EQ(image[at], it != expected.end() ? it->second : before[at]) << std::hex << at;
    }
    EXPECT_EQ(more(C::cboVoiceGainRx41H), 14);
    EXPECT_EQ(moreAll(C::cboRda1846SPwrOutput), (std::vector<int>{-1, 7, -1})); // 15 and 9: no entry
    EXPECT_EQ(mode(C::cboCompanName), 1);
}

TEST_F(AdjParaShowTest, FieldsReadAsTheirBitsSay) {
    struct Case {
        std::vector<std::pair<Addr, std::uint8_t>> bytes;
        C control;
        std::vector<int> shown; // elements from the first
    };
    const Case cases[] = {
        {{{0xE820, 0x00}, {0xE821, 0xC0}}, C::cboSqlThreshold, {0, 0}},
        {{{0xE822, 0x85}, {0xE823, 0x00}}, C::cboSqlThreshold, {127, 127, 5, 1}},
        {{{0xE832, 0x00}, {0xE833, 0x80}}, C::cboReg5A, {0, 0, 0, 0, 0}},
        {{{0xE832, 0xD1}, {0xE833, 0x58}}, C::cboReg5A, {1, 2, 3, 4, 5}},
        {{{0xE800, 0xFF}, {0xE801, 0x5F}}, C::hscWideDev134174, {0xFF, 31}},
        {{{0xE801, 0x5F}}, C::cboCdVoiSub, {2}},
        {{{0xE843, 0x28}, {0xE844, 0x2A}}, C::chkOffMindBaseCry, {0}},
        {{{0xE843, 0x00}, {0xE844, 0x01}}, C::chkOffMindBaseCry, {0}},
        {{{0xE845, 0x20}, {0xE846, 0x53}}, C::chkOffAfcFunc, {0}},
        {{{0xE845, 0x21}, {0xE846, 0x73}}, C::chkOffAfcFunc, {0}},
        {{{0xE845, 0x20}, {0xE846, 0x73}}, C::chkOffAfcFunc, {1}},
        {{{0xE841, 0x86}, {0xE842, 0x29}}, C::chkReg34_Interval_Dr, {0}},
        {{{0xE841, 0x86}, {0xE842, 0x29}}, C::chkReg34_Limit_Sel, {1}},
        {{{0xE841, 0x86}, {0xE842, 0x29}}, C::cboReg34_Over_Th_Sel, {2}},
        {{{0xE841, 0x86}, {0xE842, 0x29}}, C::cboReg34_Dig_Gain, {12}},
        {{{0xE841, 0x86}, {0xE842, 0x29}}, C::cboReg34_Agc_Thd, {6}},
        {{{0xE847, 0x8A}, {0xE848, 0x24}}, C::cboReg65H_Weak_Wide, {2}},
        {{{0xE847, 0x8A}, {0xE848, 0x24}}, C::cboReg65H_Strong_Wide, {2}},
        {{{0xE81B, 0x85}, {0xE81C, 0x0A}}, C::cboPgaGain0AH, {16}},
        {{{0xE81B, 0x85}, {0xE81C, 0x0A}}, C::cboVoiceGainTx41H, {5}},
        {{{0xE81B, 0x85}, {0xE81C, 0x0A}}, C::cboGainTx44H, {10}},
        {{{0xE840, 0xAD}}, C::cboMuteTime, {10}},
        {{{0xE840, 0xAD}}, C::chkSoftMute, {1}},
        {{{0xE840, 0xAD}}, C::cboSoftMuteGain, {5}},
    };
    const model::Image start = image;
    for (const Case& c : cases) {
        image = start;
        put(0xE820, {0xFF, 0xFF, 0xFF, 0xFF}); // thresholds 0-3 at their top unless a case says
        for (auto [at, b] : c.bytes) image[at] = b;
        show();
        for (std::size_t k = 0; k < c.shown.size(); ++k)
            EXPECT_EQ(more(c.control, FirstElement(c.control) + static_cast<int>(k)), c.shown[k])
                << NameOf(c.control) << "(" << k << ")";
    }
}

TEST_F(AdjParaShowTest, AlignmentWindowHandlersRunAsForAUsersChange) {
    AdjModeWindow& w = AdjMode(a);
    chkBps_Click(a, link, 1);
    AdjModeFieldChanged(a, link, image, C::chkBpsHlPara, 0, 1);
    ASSERT_EQ(link.ComBpsIndex, 8);
    show();
    EXPECT_EQ(w.chkBps.Value, 0);
    EXPECT_EQ(link.ComBpsIndex, 6);
    EXPECT_EQ(link.frmMain.cboComBps, 6);
    EXPECT_EQ(link.comCommun.Settings(), "9600,n,8,2");
    EXPECT_EQ(image[0xE890], 150);
    EXPECT_EQ(host.calls.back(), "AdjMoreChanged");
}

TEST_F(AdjParaShowTest, MenuRowsNameTheirItemsOnlyWhileNamesAreKnown) {
    put(0xEA80, {0x00, 0x01, 0x02, 0xFF});
    show();
    EXPECT_EQ(bytes(0xEA80, 4), (Bytes{0x00, 0x01, 0x02, 0xFF}));
    EXPECT_EQ(a.frmAdjMore->fields.at(C::vsfgGridMenu, 1).Text, "");

    a.MenuNameCnt = 2;
    a.MenuNameTbl[0] = "--";
    a.MenuNameTbl[1] = "Squelch";
    a.MenuNameTbl[2] = "Step";
    show();
    EXPECT_EQ(bytes(0xEA80, 4), (Bytes{0x00, 0x01, 0xFF, 0xFF}));
    std::vector<std::string> cells;
    for (int r = 1; r <= 4; ++r) cells.push_back(a.frmAdjMore->fields.at(C::vsfgGridMenu, r).Text);
    EXPECT_EQ(cells, (std::vector<std::string>{"Squelch", "Step", "--", "--"}));
}

TEST_F(AdjParaShowTest, AFailureInsideTheDisplayLeavesTheRegisterWindowWorking) {
    AdjMode(a).chkOnlineAdj.Value = 1; // each power value would go to the radio
    host.onAdjModeChanged = [] { throw platform::Failure("window gone"); };
    EXPECT_THROW(AdjParaShow(a, link, image), platform::Failure);
    EXPECT_EQ(a.AdjParaShowing, 0);
    EXPECT_TRUE(a.frmAdjMode->fields.at(C::cboPwrAdj, 0).Enabled);
    AdjMoreFieldChanged(a, image, C::cboTimeTone, 0, 42);
    EXPECT_EQ(image[0xE92B], 42);
}

TEST_F(AdjParaShowTest, ADisplayInsideAnotherLeavesTheOuterOneGuarded) {
    bool inner = false;
    std::vector<Flag> afterInner;
    host.onAdjModeChanged = [&] {
        if (inner) return;
        inner = true;
        ASSERT_TRUE(AdjParaShow(a, link, image));
        afterInner.push_back(a.AdjParaShowing);
        const int before = image[0xE92B];
        AdjMoreFieldChanged(a, image, C::cboTimeTone, 0, before ^ 1);
        EXPECT_EQ(int(image[0xE92B]), before); // the outer display still runs
    };
    show();
    EXPECT_EQ(afterInner, std::vector<Flag>{-1});
    expectStoresAfterwards();
}

} // namespace

namespace {

// The data-file reader runs the program's display once it is registered.
TEST_F(AdjParaShowTest, ADataFileReadRunsTheRegisteredDisplay) {
    radiolink::linkState().TmFlag = -1;
    AlignmentDisplay display;
    platform::Host<app::AlignmentDisplayHost>::Scoped registered(display);
    fillArea(0x00);
    const std::string path = home.file("zero.Dat5i0");
    app::WriteDataFile(path, image);

    auto& program = model::IicDat();
    program.fill(0x11);
    app::ReadDataFile(path, program);
    ASSERT_TRUE(state().frmAdjMore.has_value());
    EXPECT_EQ(program[0xE890], 150);
    EXPECT_EQ(program[0xE84B], 142);
    EXPECT_EQ(state().frmAdjMore->fields.at(C::cboVoiceGainRx41H, 0).Value, 14);
}

} // namespace
