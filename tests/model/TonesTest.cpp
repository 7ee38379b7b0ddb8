#include "tests/model/ModelFixture.h"

#include "model/Tones.h"

using namespace model;
using modeltest::ModelTest;

namespace {

class TonesTest : public ModelTest {
  protected:
    TonesTest() { m.CtdcsNoneText = "None"; }
    std::string text(unsigned code) { return QtDqtIicToChar(m, code >> 8, code & 0xFF); }
    // The code of a text, or -1 when it converts to none.
    long code(const std::string& t) {
        if (!QtDqtCharToIic(m, t)) return -1;
        return m.SepDat[0] | (m.SepDat[1] << 8);
    }
};

TEST_F(TonesTest, CodesToTexts) {
    struct Case {
        unsigned code;
        const char* text;
    } cases[] = {
        {670, "67.0"},     {1000, "100.0"},   {2541, "254.1"},   {600, "60.0"},     {2650, "265.0"},
        {599, "None"},     {2651, "None"},    {0x2813, "D023N"}, {0x29EC, "D754N"}, {0xA813, "D023I"},
        {0x2800, "D000N"}, {0x29FF, "D777N"}, {0xA9FF, "D777I"}, {0x0000, "None"},  {0x27FF, "None"},
        {0x2A00, "None"},  {0xA7FF, "None"},  {0xAA00, "None"},  {0xFFFF, "None"},
    };
    for (const auto& c : cases) EXPECT_EQ(text(c.code), c.text) << std::hex << c.code;
}

TEST_F(TonesTest, TextsToCodes) {
    struct Case {
        const char* text;
        long code;
    } cases[] = {
        {"None", 0xFFFF},  {"", 0xFFFF},      {"67.0", 670},     {"67.25", 672},    {"67.75", 678},
        {"254.1", 0x09ED}, {"100.0", 0x03E8}, {"300.0", 0x0BB8}, {"D023N", 0x2813}, {"D023I", 0xA813},
        {"D023", 0xA813},  {"X023N", 0x2813}, {"D089N", 0x2849}, {"D754N", 0x29EC},
    };
    for (const auto& c : cases) EXPECT_EQ(code(c.text), c.code) << c.text;
    EXPECT_TRUE(reported.empty());
}

TEST_F(TonesTest, TextsThatAreNoToneFailAndLeaveTheBuffer) {
    for (const char* t : {"none", "D02", "D0A3N", "D023NN", "6553.6", "-1", "无"}) {
        m.SepDat = {0x11, 0x22, 0x33, 0x44};
        reported.clear();
        EXPECT_EQ(code(t), -1) << t;
        EXPECT_EQ(m.SepDat, (std::array<std::uint8_t, 4>{0x11, 0x22, 0x33, 0x44})) << t;
        EXPECT_TRUE(wasReported("modChMem->QtDqtCharToIic")) << t;
    }
}

TEST_F(TonesTest, EveryCodeComesBackOrAsOff) {
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        bool recognised =
            (c >= 600 && c <= 2650) || (c >= 0x2800 && c <= 0x29FF) || (c >= 0xA800 && c <= 0xA9FF);
        ASSERT_EQ(code(text(c)), recognised ? long(c) : 0xFFFFL) << c;
    }
}

class ToneListTest : public ModelTest {};

TEST_F(ToneListTest, OffTextByLanguage) {
    struct Case {
        std::int16_t lang;
        const char* off;
        std::int16_t langAfter;
    } cases[] = {{1, "无", 1}, {2, "無", 2}, {3, "None", 3}, {0, "None", 3}, {4, "None", 3}};
    for (const auto& c : cases) {
        app::shell().LangIndex = c.lang;
        GenCtdcsList(m);
        EXPECT_EQ(m.CtdcsNoneText, c.off);
        ASSERT_FALSE(window.ctdcsItems.empty());
        EXPECT_EQ(window.ctdcsItems[0], c.off);
        EXPECT_EQ(app::shell().LangIndex, c.langAfter);
        m.SepDat = {0, 0, 0, 0};
        EXPECT_TRUE(QtDqtCharToIic(m, c.off));
        EXPECT_EQ(m.SepDat[0] | m.SepDat[1] << 8, 0xFFFF);
        EXPECT_EQ(QtDqtIicToChar(m, 0xFF, 0xFF), c.off);
    }
}

TEST_F(ToneListTest, TheDropDownHolds261EntriesThatConvertToThemselves) {
    GenCtdcsList(m);
    GenCtdcsList(m); // a second build replaces the first
    const auto& items = window.ctdcsItems;
    ASSERT_EQ(items.size(), 261u);
    struct Case {
        int entry;
        const char* text;
    } cases[] = {{0, "None"},    {1, "67.0"},    {13, "100.0"},  {50, "254.1"},  {51, "D023N"},
                 {144, "D645N"}, {155, "D754N"}, {156, "D023I"}, {249, "D645I"}, {260, "D754I"}};
    for (const auto& c : cases) EXPECT_EQ(items[c.entry], c.text) << c.entry;
    for (const auto& t : items) {
        ASSERT_TRUE(QtDqtCharToIic(m, t)) << t;
        EXPECT_EQ(QtDqtIicToChar(m, m.SepDat[1], m.SepDat[0]), t);
    }
}

} // namespace
