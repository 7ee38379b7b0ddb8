// Band presets, the custom band's checks, and the shipped grid layout
// against the channel codec.
#include "tests/channels/ChannelsFixture.h"

#include "app/FaceText.h"
#include "channels/BandPresets.h"
#include "channels/ChGridEdit.h"
#include "channels/ChannelTexts.h"
#include "model/ChTable.h"

#include "platform/Numbers.h"

namespace channelstest {
namespace {

using channels::CustomBandCheck;

class BandTest : public ChannelsTest {};

TEST_F(BandTest, PresetBands) {
    EXPECT_EQ(channels::PresetBand(0).low, 13400000);
    EXPECT_EQ(channels::PresetBand(7).low, 40000000);
    EXPECT_EQ(channels::PresetBand(7).high, 47000000);
    EXPECT_EQ(channels::PresetBand(13).low, 12000000);
    EXPECT_THROW(channels::PresetBand(14), platform::Failure);
}

TEST_F(BandTest, ApplyingABandStoresItAndNamesThePreset) {
    grid.preset = 3;
    channels::ApplyBand2(m, grid, {15000000, 17400000});
    EXPECT_EQ(grid.boxes[2], "150.00000");
    EXPECT_EQ(grid.boxes[3], "174.00000");
    EXPECT_EQ(m.ValidFreRange[4], 15000000);
    EXPECT_EQ(m.ValidFreRange[5], 17399500);
    EXPECT_EQ(bytes(0xE708, 8), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x15, 0x00, 0x00, 0x40, 0x17}));
    EXPECT_EQ(grid.caption, "150 - 174 MHz");
    // Whole megahertz: a custom band's fractions are cut.
    grid.preset = 14;
    channels::ApplyBand2(m, grid, {12070000, 30020000});
    EXPECT_EQ(grid.boxes[2], "120.00000");
    EXPECT_EQ(grid.boxes[3], "300.00000");
    EXPECT_EQ(grid.caption, "Custom  120 - 300 MHz");
}

TEST_F(BandTest, TheModelListStoresItsChoiceBesideTheBandBlock) {
    channels::ChooseModel(m, 1);
    std::vector<std::uint8_t> expected(18, 0xFF);
    expected[0x10] = 1;
    EXPECT_EQ(bytes(0xE700, 18), expected);
    // A list with no choice (emptied while it refills) stores the first model, not 0xFF.
    channels::ChooseModel(m, -1);
    EXPECT_EQ(m.IicDat[model::map::ModelByte], 0);
}

struct Custom {
    const char* low;
    const char* high;
    CustomBandCheck check;
};
class CustomBand : public ::testing::TestWithParam<Custom> {};
TEST_P(CustomBand, Checked) {
    EXPECT_EQ(channels::CheckCustomBand(GetParam().low, GetParam().high), GetParam().check)
        << GetParam().low << " - " << GetParam().high;
}
INSTANTIATE_TEST_SUITE_P(, CustomBand,
                         ::testing::Values(Custom{"150", "160", CustomBandCheck::Ok},
                                           Custom{"120.7", "300.2", CustomBandCheck::Ok},
                                           Custom{"120", "520", CustomBandCheck::Ok},
                                           Custom{"150", "151", CustomBandCheck::Ok},
                                           Custom{"100", "200", CustomBandCheck::OutOfRange},
                                           Custom{"150", "520.1", CustomBandCheck::OutOfRange},
                                           Custom{"abc", "200", CustomBandCheck::NotNumbers},
                                           Custom{"150", "", CustomBandCheck::NotNumbers},
                                           Custom{"300", "200", CustomBandCheck::NoValidRange},
                                           Custom{"520", "520", CustomBandCheck::NoValidRange},
                                           Custom{"120.7", "120.9", CustomBandCheck::NoValidRange},
                                           Custom{"150", "150.99", CustomBandCheck::NoValidRange},
                                           Custom{"150", "150.999", CustomBandCheck::Ok}));

TEST(CustomBandText, StartValuesAndRefusals) {
    EXPECT_EQ(channels::WholeMhzText("400.00000"), "400");
    EXPECT_EQ(channels::WholeMhzText("055.00000"), "055");
    EXPECT_EQ(channels::WholeMhzText("120.70000"), "121");
    for (int lang : {1, 2, 3, 7})
        for (auto check :
             {CustomBandCheck::NotNumbers, CustomBandCheck::OutOfRange, CustomBandCheck::NoValidRange})
            EXPECT_FALSE(channels::CustomBandRefusal(check, lang).empty());
    EXPECT_TRUE(channels::CustomBandRefusal(CustomBandCheck::Ok, 3).empty());
}

// Every option column of the shipped layout has exactly the values its field
// of the channel record can hold: the largest one survives an encode and a
// decode, one more does not.
TEST_F(BandTest, TheShippedLayoutMatchesTheChannelRecord) {
    for (std::int16_t lang : {1, 2, 3}) {
        SCOPED_TRACE(lang);
        app::shell().LangIndex = lang;
        model::ReadChInfo(m);
        ASSERT_EQ(m.ChCount, 256);
        ASSERT_EQ(m.ChColCount, 18);
        EXPECT_EQ(m.ChColList[1][0], "RxFre");
        EXPECT_EQ(m.ChColList[2][0], "TxFre");
        EXPECT_EQ(m.ChColList[3][0], "CtcssDcsDec");
        EXPECT_EQ(m.ChColList[4][0], "CtcssDcsEnc");
        EXPECT_EQ(m.ChColList[11][0], "CHNAME");
        EXPECT_EQ(std::count(m.ChGridFormat.begin(), m.ChGridFormat.end(), '|'), m.ChColCount);
        // The channel-number header says "channel" as the interface does.
        app::InitFaceText(app::shell());
        EXPECT_EQ(m.ChGridFormat.substr(0, m.ChGridFormat.find('|')),
                  "^" + app::text(channels::kTextFirstWorkMode));
        for (int c = channels::FirstOptionCol; c <= m.ChColCount; ++c) {
            if (c == channels::ColName) continue;
            SCOPED_TRACE(c);
            const auto& list = m.ChColList[c];
            ASSERT_FALSE(channels::IsFixedColumnKey(list[0]));
            const int n = platform::toInt16(list[1]);
            // The drop-down items are the option texts.
            std::string items;
            for (int v = 0; v < n; ++v) items += (v ? "|" : "") + list[v + 3];
            EXPECT_EQ(list[0], items);
            EXPECT_TRUE(list[n + 3].empty());
            const int def = platform::toInt16(list[2]);
            EXPECT_TRUE(def >= 0 && def < n);

            m.ChInfo[1] = {};
            m.ChInfo[1][1] = 40000000;
            m.ChInfo[1][2] = 40000000;
            m.ChInfo[1][c] = n - 1;
            model::ChInfoToIicDat(m);
            model::IicDatToChInfo(m);
            EXPECT_EQ(m.ChInfo[1][c], n - 1);
            m.ChInfo[1][c] = n;
            model::ChInfoToIicDat(m);
            model::IicDatToChInfo(m);
            EXPECT_NE(m.ChInfo[1][c], n);
        }
    }
}

} // namespace
} // namespace channelstest
