#include "tests/model/ModelFixture.h"

#include "model/Bands.h"
#include "model/Frequency.h"

#include "app/Settings.h"

using namespace model;
using modeltest::ModelTest;

namespace {

class BandsTest : public ModelTest {
  protected:
    void boxes(const char* b0, const char* b1, const char* b2, const char* b3) {
        const char* t[4] = {b0, b1, b2, b3};
        for (int k = 0; k < 4; ++k) window.bandBox[k] = t[k];
    }
    std::vector<std::string> boxTexts() const {
        return {window.bandBox[0], window.bandBox[1], window.bandBox[2], window.bandBox[3]};
    }
    void storeBand2(std::int32_t low, std::int32_t high) {
        StoreBcdFre(m, map::BandLimitAddr(2), low);
        StoreBcdFre(m, map::BandLimitAddr(3), high);
    }
    std::vector<std::string> settingKeys() const {
        std::vector<std::string> v;
        for (int k = 0; k < 4; ++k) v.push_back(app::ReadSetting(app::FreBandKey(k)));
        return v;
    }
};

TEST_F(BandsTest, RasterSnapsToTheNearerPointATieGoingTo6_25kHz) {
    struct Case {
        const char* text;
        std::int32_t snapped;
    } cases[] = {{"200", 250},
                 {"600", 625},
                 {"100", 0},
                 {"375", 500},
                 {"125", 0},
                 {"625", 625},
                 {"1200", 1250},
                 {"13600000", 13600000},
                 {"42000310", 42000250},
                 {"43501250", 43501250}};
    for (const auto& c : cases) EXPECT_EQ(ModifyTxRxFre(c.text), c.snapped) << c.text;
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(ModifyTxRxFre("abc"), std::nullopt);
    EXPECT_TRUE(wasReported("modChMem->ModifyTxRxFre:"));
}

TEST_F(BandsTest, ShowFreRangeSelectsThePresetOfBand2) {
    struct Case {
        std::int32_t low, high;
        int preset;
    } cases[] = {{13600000, 17400000, 1},
                 {42000000, 45000000, 14},
                 {40000000, 47000000, 7},
                 {12000000, 52000000, 13},
                 {40000000, 47000250, 14}};
    for (const auto& c : cases) {
        window.presetIndex = 0;
        put(map::FreRangeBlock, {0x12, 0x34, 0x56, 0x78, 0x99, 0x99, 0x99, 0x99});
        storeBand2(c.low, c.high);
        ShowFreRange(m);
        EXPECT_EQ(window.presetIndex, c.preset) << c.low;
        EXPECT_EQ(window.bandBox[0], "004.60000");
        EXPECT_EQ(window.bandBox[1], "004.70000");
        EXPECT_EQ(window.bandBox[2], FreBoxText(c.low));
        EXPECT_EQ(bytes(map::FreRangeBlock, 8),
                  (std::vector<std::uint8_t>{0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00}));
    }
    // The preset list's click handler ran while the guard was set; it is released after.
    EXPECT_FALSE(window.busyAtPresetClick.empty());
    for (auto busy : window.busyAtPresetClick) EXPECT_EQ(busy, -1);
    EXPECT_EQ(m.FreRangeBusy, 0);
}

TEST_F(BandsTest, ShowFreRangeOfAnUnreadableBandFallsBack) {
    window.presetIndex = 3;
    put(map::BandLimitAddr(2), {0xFF, 0xFF, 0xFF, 0xFF});
    ShowFreRange(m);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"55.00000", "55.10000", "400.00000", "470.00000"}));
    EXPECT_EQ(window.presetIndex, 3);
    EXPECT_EQ(m.FreRangeBusy, 0);
    EXPECT_TRUE(wasReported("modChMem->ShowFreRange"));
}

TEST_F(BandsTest, FreBandSolStoresSnappedLimitsEverywhere) {
    boxes("004.60000", "004.70000", "420.0031", "450");
    window.presetIndex = CustomPresetIndex;
    FreBandSol(m, 2);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"004.60000", "004.70000", "420.00250", "450.00000"}));
    EXPECT_EQ(m.FreBandLimit, (std::array<std::int32_t, 4>{460000, 470000, 42000250, 45000000}));
    EXPECT_EQ(m.ValidFreRange, (std::array<std::int32_t, 8>{460000, 469500, 460000, 470000, 42000250,
                                                            44999500, 42000250, 45000000}));
    EXPECT_EQ(bytes(map::FreRangeBlock, 16),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00, 0x50, 0x02, 0x00,
                                         0x42, 0x00, 0x00, 0x00, 0x45}));
    EXPECT_EQ(settingKeys(), boxTexts());
    EXPECT_EQ(window.caption, "Custom  420 - 450 MHz");
    EXPECT_TRUE(reported.empty());
}

