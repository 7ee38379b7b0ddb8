#include "tests/model/ModelFixture.h"

#include "model/ChGridLayout.h"

#include <sstream>

using namespace model;
using modeltest::ModelTest;

namespace {

class ChGridLayoutTest : public ModelTest {
  protected:
    // A ChInfo section of English keys: count, columns and one column list.
    void store(const std::string& count, const std::string& cols, const std::string& lists = "") {
        home.write("tavorin.def",
                   "[ChInfo]\n5000=" + count + "\n5001=300\n5002=" + cols + "\n5003=^CH|^RX\n" + lists);
    }
    static std::string column(int c, int items, bool endMark) {
        std::ostringstream s;
        int first = 5200 + 50 * (c - 1);
        for (int k = 0; k < items; ++k) s << first + k << "=c" << c << "i" << k << "\n";
        if (endMark) s << first + items << "=*EndOfThisItem*\n";
        return s.str();
    }
};

TEST_F(ChGridLayoutTest, WithoutTheSectionTheDefaultLayout) {
    ReadChInfo(m);
    EXPECT_EQ(m.ChCount, 16);
    EXPECT_EQ(m.ChRowHeight, 240);
    EXPECT_EQ(m.ChColCount, 9);
    EXPECT_EQ(m.ChGridFormat, "0|0|0|0|0|0|0|0|0|0");
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(m.ChColWidth[i], 1000);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(m.ChColList[1][k], "0");
    for (int c = 2; c <= 9; ++c) EXPECT_EQ(m.ChColList[c][0], "") << c;
    // Column 1's default items never end.
    EXPECT_TRUE(wasReported("modChMem->ReadChInfo"));
}

TEST_F(ChGridLayoutTest, ReadsTheKeysOfTheLanguage) {
    home.write("tavorin.def", "[ChInfo]\n1000=32\n3000=48\n5000=64\n5002=3\n5101=700\n5200=RxFre\n5201=0\n"
                              "5202=0\n5203=*EndOfThisItem*\n5250=W|N\n5251=2\n5252=1\n5253=W\n5254=N\n"
                              "5255=*EndOfThisItem*\n");
    struct Case {
        std::int16_t lang;
        std::int16_t count;
    } cases[] = {{1, 32}, {2, 48}, {3, 64}, {7, 64}};
    for (const auto& c : cases) {
        app::shell().LangIndex = c.lang;
        ReadChInfo(m);
        EXPECT_EQ(m.ChCount, c.count) << c.lang;
    }
    EXPECT_EQ(app::shell().LangIndex, 3);
    EXPECT_EQ(m.ChColCount, 3);
    EXPECT_EQ(m.ChColWidth[1], 700);
    EXPECT_EQ(m.ChColList[1][0], "RxFre");
    EXPECT_EQ(m.ChColList[1][3], "");
    EXPECT_EQ(m.ChColList[2][2], "1");
    EXPECT_EQ(m.ChColList[2][4], "N");
    EXPECT_EQ(m.ChColList[3][0], "0"); // no key: the default item
}

TEST_F(ChGridLayoutTest, FiftyItemsReadCompletelyAFiftyFirstEndsTheReading) {
    store("16", "3", column(1, 50, true) + column(3, 3, true));
    ReadChInfo(m);
    EXPECT_EQ(m.ChColList[1][49], "c1i49");
    EXPECT_EQ(m.ChColList[2][0], ""); // its first key is column 1's end mark
    EXPECT_EQ(m.ChColList[3][2], "c3i2");
    EXPECT_TRUE(reported.empty());

    // Without an end mark the reading fails there, and says so.
    store("16", "3", column(1, 50, false) + "5250=c2i0\n" + column(3, 3, true));
    ReadChInfo(m);
    EXPECT_EQ(m.ChColList[1][49], "c1i49");
    EXPECT_EQ(m.ChColList[2][0], "");
    EXPECT_EQ(m.ChColList[3][0], "");
    EXPECT_EQ(reported, std::vector<std::string>{"modChMem->ReadChInfo"});
}

TEST_F(ChGridLayoutTest, NoDataColumnIsALayoutOfItsOwn) {
    store("16", "0", "5100=700\n5101=900\n" + column(1, 2, true));
    ReadChInfo(m);
    EXPECT_EQ(m.ChCount, 16);
    EXPECT_EQ(m.ChColCount, 0);
    EXPECT_EQ(m.ChColWidth[0], 700);
    EXPECT_EQ(m.ChColWidth[1], 0); // no column 1: its key is not read
    EXPECT_EQ(m.ChColList[1][0], "");
    EXPECT_TRUE(reported.empty());
}

TEST_F(ChGridLayoutTest, CountsOutsideTheirRangeGiveTheDefaults) {
    struct Case {
        const char *count, *cols;
        std::int16_t chCount, colCount;
    } cases[] = {{"256", "20", 256, 20}, {"1", "1", 1, 1},       {"300", "25", 16, 9},
                 {"0", "0", 16, 0},      {"-5", "-1", 16, 9},    {"", "", 16, 9},
                 {"abc", "x", 16, 9},    {"99999", "21", 16, 9}, {"12.5", "10.5", 12, 10}};
    for (const auto& c : cases) {
        store(c.count, c.cols);
        ReadChInfo(m);
        EXPECT_EQ(m.ChCount, c.chCount) << '"' << c.count << '"';
        EXPECT_EQ(m.ChColCount, c.colCount) << '"' << c.cols << '"';
    }
}

TEST_F(ChGridLayoutTest, AWidthThatIsNoNumberTakesTheDefaultAndTheReadingGoesOn) {
    store("16", "2", "5100=wide\n5101=800\n" + column(2, 1, true));
    ReadChInfo(m);
    EXPECT_EQ(m.ChColWidth[0], 1000);
    EXPECT_EQ(m.ChColWidth[1], 800);
    EXPECT_TRUE(wasReported("modChMem->ReadChInfo"));
}

TEST_F(ChGridLayoutTest, TheShippedSettingsFile) {
    home.copyShipped("tavorin.def");
    for (std::int16_t lang : {1, 2, 3}) {
        app::shell().LangIndex = lang;
        ReadChInfo(m);
        EXPECT_EQ(m.ChCount, 256);
        EXPECT_EQ(m.ChColCount, 18);
        EXPECT_EQ(m.ChColList[1][0], "RxFre");
        EXPECT_EQ(m.ChColList[4][0], "CtcssDcsEnc");
    }
    EXPECT_TRUE(reported.empty());
}

} // namespace
