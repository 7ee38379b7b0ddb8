// Loading the settings pages: what each control shows, every repair a load
// makes, and that a load changes nothing else.
#include "tests/channels/SettingsFixture.h"

#include "tools/datagen/DefaultImage.h"

#include <random>
#include <set>
#include <stdexcept>

namespace settingstest {
namespace {

// A byte a combo shows as it is, and a byte it cannot show with what the
// load makes of it.
struct Repair {
    int index;
    Addr addr;
    std::uint8_t kept;
    int keptPosition;
    std::uint8_t bad;
    std::uint8_t repaired;
    int repairedPosition;
};

// clang-format off
const Repair kRepairs[] = {
    {4,  0xEC0C, 20,   20,  21,   2,   2},   {5,  0xEC43, 10,  10,  11,  0,   0},
    {6,  0xEC16, 2,    2,   3,    0,   0},   {7,  0xEC42, 5,   5,   6,   0,   0},
    {8,  0xEC05, 9,    9,   10,   5,   5},   {9,  0xEC15, 8,   8,   9,   0,   0},
    {10, 0xEC58, 30,   30,  31,   10,  10},  {13, 0xEC41, 7,   7,   8,   4,   4},
    {14, 0xEC23, 24,   24,  25,   0,   0},   {15, 0xEC03, 9,   9,   10,  4,   4},
    {16, 0xEC46, 5,    5,   6,    2,   2},   {21, 0xEC4E, 25,  25,  26,  3,   3},
    {22, 0xEC1D, 25,   25,  26,   3,   3},   {59, 0xEC9F, 10,  10,  11,  10,  10},
    {61, 0xEC4C, 128,  128, 129,  0,   0},   {62, 0xEC4D, 128, 128, 129, 0,   0},
    {23, 0xEC13, 10,   10,  11,   0,   0},   {25, 0xEC49, 250, 250, 251, 30,  30},
    {26, 0xEC9B, 150,  150, 151,  150, 150}, {27, 0xEC9C, 150, 150, 151, 150, 150},
    {29, 0xEC44, 31,   31,  32,   17,  17},  {30, 0xEC45, 15,  15,  16,  15,  15},
    {31, 0xEC93, 24,   24,  25,   0,   0},   {32, 0xEC17, 2,   2,   3,   0,   0},
    {33, 0xEC5D, 1,    1,   7,    1,   1},   {39, 0xEC5E, 1,   1,   255, 1,   1},
    {40, 0xEC5C, 128,  128, 129,  0,   0},   {56, 0xEC5A, 199, 199, 200, 0,   0},
    {70, 0xEC32, 128,  128, 129,  0,   0},   {69, 0xEC33, 199, 199, 200, 0,   0},
    {68, 0xEC31, 250,  250, 251,  10,  10},  {66, 0xEC34, 128, 128, 129, 0,   0},
    {65, 0xEC35, 199,  199, 200,  0,   0},   {71, 0xEC01, 4,   4,   5,   4,   4},
    {72, 0xEC21, 10,   10,  11,   7,   7},   {41, 0xEC07, 7,   7,   8,   4,   4},
    {42, 0xEC08, 3,    3,   4,    1,   1},   {43, 0xEC09, 3,   3,   4,   0,   0},
    {44, 0xEC0A, 3,    3,   4,    0,   0},   {45, 0xEC2D, 250, 250, 251, 40,  40},
    {46, 0xEC2E, 242,  242, 243,  242, 242}, {47, 0xEC2F, 242, 242, 243, 242, 242},
    {49, 0xEC37, 250,  250, 251,  250, 250}, {50, 0xEC38, 6,   6,   7,   0,   0},
    {51, 0xEC39, 250,  250, 251,  0,   0},   {52, 0xE146, 0x23, 6,  0x45, 0,  0},
    {53, 0xE149, 1,    1,   2,    0,   0},   {54, 0xEC3E, 250, 250, 251, 250, 250},
    {55, 0xEC5F, 250,  250, 251,  250, 250},
};
// clang-format on

// Boxes whose byte a load writes back as 1, and those whose byte it keeps.
const Addr kSetToOne[] = {0xEC1B, 0xEC0B, 0xEC0E, 0xEC29, 0xEC47, 0xEC50, 0xEC4B,
                          0xEC59, 0xEC4A, 0xEC0F, 0xEC2B, 0xEC3A, 0xEC3D};
const Addr kKept[] = {0xEC60, 0xEC2C, 0xEC3F, 0xEC5B};
const Addr kKeyAddr[] = {0xEC24, 0xEC25, 0xEC26, 0xEC27, 0xEC36};
const int kKeyHighest[] = {15, 15, 13, 13, 13};

std::uint8_t repaired(const Repair& r, std::uint8_t b) {
    if (r.index == 52) {
        for (std::uint8_t c : {0x41, 0x42, 0x43, 0x44, 0x2A, 0x23})
            if (b == c) return b;
        return 0;
    }
    return b > r.kept ? r.repaired : b;
}

// The image a load leaves: the named repairs and nothing else.
model::Image afterLoad(model::Image image) {
    for (const Repair& r : kRepairs) image[r.addr] = repaired(r, image[r.addr]);
    for (Addr a : kSetToOne)
        if (image[a] != 0) image[a] = 1;
    for (int k = 0; k < 5; ++k)
        if (image[kKeyAddr[k]] > kKeyHighest[k]) image[kKeyAddr[k]] = 0;
    return image;
}

std::set<Addr> diff(const model::Image& a, const model::Image& b) {
    std::set<Addr> out;
    for (Addr i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) out.insert(i);
    return out;
}

TEST_F(SettingsTest, EveryRepairOnLoadAndItsBoundary) {
    for (const Repair& r : kRepairs) {
        SCOPED_TRACE("cboPc(" + std::to_string(r.index) + ")");
        m.IicDat.fill(0x00);
        m.IicDat[r.addr] = r.kept;
        channels::InitOpt(p, m);
        EXPECT_EQ(m.IicDat[r.addr], r.kept);
        EXPECT_EQ(p.cboPc[r.index].ListIndex, r.keptPosition);

        m.IicDat[r.addr] = r.bad;
        channels::InitOpt(p, m);
        EXPECT_EQ(m.IicDat[r.addr], r.repaired);
        EXPECT_EQ(p.cboPc[r.index].ListIndex, r.repairedPosition);
    }
}

TEST_F(SettingsTest, CheckBoxBytesAreTickedAndWrittenBackAsOneOrKept) {
    m.IicDat.fill(0x80);
    channels::InitOpt(p, m);
    for (Addr a : kSetToOne) EXPECT_EQ(m.IicDat[a], 1) << a;
    for (Addr a : kKept) EXPECT_EQ(m.IicDat[a], 0x80) << a;
    for (int i : {2, 3, 4, 8, 9, 12, 13, 15, 17, 18, 24, 26, 27, 28, 29, 30, 31, 32, 34})
        EXPECT_EQ(p.chkPc[i].Value, 1) << i;
    for (int i : {5, 6, 7, 11, 20, 21, 22, 23, 33, 35}) EXPECT_EQ(p.chkPc[i].Value, 0) << i;
    EXPECT_EQ(m.IicDat[0xEC9A], 0x80); // bit fields are never rewritten
}

TEST_F(SettingsTest, KeyBytesAboveTheirHighestFunctionLoadAsOff) {
    m.IicDat.fill(0x00);
    put(0xEC24, {15});
    put(0xEC26, {14});
    put(0xEC36, {13});
    channels::InitOpt(p, m);
    EXPECT_EQ(p.listSkKey[0].ListIndex, 15);
    EXPECT_EQ(p.listSkKey[0].items.at(15), "16--1750Hz");
    EXPECT_EQ(p.listSkKey[2].ListIndex, 0);
    EXPECT_EQ(m.IicDat[0xEC26], 0);
    EXPECT_EQ(p.listSkKey[4].ListIndex, 13);
    EXPECT_EQ(p.listSkKey[0].items.size(), 16u);
    EXPECT_EQ(p.listSkKey[2].items.size(), 14u);
    EXPECT_EQ(p.SkKeyBusy, 0);
}

// Scan Mode and Low Battery Tone Sort have three items and no repair value.
TEST_F(SettingsTest, ABytePastAListWithoutRepairLeavesTheListEmptyAndTheByteAsItWas) {
    m.IicDat.fill(0x00);
    put(0xEC14, {3});
    put(0xEC48, {0xFF});
    channels::InitOpt(p, m);
    EXPECT_EQ(p.OptLoading, 0);
    EXPECT_EQ(p.cboPc[20].ListIndex, -1);
    EXPECT_EQ(p.cboPc[24].ListIndex, -1);
    EXPECT_EQ(m.IicDat[0xEC14], 3);
    EXPECT_EQ(m.IicDat[0xEC48], 0xFF);

    // The pages still store afterwards, the lists too.
    channels::UserChoosePc(p, m, 4, 7);
    EXPECT_EQ(m.IicDat[0xEC0C], 7);
    channels::UserChoosePc(p, m, 20, 1);
    EXPECT_EQ(m.IicDat[0xEC14], 1);
}

class LoadKeepsTheImage : public SettingsTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(LoadKeepsTheImage, ExceptForTheNamedRepairs) {
    std::mt19937 random(GetParam());
    for (auto& b : m.IicDat) b = static_cast<std::uint8_t>(random());
    if (GetParam() == 0) m.IicDat.fill(0xFF);
    if (GetParam() == 1) m.IicDat.fill(0x00);
    const model::Image expected = afterLoad(m.IicDat);
    channels::InitOpt(p, m);
    EXPECT_EQ(diff(m.IicDat, expected), std::set<Addr>{});
    EXPECT_EQ(p.OptLoading, 0);

