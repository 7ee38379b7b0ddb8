#include "tests/model/ModelFixture.h"

#include "model/Frequency.h"

using namespace model;
using modeltest::ModelTest;

namespace {

using FrequencyTest = ModelTest;

TEST_F(FrequencyTest, ReadsPackedBcdLowestPairFirst) {
    put(0xC800, {0x00, 0x00, 0x40, 0x17});
    EXPECT_EQ(ReadBcdFre(m.IicDat, 0xC800), 17400000);
    put(0xC800, {0x25, 0x01, 0x00, 0x40});
    EXPECT_EQ(ReadBcdFre(m.IicDat, 0xC800), 40000125);
}

TEST_F(FrequencyTest, AFieldWithANibbleAboveNineHoldsNoFrequency) {
    for (auto field : {std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                       {0x00, 0x00, 0x00, 0x4A},
                       {0x0A, 0x00, 0x00, 0x40},
                       {0x00, 0xE0, 0x00, 0x40}}) {
        std::copy(field.begin(), field.end(), m.IicDat.begin() + 0xC800);
        EXPECT_EQ(ReadBcdFre(m.IicDat, 0xC800), std::nullopt) << int(field[0]) << ' ' << int(field[3]);
    }
}

TEST_F(FrequencyTest, StoresExactlyEightDigits) {
    struct Case {
        std::int32_t f;
        std::vector<std::uint8_t> stored;
    } cases[] = {
        {17400000, {0x00, 0x00, 0x40, 0x17}}, {5500000, {0x00, 0x00, 0x50, 0x05}}, // 55 MHz, not 550
        {460000, {0x00, 0x00, 0x46, 0x00}},   {0, {0x00, 0x00, 0x00, 0x00}},
        {99999999, {0x99, 0x99, 0x99, 0x99}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(StoreBcdFre(m, 0xE708, c.f)) << c.f;
        EXPECT_EQ(bytes(0xE708, 4), c.stored) << c.f;
        EXPECT_EQ(ReadBcdFre(m.IicDat, 0xE708), c.f);
    }
}

TEST_F(FrequencyTest, RefusesWhatEightDigitsCannotHold) {
    put(0xE708, {0x00, 0x00, 0x00, 0x40});
    for (std::int32_t f : {100000000, 123456789, -1, -5500000}) {
        EXPECT_FALSE(StoreBcdFre(m, 0xE708, f)) << f;
        EXPECT_EQ(bytes(0xE708, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x40})) << f;
    }
}

TEST_F(FrequencyTest, SeparateFreCharSplitsDigitPairs) {
    SeparateFreChar(m, "17400000");
    EXPECT_EQ(m.SepDat, (std::array<std::uint8_t, 4>{0x17, 0x40, 0x00, 0x00}));
    SeparateFreChar(m, "1234567"); // seven digits: the last one alone
    EXPECT_EQ(m.SepDat, (std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x07}));
    m.SepDat = {1, 2, 3, 4};
    SeparateFreChar(m, "9x5"); // a pair reads up to a non-hex character
    EXPECT_EQ(m.SepDat, (std::array<std::uint8_t, 4>{0x09, 0x05, 3, 4}));
    EXPECT_TRUE(reported.empty());
}

TEST_F(FrequencyTest, SeparateFreCharFailsAtTheFifthPair) {
    SeparateFreChar(m, "123456789");
    EXPECT_EQ(m.SepDat, (std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x78}));
    EXPECT_TRUE(wasReported("modChMem->SeparateFreChar"));
}

TEST_F(FrequencyTest, BoxTextHasThreeIntegerDigitsAndFiveDecimals) {
    EXPECT_EQ(FreBoxText(40000000), "400.00000");
    EXPECT_EQ(FreBoxText(460000), "004.60000");
    EXPECT_EQ(FreBoxText(42000250), "420.00250");
    EXPECT_EQ(FreBoxText(0), "000.00000");
    EXPECT_EQ(FreBoxText(99999999), "999.99999");
    EXPECT_EQ(FreBoxText(100000000), "1000.00000");
}

} // namespace
