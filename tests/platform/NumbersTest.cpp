#include "platform/Numbers.h"
#include "platform/Failure.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

using namespace platform;

TEST(Numbers, NumericTexts) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"-3.5", -3.5},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"&H10", 16},
        {"&hFFFF", -1},
        {"&O17", 15},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-", std::nullopt},
        {"e5", std::nullopt},
        {"&H", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(Numbers, ConversionRoundsHalfToEven) {
    EXPECT_EQ(toInt32("2.5"), 2);
    EXPECT_EQ(toInt32("3.5"), 4);
    EXPECT_EQ(toInt32("-2.5"), -2);
    EXPECT_EQ(toInt16("0.5"), 0);
    EXPECT_EQ(toInt16("1.5"), 2);
    EXPECT_EQ(toByte("255.4"), 255);
}

TEST(Numbers, ConversionFailsOnBadTextAndOverflow) {
    EXPECT_THROW(toInt32("abc"), Failure);
    EXPECT_THROW(toInt32(""), Failure);
    EXPECT_THROW(toInt16("32768"), Failure);
    EXPECT_THROW(toByte("256"), Failure);
    EXPECT_THROW(toByte("-1"), Failure);
    EXPECT_EQ(toInt16("-32768"), -32768);
}

TEST(Numbers, IndependentOfTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(parseNumber("1.5"), 1.5);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Numbers, LeadingValue) {
    EXPECT_EQ(leadingValue(" 1 2 3"), 123);
    EXPECT_EQ(leadingValue("12abc"), 12);
    EXPECT_EQ(leadingValue("abc"), 0);
    EXPECT_EQ(leadingValue("-4.5x"), -4.5);
}

TEST(Numbers, WholeNumbersInARange) {
    EXPECT_EQ(wholeNumber("16", 1, 16), 16);
    EXPECT_EQ(wholeNumber(" 3 ", 1, 16), 3);
    for (const char* bad : {"0", "17", "2.5", "", "COM1", "abc"})
        EXPECT_EQ(wholeNumber(bad, 1, 16), std::nullopt) << bad;
}

// The one non-throwing rounding: nullopt exactly where toInt32 fails.
TEST(Numbers, RoundedNumbersAreTheConversionsWithoutAFailure) {
    constexpr double lo = INT32_MIN, hi = INT32_MAX;
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {" 7 ", 7},
        {"+7", 7},
        {"-7", -7},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {".5", 0},
        {"&H10", 16},
        {"2147483647", 2147483647},
        {"2147483647.4", INT32_MAX},
        {"2147483647.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483648.6", std::nullopt},
        {"1e99", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundedNumber(c.text, lo, hi), c.value) << '"' << c.text << '"';
        if (c.value)
            EXPECT_EQ(toInt32(c.text), *c.value) << c.text;
        else
            EXPECT_THROW(toInt32(c.text), Failure) << c.text;
    }
    // A range of its own: the rounded value must lie in it.
    EXPECT_EQ(roundedNumber("16.5", 1, 16), 16);
    EXPECT_EQ(roundedNumber("16.6", 1, 16), std::nullopt);
    EXPECT_EQ(roundedNumber("0.5", 1, 16), std::nullopt);
    EXPECT_EQ(roundedNumber(std::nan(""), lo, hi), std::nullopt);
    EXPECT_THROW(toInt32(std::nan("")), Failure);
}

TEST(Numbers, HexPrefix) {
    EXPECT_EQ(hexPrefixValue("17"), 0x17);
    EXPECT_EQ(hexPrefixValue("aF"), 0xAF);
    EXPECT_EQ(hexPrefixValue("4G"), 4);
    EXPECT_EQ(hexPrefixValue("G4"), 0);
    EXPECT_EQ(hexPrefixValue(""), 0);
    // Long input stays within an int.
    EXPECT_EQ(hexPrefixValue("7FFFFFFF"), 0x7FFFFFFF);
    EXPECT_EQ(hexPrefixValue("80000000"), 0x7FFFFFFF);
    EXPECT_EQ(hexPrefixValue(std::string(40, 'F') + "G1"), 0x7FFFFFFF);
}