    // A second load finds nothing more to repair.
    const model::Image once = m.IicDat;
    channels::InitOpt(p, m);
    EXPECT_EQ(diff(m.IicDat, once), std::set<Addr>{});
}

INSTANTIATE_TEST_SUITE_P(Images, LoadKeepsTheImage, ::testing::Values(0u, 1u, 15u, 1046u, 65535u));

TEST_F(SettingsTest, TheDefaultImageLoadsUnchanged) {
    const model::Image image = datagen::BuildDefaultImage();
    std::copy(image.begin(), image.end(), m.IicDat.begin());
    channels::InitOpt(p, m);
    EXPECT_EQ(diff(m.IicDat, image), std::set<Addr>{});
    EXPECT_EQ(p.cboVoxCmpDat[1].ToolTip, "2200mv");
    EXPECT_EQ(p.cboVoxCmpDat[10].ToolTip, "453mv");
}

TEST_F(SettingsTest, LoadShowsTheSpecialValueForms) {
    m.IicDat.fill(0xFF);
    const std::pair<std::uint8_t, std::pair<int, int>> modes[] = {
        {0x05, {1, 1}}, {0x0A, {0, 0}}, {0x00, {2, 2}}, {0x03, {1, 2}}, {0xFF, {1, 1}}};
    for (const auto& [byte, shown] : modes) {
        put(0xEC92, {byte});
        put(0xE602, {0x45});
        put(0xE146, {0x2A});
        channels::InitOpt(p, m);
        EXPECT_EQ(p.cboPc[11].ListIndex, shown.first) << int(byte);
        EXPECT_EQ(p.cboPc[12].ListIndex, shown.second) << int(byte);
        EXPECT_EQ(m.IicDat[0xEC92], byte);
    }
    EXPECT_EQ(p.cboPc[57].ListIndex, 63);
    EXPECT_EQ(p.cboPc[52].ListIndex, 5);
    EXPECT_EQ(p.cboPc[52].items.at(5), "E");
}

TEST_F(SettingsTest, LoadShowsEachCodeFieldByItsOwnBytes) {
    m.IicDat.fill(0xFF);
    for (Addr a = 0xE110; a < 0xE120; ++a) m.IicDat[a] = 0x31;
    put(0xE130, {0x41, 0x42, 0x43, 0x45, 0x46});
    put(0xE010, {0x39, 0x20, 0x23});
    channels::InitOpt(p, m);
    EXPECT_EQ(p.txtPc[5].Text, "1111111111111111");
    EXPECT_EQ(p.txtPc[6].Text, "");
    EXPECT_EQ(p.txtPc[7].Text, "ABCEF");
    EXPECT_TRUE(p.cboPc[53].Enabled);
    EXPECT_EQ(p.txtAutoMem[0].Text, "");
    EXPECT_EQ(p.txtAutoMem[1].Text, "9 F");
}

TEST_F(SettingsTest, LoadShowsTheTextLinesAndCodes) {
    m.IicDat.fill(0xFF);
    put(0xE610, {0x41, 0x00, 0xFF, 0xFF, 0x42, 0x00});
    put(0xE6D0, {17, 14, 21, 21, 24, 36});
    put(0xE6E0, {1, 0xFF, 2});
    put(0xE717, {1, 0xFF, 2});
    channels::InitOpt(p, m);
    EXPECT_EQ(p.txtPc[2].Text, "AB");
    EXPECT_EQ(p.txtPc[8].Text, "HELLO");
    EXPECT_EQ(p.txtPc[10].Text, "12");
    EXPECT_EQ(p.txtPc[11].Text, "1");
}

// The side grids' steps, in their place in the load: whatever changes a
// control meanwhile stores nothing.
TEST_F(SettingsTest, SideGridStepsRunInOrderWhileEveryChangeStoresNothing) {
    std::vector<std::string> steps;
    m.IicDat.fill(0x00);
    put(0xE610, {0x41, 0x00});
    const model::Image before = afterLoad(m.IicDat);
    view.onChange = [&](Ctl c, int index) {
        const char* step = c == Ctl::PhoneBook  ? "phone book"
                           : c == Ctl::TwoTone  ? "two-tone"
                           : c == Ctl::Radio    ? "FM"
                           : c == Ctl::RdWrCode ? "read/write code"
                                                : nullptr;
        if (!step || index != (c == Ctl::RdWrCode ? channels::RdWrCodeBox : 1)) return;
        const std::string seen = std::string(step) + (p.txtPc[2].Text == "A" ? " after the lines" : "");
        if (!steps.empty() && steps.back() == seen) return;
        steps.push_back(seen);
        EXPECT_EQ(p.OptLoading, -1);
        channels::UserChoosePc(p, m, 4, 9);
        channels::UserTickPc(p, m, 3, 1 - p.chkPc[3].Value);
        channels::UserTypePc(p, m, 4, "123");
        channels::UserChooseVox(p, m, 3, 99);
        channels::UserTypeAutoMem(p, m, 2, "77");
        channels::UserPressPc(p, m, 2);
        channels::UserEditTwoTone(p, m, 2, 1, "1000");
        channels::UserEditRadio(p, m, 2, 1, "98.1");
        channels::UserEditPhoneBook(p, m, 2, 2, "AB");
    };
    channels::InitOpt(p, m);
    EXPECT_EQ(steps,
              (std::vector<std::string>{"phone book", "two-tone", "FM", "read/write code after the lines"}));
    EXPECT_EQ(diff(m.IicDat, before), std::set<Addr>{});
    EXPECT_EQ(p.OptLoading, 0);
}

TEST_F(SettingsTest, AFailedLoadReleasesTheGuard) {
    m.IicDat.fill(0x00);
    view.onChange = [](Ctl, int) { throw std::runtime_error("broken show"); };
    EXPECT_THROW(channels::InitOpt(p, m), std::runtime_error);
    EXPECT_EQ(p.OptLoading, 0);
    EXPECT_THROW(channels::SetOptList(p, m), std::runtime_error);
    EXPECT_EQ(p.OptLoading, 0);

    view.onChange = nullptr;
    channels::UserChoosePc(p, m, 4, 3);
    EXPECT_EQ(m.IicDat[0xEC0C], 3);
}

} // namespace
} // namespace settingstest
