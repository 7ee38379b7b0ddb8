// The option lists of the settings pages and the repairs made when they are
// built.
#include "tests/channels/SettingsFixture.h"

namespace settingstest {
namespace {

struct ListSize {
    int index;
    std::size_t items;
};

// clang-format off
const ListSize kSizes[] = {
    {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 21}, {5, 11}, {6, 3}, {7, 6}, {8, 10}, {9, 9}, {10, 31},
    {11, 3}, {12, 3}, {13, 8}, {14, 25}, {15, 10}, {16, 6}, {17, 0}, {18, 0}, {19, 0}, {20, 3},
    {21, 26}, {22, 26}, {23, 11}, {24, 3}, {25, 251}, {26, 151}, {27, 151}, {28, 2}, {29, 32},
    {30, 16}, {31, 25}, {32, 3}, {33, 2}, {34, 256}, {35, 256}, {36, 256}, {37, 256}, {38, 2},
    {39, 2}, {40, 129}, {41, 8}, {42, 4}, {43, 4}, {44, 4}, {45, 251}, {46, 243}, {47, 243},
    {48, 0}, {49, 251}, {50, 7}, {51, 251}, {52, 7}, {53, 2}, {54, 251}, {55, 251}, {56, 200},
    {57, 256}, {58, 0}, {59, 11}, {60, 0}, {61, 129}, {62, 129}, {63, 0}, {64, 0}, {65, 200},
    {66, 129}, {67, 0}, {68, 251}, {69, 200}, {70, 129}, {71, 5}, {72, 11},
};

struct ListText {
    int index;
    int position;
    const char* text;
};

const ListText kTexts[] = {
    {4, 0, "Off"}, {4, 20, "600s"}, {5, 10, "10s"}, {7, 5, "Tone-5"}, {9, 1, "Auto 5"},
    {9, 8, "Auto+Save 30"}, {10, 30, "30s"}, {11, 2, "CH+Frequency"}, {13, 7, "8--240 + Freq"},
    {14, 24, "24Hour"}, {15, 0, "1"}, {16, 5, "3.0s"}, {20, 1, "CO"}, {21, 25, "25s"}, {23, 10, "1 - 10"},
    {24, 0, "Off"}, {24, 2, "Tone 2"}, {25, 250, "250s"}, {26, 3, "0.15s"}, {26, 150, "7.50s"},
    {29, 31, "32"}, {34, 0, "Continue"}, {34, 255, "255s"}, {36, 0, "Off"}, {37, 255, "255"},
    {40, 1, "A Grp  1"}, {66, 128, "A Grp  128"}, {41, 2, "Auto 2"}, {41, 7, "Auto 25"},
    {42, 0, "Off"}, {42, 3, "Color3"}, {45, 250, "5000"}, {46, 0, "80"}, {47, 242, "2500"},
    {49, 1, "1s"}, {50, 6, "F"}, {51, 1, "Continuous"}, {51, 2, "Glint20s"}, {51, 250, "Glint2500s"},
    {53, 1, "Tx/Rx Inhibit"}, {54, 0, "0s"}, {55, 1, "20"}, {56, 0, "Off"}, {56, 1, "1"},
    {69, 199, "199"}, {57, 255, "255"}, {59, 10, "10"}, {61, 1, "A  1"}, {62, 128, "B  128"},
    {68, 0, "Off"}, {71, 4, "Auto Select"}, {72, 0, "2.50K"}, {72, 10, "100.0K"},
};
// clang-format on

TEST_F(SettingsTest, EveryListHasOneItemPerStorableValue) {
    for (const ListSize& s : kSizes) EXPECT_EQ(p.cboPc[s.index].items.size(), s.items) << s.index;
    for (const auto& f : channels::ComboFields())
        EXPECT_EQ(p.cboPc[f.index].items.size(), static_cast<std::size_t>(f.items)) << f.index;
    for (int level = 1; level <= 10; ++level) EXPECT_EQ(p.cboVoxCmpDat[level].items.size(), 256u);
}

TEST_F(SettingsTest, ListTextsInEnglish) {
    for (const ListText& t : kTexts)
        EXPECT_EQ(p.cboPc[t.index].items.at(static_cast<std::size_t>(t.position)), t.text)
            << t.index << " " << t.position;
}

TEST_F(SettingsTest, ListTextsComeFromTheLanguagesTable) {
    app::shell().LangIndex = 2;
    app::InitFaceText();
    channels::SetOptList(p, m);
    EXPECT_EQ(p.cboPc[4].items[1], "30秒");
    EXPECT_EQ(p.cboPc[40].items[1], "A組  1");
    EXPECT_EQ(p.cboPc[61].items[1], "A  1");
    EXPECT_EQ(p.cboPc[72].items[0], "2.50K");
}

TEST_F(SettingsTest, BuildingTheListsAgainGivesTheSameListsWithoutSelection) {
    load(0x00);
    const auto first = p.cboPc;
    channels::SetOptList(p, m);
    for (int i = 0; i < channels::PcComboCount; ++i) {
        EXPECT_EQ(p.cboPc[i].items, first[i].items) << i;
        if (i != 57) {
            EXPECT_EQ(p.cboPc[i].ListIndex, -1) << i;
        }
    }
    EXPECT_EQ(p.OptLoading, 0);
}

TEST_F(SettingsTest, BuildingTheListsRepairsTheDigitTimesAndTheIdGroup) {
    put(0xEC2D, {250, 242, 242});
    put(0xEC38, {6});
    channels::SetOptList(p, m);
    EXPECT_EQ(bytes(0xEC2D, 3), (std::vector<std::uint8_t>{250, 242, 242}));
    EXPECT_EQ(m.IicDat[0xEC38], 6);

    put(0xEC2D, {251, 243, 255});
    put(0xEC38, {7});
    channels::SetOptList(p, m);
    EXPECT_EQ(bytes(0xEC2D, 3), (std::vector<std::uint8_t>{40, 242, 242}));
    EXPECT_EQ(m.IicDat[0xEC38], 0);
}

TEST_F(SettingsTest, VoxTipsInMillivolts) {
    EXPECT_EQ(channels::VoxTip(170), "2200mv");
    EXPECT_EQ(channels::VoxTip(155), "2006mv");
    EXPECT_EQ(channels::VoxTip(35), "453mv");
    EXPECT_EQ(channels::VoxTip(0), "0mv");
    EXPECT_EQ(channels::VoxTip(255), "3300mv");
}

} // namespace
} // namespace settingstest
