// Every control of the alignment and register windows: the value chosen and
// the exact bytes and bits it writes, every other byte of the image kept.
#include "align/AdjMode.h"
#include "align/AdjMore.h"
#include "tests/align/AlignFixture.h"

#include <map>
#include <utility>

using namespace align;
using aligntest::Addr;
using aligntest::Bytes;

namespace {

using C = Control;
using Byte = std::pair<Addr, std::uint8_t>;

struct Case {
    C control;
    int index;
    int value;
    std::vector<Byte> before; // set first, over the random image
    std::vector<Byte> after;  // expected afterwards; every other byte as before
};

// The power table starts all 0 (sum 5A 5A) in every case.
const Case kCases[] = {
    // ---- alignment window ----
    {C::cboPwrAdj, 0, 0x7B, {}, {{0xF800, 0x7B}, {0xF833, 0xD5}, {0xF834, 0x5A}}},
    {C::cboPwrAdj, 26, 0x10, {}, {{0xF81A, 0x10}, {0xF833, 0x6A}, {0xF834, 0x5A}}},
    {C::cboPwrAdj, 50, 255, {}, {{0xF832, 0xFF}, {0xF833, 0x59}, {0xF834, 0x5B}}},
    {C::cboCryFre, 0, 3, {{0xECA2, 0x15}}, {{0xECA2, 0xD5}}},
    {C::cboCryFre, 0, 0, {{0xECA2, 0xD5}}, {{0xECA2, 0x15}}},
    {C::cboCryFre, 0, 1, {{0xECA2, 0xFF}}, {{0xECA2, 0x7F}}},
    {C::cboCryFre, 0, 2, {{0xECA2, 0x00}}, {{0xECA2, 0x80}}},
    {C::chkRadioFre, 0, 1, {{0xECA2, 0x00}}, {{0xECA2, 0x02}}},
    {C::chkRadioFre, 0, 0, {{0xECA2, 0xFF}}, {{0xECA2, 0xFD}}},
    {C::chkBpsHlPara, 0, 1, {{0xE890, 0x96}}, {{0xE890, 0x00}}},
    {C::chkBpsHlPara, 0, 0, {{0xE890, 0x00}}, {{0xE890, 150}}},
    {C::cboFreBand, 0, 1, {{0xE95D, 0x00}}, {{0xE95D, 150}}},
    {C::cboFreBand, 0, 0, {{0xE95D, 0x00}}, {{0xE95D, 255}}},
    {C::cboFreBand, 1, 0, {{0xE95E, 0x00}}, {{0xE95E, 150}}},
    {C::cboFreBand, 1, 1, {{0xE95E, 0x00}}, {{0xE95E, 255}}},
    {C::cboFreBand, 2, 0, {{0xE95F, 0x00}}, {{0xE95F, 150}}},
    {C::cboFreBand, 2, 1, {{0xE95F, 0x00}}, {{0xE95F, 255}}},
    {C::cboCompanName, 0, 2, {{0xEA0A, 0x77}}, {{0xEA0A, 2}}},

    // ---- register window: squelch tables and deviations ----
    {C::cboSqlWide, 0, 200, {}, {{0xF840, 200}}},
    {C::cboSqlWide, 30, 7, {}, {{0xF85E, 7}}},
    {C::cboSqlNarrow, 0, 1, {}, {{0xF860, 1}}},
    {C::cboSqlNarrow, 30, 255, {}, {{0xF87E, 255}}},
    {C::hscWideDev134174, 0, 255, {}, {{0xE800, 255}}},
    {C::hscWideDev134174, 1, 20, {{0xE801, 0x5F}}, {{0xE801, 0x54}}},
    {C::hscNarrowDev134174, 0, 3, {}, {{0xE802, 3}}},
    {C::hscNarrowDev134174, 1, 31, {{0xE803, 0x40}}, {{0xE803, 0x5F}}},
    {C::hscWideDev200260, 0, 128, {}, {{0xE804, 128}}},
    {C::hscWideDev200260, 1, 2, {{0xE805, 0xFF}}, {{0xE805, 0xE2}}},
    {C::hscNarrowDev200260, 0, 66, {}, {{0xE806, 66}}},
    {C::hscNarrowDev200260, 1, 0, {{0xE807, 0xFF}}, {{0xE807, 0xE0}}},
    {C::hscWideDev400520, 0, 9, {}, {{0xE808, 9}}},
    {C::hscWideDev400520, 1, 1, {{0xE809, 0x00}}, {{0xE809, 0x01}}},
    {C::hscNarrowDev400520, 0, 250, {}, {{0xE80A, 250}}},
    {C::hscNarrowDev400520, 1, 17, {{0xE80B, 0xA0}}, {{0xE80B, 0xB1}}},
    {C::cboCdVoiSub, 0, 5, {{0xE801, 0x54}}, {{0xE801, 0xB4}}},
    {C::cboCdVoiSub, 3, 0, {{0xE807, 0xFF}}, {{0xE807, 0x1F}}},
    {C::cboCdVoiSub, 5, 7, {{0xE80B, 0x00}}, {{0xE80B, 0xE0}}},

    // ---- receive response and gains ----
    {C::cboRxResp42L, 0, 0x12, {}, {{0xE817, 0x12}}},
    {C::cboRxResp42H, 0, 0x34, {}, {{0xE818, 0x34}}},
    {C::cboRxResp43L, 0, 0x56, {}, {{0xE819, 0x56}}},
    {C::cboRxResp43H, 0, 0xFF, {}, {{0xE81A, 0xFF}}},
    {C::cboVoiceGainTx41H, 0, 5, {{0xE81B, 0xFF}}, {{0xE81B, 0x85}}},
    {C::cboVoiceGainTx41H, 0, 127, {{0xE81B, 0x00}}, {{0xE81B, 0x7F}}},
    {C::cboGainTx44H, 0, 15, {{0xE81C, 0xA0}}, {{0xE81C, 0xAF}}},
    {C::cboGainTx44H, 0, 0, {{0xE81C, 0xFF}}, {{0xE81C, 0xF0}}},
    {C::cboPgaGain0AH, 0, 16, {{0xE81B, 0x05}, {0xE81C, 0x3A}}, {{0xE81B, 0x85}, {0xE81C, 0x0A}}},
    {C::cboPgaGain0AH, 0, 7, {{0xE81B, 0x85}, {0xE81C, 0x0A}}, {{0xE81B, 0x05}, {0xE81C, 0x7A}}},
    {C::cboPgaGain0AH, 0, 31, {{0xE81B, 0x00}, {0xE81C, 0x00}}, {{0xE81B, 0x80}, {0xE81C, 0xF0}}},
    {C::cboVoiceGainRx41H, 0, 14, {{0xE84B, 0x00}}, {{0xE84B, 142}}},
    {C::cboVoiceGainRx41H, 0, 127, {{0xE84B, 0x00}}, {{0xE84B, 0xFF}}},
    {C::cboVoiceGainRx41H, 0, 0, {{0xE84B, 0xFF}}, {{0xE84B, 0x80}}},

    // ---- squelch thresholds: even n bits 6-0, odd n bits 13-7 of its word ----
    {C::cboSqlThreshold, 0, 1, {{0xE820, 0x80}}, {{0xE820, 0x81}}},
    {C::cboSqlThreshold, 3, 101, {{0xE822, 0x05}, {0xE823, 0xC0}}, {{0xE822, 0x85}, {0xE823, 50}}},
    {C::cboSqlThreshold, 2, 127, {{0xE822, 0x85}}, {{0xE822, 0xFF}}},
    {C::cboSqlThreshold, 16, 0, {{0xE830, 0xFF}}, {{0xE830, 0x80}}},
    {C::cboSqlThreshold, 17, 127, {{0xE830, 0x00}, {0xE831, 0xFF}}, {{0xE830, 0x80}, {0xE831, 0x3F}}},
    {C::cboSqlThreshold, 9, 0, {{0xE828, 0xFF}, {0xE829, 0xFF}}, {{0xE828, 0x7F}, {0xE829, 0x00}}},

    // ---- register 34H, 65H, soft mute, local oscillator, AFC ----
    {C::chkReg34_Interval_Dr, 0, 1, {{0xE842, 0x00}}, {{0xE842, 0x80}}},
    {C::chkReg34_Tone_Step_Dr, 0, 1, {{0xE842, 0x00}}, {{0xE842, 0x40}}},
    {C::chkReg34_Limit_Sel, 0, 0, {{0xE842, 0xFF}}, {{0xE842, 0xDF}}},
    {C::cboReg34_Over_Th_Sel, 0, 2, {{0xE842, 0xFF}}, {{0xE842, 0xEB}}},
    {C::cboReg34_Dig_Gain, 0, 12, {{0xE841, 0x06}, {0xE842, 0x28}}, {{0xE841, 0x86}, {0xE842, 0x29}}},
    {C::cboReg34_Dig_Gain, 0, 0, {{0xE841, 0xFF}, {0xE842, 0xFF}}, {{0xE841, 0x1F}, {0xE842, 0xFC}}},
    {C::cboReg34_Agc_Thd, 0, 6, {{0xE841, 0xFF}}, {{0xE841, 0xE6}}},
    {C::cboReg65H_Weak_Wide, 0, 2, {{0xE848, 0xFF}}, {{0xE848, 0xAF}}},
    {C::cboReg65H_Strong_Wide, 0, 2, {{0xE848, 0x00}}, {{0xE848, 0x04}}},
    {C::cboReg65H_Weak_Narr, 0, 7, {{0xE84A, 0x00}}, {{0xE84A, 0x70}}},
    {C::cboReg65H_Strong_Narr, 0, 0, {{0xE84A, 0xFF}}, {{0xE84A, 0xF1}}},
    {C::chkSoftMute, 0, 1, {{0xE840, 0x00}}, {{0xE840, 0x08}}},
    {C::chkSoftMute, 0, 0, {{0xE840, 0xFF}}, {{0xE840, 0xF7}}},
    {C::cboMuteTime, 0, 15, {{0xE840, 0x00}}, {{0xE840, 0xF0}}},
    {C::cboSoftMuteGain, 0, 5, {{0xE840, 0xFF}}, {{0xE840, 0xFD}}},
    {C::chkOffMindBaseCry, 0, 1, {}, {{0xE843, 0x00}, {0xE844, 0x00}}},
    {C::chkOffMindBaseCry, 0, 0, {}, {{0xE843, 0x28}, {0xE844, 0x2A}}},
    {C::chkOffAfcFunc, 0, 1, {}, {{0xE845, 0x20}, {0xE846, 0x73}}},
    {C::chkOffAfcFunc, 0, 0, {}, {{0xE845, 0x20}, {0xE846, 0x53}}},

    // ---- battery, power output, delays ----
    {C::cboBatVoltPara, 0, 0x21, {}, {{0xE907, 0x21}}},
    {C::cboBatVoltPara, 16, 0x99, {}, {{0xE917, 0x99}}},
    {C::cboRda1846SPwrOutput, 0, 1, {}, {{0xE900, 1}}},
    {C::cboRda1846SPwrOutput, 1, 7, {}, {{0xE901, 7}}},
    {C::cboRda1846SPwrOutput, 2, 0, {}, {{0xE902, 0}}},
    {C::cboTimeTone, 0, 10, {}, {{0xE92B, 10}}},
    {C::cboTimeTone, 3, 200, {}, {{0xE92E, 200}}},
};

class FieldWritesTest : public aligntest::AlignTest {
  protected:
    FieldWritesTest() { fill(0xF800, 0xF834, 0x00); }