TEST_F(BandsTest, FreBandSolOrdersOnlyTheEditedBand) {
    struct Case {
        int index;
        const char *b0, *b1, *b2, *b3;
        std::vector<std::string> after;
    } cases[] = {
        {3,
         "004.60000",
         "004.70000",
         "450.00000",
         "420.00000",
         {"004.60000", "004.70000", "450.00000", "450.00000"}},
        {2,
         "004.60000",
         "004.70000",
         "450.00000",
         "420.00000",
         {"004.60000", "004.70000", "420.00000", "420.00000"}},
        {0,
         "004.60000",
         "004.70000",
         "450.00000",
         "420.00000",
         {"004.60000", "004.70000", "450.00000", "420.00000"}},
        {0,
         "005.00000",
         "004.70000",
         "400.00000",
         "470.00000",
         {"004.70000", "004.70000", "400.00000", "470.00000"}},
        {1,
         "005.00000",
         "004.70000",
         "400.00000",
         "470.00000",
         {"005.00000", "005.00000", "400.00000", "470.00000"}},
    };
    for (const auto& c : cases) {
        boxes(c.b0, c.b1, c.b2, c.b3);
        FreBandSol(m, c.index);
        EXPECT_EQ(boxTexts(), c.after) << c.index << ' ' << c.b0;
    }
    // A band whose low equals its high has an empty valid range.
    boxes("004.60000", "004.70000", "420.00000", "420.00000");
    FreBandSol(m, 3);
    EXPECT_LT(m.ValidFreRange[5], m.ValidFreRange[4]);
}

TEST_F(BandsTest, FreBandSolRefusesLimitsItCannotStore) {
    for (auto bad : {std::vector<const char*>{"004.60000", "004.70000", "40000", "470.00000"},
                     {"004.60000", "004.70000", "400.00000", "abc"},
                     {"004.60000", "004.70000", "400.00000", "1000"},
                     {"004.60000", "004.70000", "400.00000", "999.99999"}, // snaps to 1000 MHz
                     {"-1", "004.70000", "400.00000", "470.00000"}}) {
        storeBand2(40000000, 47000000);
        m.FreBandLimit = {1, 2, 3, 4};
        reported.clear();
        boxes(bad[0], bad[1], bad[2], bad[3]);
        window.caption = "before";
        FreBandSol(m, 2);
        EXPECT_TRUE(wasReported("modChMem->FreBandSol")) << bad[2] << ' ' << bad[3];
        EXPECT_EQ(boxTexts(), (std::vector<std::string>{"55.00000", "55.10000", "400.00000", "470.00000"}));
        EXPECT_EQ(m.FreBandLimit, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
        EXPECT_EQ(ReadBcdFre(m.IicDat, map::BandLimitAddr(3)), 47000000);
        EXPECT_EQ(window.caption, "before");
    }
    EXPECT_EQ(app::ReadSetting(app::FreBandKey(0)), "136.00000"); // never written
}

TEST_F(BandsTest, SoftDisplayShowsTheBandThenDecodesThenLoadsSettings) {
    storeBand2(40000000, 47000000);
    SoftDisplay(m);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"ShowChTblGrid", "InitOpt"}));
    EXPECT_EQ(window.presetIndex, 7);
    EXPECT_EQ(window.caption, "400 - 470 MHz");
    EXPECT_EQ(settingKeys(), (std::vector<std::string>{"004.60000", "004.70000", "400.00000", "470.00000"}));
}

TEST_F(BandsTest, SoftDisplayDecodesTheChannelsOfTheLoadedBand) {
    m.ChCount = 16;
    m.ChColCount = 9;
    setBand2(40000000, 47000000); // the band before the load
    storeBand2(13600000, 17400000);
    put(map::ChRecordAddr(1), {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF});
    SoftDisplay(m);
    EXPECT_EQ(window.presetIndex, 1);
    EXPECT_EQ(m.ChInfo[1][1], 14500000);
    EXPECT_EQ(m.ChInfo[1][2], 14500000);
}

TEST_F(BandsTest, SoftDisplayOfAnUnreadableBandEndsAt400To470) {
    m.ChCount = 16;
    m.ChColCount = 9;
    put(map::BandLimitAddr(2), {0xFF, 0xFF, 0xFF, 0xFF});
    put(map::ChRecordAddr(1), {0x00, 0x00, 0x00, 0x44, 0xFF, 0xFF, 0xFF, 0xFF});
    SoftDisplay(m);
    EXPECT_EQ(bytes(map::FreRangeBlock, 16),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x50, 0x05, 0x00, 0x00, 0x51, 0x05, 0x00, 0x00, 0x00,
                                         0x40, 0x00, 0x00, 0x00, 0x47}));
    EXPECT_EQ(settingKeys(), (std::vector<std::string>{"055.00000", "055.10000", "400.00000", "470.00000"}));
    EXPECT_EQ(m.ChInfo[1][1], 44000000);
}

TEST_F(BandsTest, SoftDisplayPassesASettingsPageFailureOn) {
    window.onInitOpt = [] { throw platform::Failure("settings page"); };
    EXPECT_THROW(SoftDisplay(m), platform::Failure);
}

} // namespace
