#include "charcode/HanZi.h"
#include "charcode/Utf16.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace charcode;
using Bytes = std::vector<std::uint8_t>;

namespace {

class HanZiTest : public ::testing::Test {
  protected:
    HanZiTest() { InitHanZiTbl(t); }
    // A field of n codes from the codes given, the rest 0xFFFF.
    static Bytes field(std::initializer_list<int> codes, int n) {
        Bytes b(2 * n, 0xFF);
        int j = 0;
        for (int c : codes) b[2 * j] = c & 0xFF, b[2 * j + 1] = c >> 8, ++j;
        return b;
    }
    std::unique_ptr<HanZiTable> owned = std::make_unique<HanZiTable>();
    HanZiTable& t = *owned;
};

TEST_F(HanZiTest, TheTableHoldsAsciiAndTheIdeographsOnce) {
    std::set<char16_t> seen;
    int spaces = 0, set = 0;
    for (int c = 0; c < HanZiEntries; ++c) {
        if (t[c] == 0) continue;
        ++set;
        if (t[c] == u' ')
            ++spaces;
        else
            EXPECT_TRUE(seen.insert(t[c]).second) << c;
    }
    EXPECT_EQ(set, 21030);
    EXPECT_EQ(spaces, 35);
    struct Case {
        int code;
        const char* text;
    } cases[] = {{0, " "},
                 {31, " "},
                 {32, " "},
                 {33, "!"},
                 {34, " "},
                 {35, "#"},
                 {65, "A"},
                 {126, "~"},
                 {127, " "},
                 {128, ""},
                 {999, ""},
                 {1000, "一"},
                 {15871, "\xe8\xa0\x97"},
                 {15872, "\xe8\xa0\x98"},
                 {18371, "\xe9\x87\x9b"},
                 {18372, "\xe9\x87\x9c"},
                 {20871, "\xe9\xae\x9f"},
                 {20872, "\xe9\xae\xa0"},
                 {21901, "\xe9\xbe\xa5"},
                 {21902, ""}};
    for (const auto& c : cases) EXPECT_EQ(HanZiEntry(t, c.code), c.text) << c.code;
    // U+8817 / U+8818, U+91DB / U+91DC, U+9B9F / U+9BA0, U+9FA5 at the seams.
    EXPECT_EQ(t[15871], 0x8817);
    EXPECT_EQ(t[15872], 0x8818);
    EXPECT_EQ(t[18371], 0x91DB);
    EXPECT_EQ(t[18372], 0x91DC);
    EXPECT_EQ(t[20871], 0x9B9F);
    EXPECT_EQ(t[20872], 0x9BA0);
    EXPECT_EQ(t[21901], 0x9FA5);
}

TEST_F(HanZiTest, EachFillSetsOnlyItsRange) {
    struct Case {
        void (*fill)(HanZiTable&);
        int first, last;
    } cases[] = {{FillHanZiTbl2, 3372, 5871},   {FillHanZiTbl3, 5872, 8371},   {FillHanZiTbl4, 8372, 10871},
                 {FillHanZiTbl5, 10872, 13371}, {FillHanZiTbl6, 13372, 15871}, {FillHanZiTbl7, 15872, 18371},
                 {FillHanZiTbl8, 18372, 20871}, {FillHanZiTbl9, 20872, 21901}};
    for (const auto& c : cases) {
        auto fresh = std::make_unique<HanZiTable>();
        c.fill(*fresh);
        for (int i = 0; i < HanZiEntries; ++i) {
            bool inRange = i >= c.first && i <= c.last;
            ASSERT_EQ((*fresh)[i] != 0, inRange) << c.first << ' ' << i;
            if (inRange) {
                ASSERT_EQ((*fresh)[i], 0x4E00 + i - 1000);
            }
        }
    }
    auto fresh = std::make_unique<HanZiTable>();
    FillHanZiTbl1(*fresh);
    EXPECT_EQ((*fresh)[127], u' ');
    EXPECT_EQ((*fresh)[128], 0);
    EXPECT_EQ((*fresh)[3371], 0x5743);
    EXPECT_EQ((*fresh)[3372], 0);
}

TEST_F(HanZiTest, StoresCharacters) {
    struct Case {
        const char* text;
        int code;
    } cases[] = {{" ", 0},
                 {"!", 33},
                 {"#", 35},
                 {"A", 65},
                 {"a", 97},
                 {"~", 126},
                 {"一", 1000},
                 {"\xe9\xbe\xa5", 21901},
                 {"\"", 21902},
                 {"\t", 21902},
                 {"\x7f", 21902},
                 {"\xe4\xb7\xbf", 21902} /* U+4DFF */,
                 {"\xe9\xbe\xa6", 21902} /* U+9FA6 */,
                 {"Ａ", 21902},
                 {"é", 21902}};
    for (const auto& c : cases) {
        Bytes b = TextToHanZi(t, c.text, 1);
        ASSERT_EQ(b.size(), 2u);
        EXPECT_EQ(b[0] | b[1] << 8, c.code) << c.text;
    }
    // U+0000 is no character of the table, though empty entries are kept as 0.
    EXPECT_EQ(TextToHanZi(t, std::string(1, '\0'), 1), (Bytes{0x8E, 0x55}));
}

TEST_F(HanZiTest, StoresAFieldPaddedAndCut) {
    EXPECT_EQ(TextToHanZi(t, "ABC", 16), (Bytes{0x41, 0, 0x42, 0, 0x43, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0,    0, 0,    0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TextToHanZi(t, "", 6), Bytes(12, 0));
    EXPECT_EQ(TextToHanZi(t, "      ", 6), Bytes(12, 0));
    EXPECT_EQ(TextToHanZi(t, "12345678901234567890", 16), TextToHanZi(t, "1234567890123456", 16));
    EXPECT_EQ(TextToHanZi(t, "一\xe9\xbe\xa5", 2), (Bytes{0xE8, 0x03, 0x8D, 0x55}));
}

TEST_F(HanZiTest, ShowsAField) {
    struct Case {
        Bytes field;
        int n;
        const char* text;
    } cases[] = {
        {field({}, 16), 16, ""},
        {field({0x41, 0xFFFF, 0x42}, 16), 16, "AB"},
        {field({0, 0x41, 32, 0}, 6), 6, " A"},
        {field({1, 34, 127, 0x41}, 4), 4, "   A"},
        {field({128, 999, 0x41, 21902, 65535, 0x42}, 6), 6, "AB"},
        {field({1000, 0x41, 21901}, 3), 3, "一A\xe9\xbe\xa5"},
    };
    for (const auto& c : cases) EXPECT_EQ(HanZiToText(t, c.field, c.n), c.text) << c.text;
}

TEST_F(HanZiTest, AMixedMessageLineRoundTrips) {
    const std::string line = "欢迎 Welcome 你好";
    Bytes stored = TextToHanZi(t, line, 16);
    EXPECT_EQ(HanZiToText(t, stored, 16), "欢迎 Welcome 你好");
    // Characters without entry vanish and the rest close up; trailing spaces go.
    EXPECT_EQ(HanZiToText(t, TextToHanZi(t, "A\"B\tC  ", 16), 16), "ABC");
    // Bytes of every code with a character come back unchanged.
    for (int code : {0, 33, 35, 126, 1000, 12345, 21901}) {
        Bytes b = field({code, 0x41}, 2);
        EXPECT_EQ(TextToHanZi(t, HanZiToText(t, b, 2), 2), b) << code;
    }
}

TEST(Utf16Test, ConvertsBothWays) {
    EXPECT_EQ(toUtf16("A一\xf0\x9f\x98\x80"), (std::u16string{u'A', 0x4E00, 0xD83D, 0xDE00}));
    EXPECT_EQ(toUtf8(std::u16string{u'A', 0x4E00, 0xD83D, 0xDE00}), "A一\xf0\x9f\x98\x80");
    EXPECT_EQ(toUtf16("\xff"
                      "A\xe4\xb8"),
              (std::u16string{0xFFFD, u'A', 0xFFFD, 0xFFFD}));
    EXPECT_EQ(toUtf16("\xc0\xaf"), (std::u16string{0xFFFD, 0xFFFD})); // overlong
    EXPECT_EQ(toUtf8(std::u16string{0xD800, u'B'}), "\xef\xbf\xbd"
                                                    "B");
}

} // namespace