    void change(C c, int index, int value) {
        if (WindowOf(c) == Window::AdjMode)
            AdjModeFieldChanged(a, link, image, c, index, value);
        else
            AdjMoreFieldChanged(a, image, c, index, value);
    }
    // Every byte as `before` except the expected ones.
    void expectOnly(const model::Image& before, const std::vector<Byte>& after, const std::string& what) {
        std::map<Addr, std::uint8_t> expected(after.begin(), after.end());
        for (Addr at = 0; at < image.size(); ++at) {
            auto it = expected.find(at);
            const int want = it != expected.end() ? it->second : before[at];
            if (image[at] != want)
                ADD_FAILURE() << what << ": byte " << std::hex << at << " is " << int(image[at])
                              << ", expected " << want;
        }
    }
};

TEST_F(FieldWritesTest, EachControlWritesExactlyItsBits) {
    const model::Image start = image;
    for (const Case& c : kCases) {
        image = start;
        for (auto [at, b] : c.before) image[at] = b;
        const model::Image before = image;
        change(c.control, c.index, c.value);
        const std::string what =
            std::string(NameOf(c.control)) + "(" + std::to_string(c.index) + ") = " + std::to_string(c.value);
        expectOnly(before, c.after, what);
        const auto& fields =
            WindowOf(c.control) == Window::AdjMode ? a.frmAdjMode->fields : a.frmAdjMore->fields;
        EXPECT_EQ(fields.at(c.control, c.index).Value, c.value) << what;
    }
}

TEST_F(FieldWritesTest, EveryControlOfTheMapIsCovered) {
    for (const FieldRow& r : FieldTable()) {
        if (r.form == Form::Group || r.form == Form::MenuRow) continue; // tests of their own below
        bool covered = false;
        for (const Case& c : kCases) covered = covered || c.control == r.control;
        EXPECT_TRUE(covered) << r.name;
    }
}

TEST_F(FieldWritesTest, PowerTableSumFollowsEveryChange) {
    for (int i = 0; i < 51; ++i) change(C::cboPwrAdj, i, 0);
    EXPECT_EQ(bytes(0xF833, 2), (Bytes{0x5A, 0x5A}));
    for (int i = 0; i < 51; ++i) change(C::cboPwrAdj, i, 255);
    EXPECT_EQ(bytes(0xF833, 2), (Bytes{0x27, 0x8D}));

    std::mt19937 random(7);
    for (int n = 0; n < 200; ++n) {
        const int i = static_cast<int>(random() % 51);
        const int v = static_cast<int>(random() % 256);
        change(C::cboPwrAdj, i, v);
        unsigned sum = 0x5A5A;
        for (int k = 0; k < 51; ++k) sum += image[0xF800 + k];
        ASSERT_EQ(image[0xF800 + i], v);
        ASSERT_EQ(image[0xF833] | image[0xF834] << 8, sum) << "after list " << i << " = " << v;
    }
}

TEST_F(FieldWritesTest, Register5AWritesItsWordOnceAllFiveListsHaveAChoice) {
    put(0xE832, {0x00, 0x80});
    const model::Image before = image;
    const int positions[] = {1, 2, 3, 4, 5};
    for (int k = 0; k < 4; ++k) change(C::cboReg5A, k, positions[k]);
    expectOnly(before, {}, "four of five lists");
    change(C::cboReg5A, 4, positions[4]);
    expectOnly(before, {{0xE832, 0xD1}, {0xE833, 0x58}}, "all five lists");
    change(C::cboReg5A, 0, 7);
    expectOnly(before, {{0xE832, 0xD7}, {0xE833, 0x58}}, "PkDet... list 0 again");
}

TEST_F(FieldWritesTest, EnableBoxesRewriteTheirWholeByte) {
    put(0xE81E, {0x5C});
    const model::Image before = image;
    change(C::chkEnableSqlCacl, 1, 1);
    expectOnly(before, {{0xE81E, 0x02}}, "box 1");
    change(C::chkEnableSqlCacl, 7, 1);
    expectOnly(before, {{0xE81E, 0x82}}, "boxes 1 and 7");
    change(C::chkEnableSqlCacl, 1, 0);
    expectOnly(before, {{0xE81E, 0x80}}, "box 7");
}

TEST_F(FieldWritesTest, MenuGridStoresTheItemOr255) {
    const model::Image before = image;
    vsfgGridMenu_AfterEdit(a, image, 1, -1);
    vsfgGridMenu_AfterEdit(a, image, 2, 0);
    vsfgGridMenu_AfterEdit(a, image, 4, 3);
    expectOnly(before, {{0xEA80, 255}, {0xEA81, 255}, {0xEA83, 2}}, "menu rows");
    a.AdjParaShowing = -1; // the grid stores also while a display runs
    vsfgGridMenu_AfterEdit(a, image, 3, 1);
    EXPECT_EQ(image[0xEA82], 0);
}

TEST_F(FieldWritesTest, RegisterDefaultButtonsWriteTheirWords) {
    const model::Image before = image;
    cmdReg34H_Def_Click(image);
    cmdReg65H_Def_Click(image);
    expectOnly(
        before,
        {{0xE841, 0x86}, {0xE842, 0x29}, {0xE847, 0x8A}, {0xE848, 0x24}, {0xE849, 0x94}, {0xE84A, 0x24}},
        "defaults");
}

TEST_F(FieldWritesTest, RegisterWindowStoresNothingWhileTheDisplayRuns) {
    const model::Image before = image;
    a.AdjParaShowing = -1;
    for (const Case& c : kCases)
        if (WindowOf(c.control) == Window::AdjMore) change(c.control, c.index, c.value);
    EXPECT_TRUE(image == before);
    // The alignment window's handlers do not look at the guard.
    change(C::cboCompanName, 0, 1);
    EXPECT_EQ(image[0xEA0A], 1);
}

TEST_F(FieldWritesTest, ScrollBarShowsItsValueAndBatteryListRefreshesTheFlashGrid) {
    change(C::hscWideDev200260, 1, 17);
    EXPECT_EQ(a.frmAdjMore->fields.at(C::hscWideDev200260, 1).Text, "17");
    host.calls.clear();
    change(C::cboBatVoltPara, 3, 9);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RefreshFlashRange 59655-59671"})); // 0xE907-0xE917
}

TEST_F(FieldWritesTest, EightEntryListsStoreTheirPositionBeforeTheFirstDisplay) {
    AdjMoreWindow& w = AdjMore(a);
    const FieldControl& threshold = w.fields.at(C::cboSqlThreshold, 0);
    EXPECT_EQ(threshold.ListCount, 8);
    EXPECT_EQ(threshold.EntryText(0), "1");
    EXPECT_EQ(threshold.EntryText(7), "8");
    change(C::cboSqlThreshold, 0, 0); // the entry "1"
    EXPECT_EQ(image[0xE820] & 0x7F, 0);
    change(C::cboSqlThreshold, 0, 7); // the entry "8"
    EXPECT_EQ(image[0xE820] & 0x7F, 7);
    EXPECT_EQ(w.fields.at(C::cboRda1846SPwrOutput, 1).EntryText(1), "-11.9dBm");
    EXPECT_EQ(w.fields.at(C::cboRda1846SPwrOutput, 2).EntryText(0), "1");
}

} // namespace
