// The part fill: its value bases, its range checks against the target, the
// target options and the boxes' texts.
#include "flashtool/PartFill.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/MemoryGrids.h"
#include "tests/flashtool/FlashFixture.h"

using namespace flashtool;

namespace {

TEST(PartFillValueTest, EachBaseAndItsLimits) {
    struct Case {
        const char* text;
        int base;
        std::optional<std::uint8_t> value;
    };
    const Case cases[] = {
        {"FF", BaseHex, 0xFF},
        {"1FF", BaseHex, 0xFF},
        {"7FFF", BaseHex, 0xFF},
        {"8000", BaseHex, std::nullopt},
        {"a", BaseHex, 0x0A},
        {" 3C ", BaseHex, 0x3C},
        {"G1", BaseHex, std::nullopt},
        {"", BaseHex, std::nullopt},
        {"300", BaseDecimal, 0xFF},
        {"12", BaseDecimal, 12},
        {"32767", BaseDecimal, 0xFF},
        {"32768", BaseDecimal, std::nullopt},
        {"-1", BaseDecimal, std::nullopt},
        {"1F", BaseDecimal, std::nullopt},
        {"99999999999999999999", BaseDecimal, std::nullopt},
        {"1010", BaseBinary, 0x0A},
        {"12", BaseBinary, std::nullopt},
        {"1111111111111111", BaseBinary, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillValueOf(c.text, c.base), c.value) << c.text << " base " << c.base;
}

class PartFillTest : public flashtest::FlashFixture {
  protected:
    PartFillTest() {
        scribble();
        PartFillLoad(*tool, d);
    }
    PartFillDialog d;
};

TEST_F(PartFillTest, OpensOnFlashC800ToFFFFWithFF) {
    EXPECT_EQ(d.optGridFlashRam, FillFlash);
    EXPECT_EQ(d.txtFillData, "FF");
    EXPECT_EQ(FillBases[d.cboFillData], std::string("H"));
    EXPECT_EQ(d.txtStartAddr, "C800");
    EXPECT_EQ(d.txtEndAddr, "FFFF");
    const FillOutcome out = cmdFillData_Click(*tool, d);
    EXPECT_TRUE(out.filled);
    for (std::uint32_t a = 0xC800; a <= 0xFFFF; ++a) ASSERT_EQ((*image)[a], 0xFF) << a;
    EXPECT_NE((*image)[0xC7FF], 0xFF);
    EXPECT_EQ(alignment.shows, 1);
    ASSERT_FALSE(host.changes.empty());
    EXPECT_EQ(host.changes.back().first, 0xC800u);
    // Reopened after the stored start became 0x1E2.
    d.txtStartAddr = "1e2";
    txtStartAddr_Change(*tool, d);
    PartFillDialog again;
    PartFillLoad(*tool, again);
    EXPECT_EQ(again.txtStartAddr, "01E2");
}

TEST_F(PartFillTest, RamFillsStayInsideTheirImage) {
    d.optGridFlashRam = FillInRam;
    d.txtStartAddr = "10";
    d.txtEndAddr = "20";
    d.txtFillData = "1010";
    d.cboFillData = BaseBinary;
    EXPECT_TRUE(cmdFillData_Click(*tool, d).filled);
    for (std::uint32_t a = 0; a < 0x100; ++a)
        ASSERT_EQ(link->InRamDat[a], a >= 0x10 && a <= 0x20 ? 0x0A : 0) << a;
    EXPECT_EQ(CellText(*tool, radiolink::GridInRam, 0x10), "0A");

    d.optGridFlashRam = FillExtRam;
    d.txtStartAddr = "AFE";
    d.txtEndAddr = "AFF";
    d.txtFillData = "300";
    d.cboFillData = BaseDecimal;
    EXPECT_TRUE(cmdFillData_Click(*tool, d).filled);
    EXPECT_EQ(link->ExtRamDat[0xAFF], 0xFF);
    EXPECT_EQ(CellText(*tool, radiolink::GridExtRam, 0xAFE), "FF");
    EXPECT_EQ(alignment.shows, 0);
}

TEST_F(PartFillTest, RefusedInputChangesNothing) {
    struct Case {
        int target;
        const char* value;
        int base;
        const char* start;
        const char* end;
        std::string message;
    };
    const Case cases[] = {
        {FillInRam, "FF", BaseHex, "30", "100", std::string(texts::FillBadEnd) + "FF"},
        {FillInRam, "FF", BaseHex, "100", "100", std::string(texts::FillBadStart) + "FF"},
        {FillExtRam, "FF", BaseHex, "0", "B00", std::string(texts::FillBadEnd) + "AFF"},
        {FillFlash, "FF", BaseHex, "C800", "10000", std::string(texts::FillBadEnd) + "FFFF"},
        {FillFlash, "FF", BaseHex, "", "FFFF", std::string(texts::FillBadStart) + "FFFF"},
        {FillFlash, "FF", BaseHex, "C8 00", "FFFF", std::string(texts::FillBadStart) + "FFFF"},
        {FillFlash, "40000", BaseDecimal, "C800", "FFFF", texts::FillValueTooBig},
        {FillFlash, "8000", BaseHex, "C800", "FFFF", texts::FillValueTooBig},
        {FillFlash, "-3", BaseDecimal, "C800", "FFFF", texts::FillBadValue},
        {FillFlash, "12", BaseBinary, "C800", "FFFF", texts::FillBadValue},
        {FillFlash, "", BaseHex, "C800", "FFFF", texts::FillBadValue},
    };
    const model::Image before = *image;
    for (const Case& c : cases) {
        PartFillDialog x{c.target, c.value, c.base, c.start, c.end};
        const FillOutcome out = cmdFillData_Click(*tool, x);
        EXPECT_FALSE(out.filled) << c.value << " " << c.start << "-" << c.end;
        EXPECT_EQ(out.message, c.message) << c.value << " " << c.start << "-" << c.end;
    }
    EXPECT_EQ(*image, before);
    for (std::uint8_t b : link->InRamDat) ASSERT_EQ(b, 0);
    for (std::uint8_t b : link->ExtRamDat) ASSERT_EQ(b, 0);
    EXPECT_TRUE(host.changes.empty());
    // A start above the end fills nothing and is no error.
    PartFillDialog backwards{FillFlash, "00", BaseHex, "FFFF", "C800"};
    EXPECT_TRUE(cmdFillData_Click(*tool, backwards).filled);
    EXPECT_EQ(*image, before);
}

TEST_F(PartFillTest, TargetOptionsBringTheRangeIntoTheirMemory) {
    optGridFlashRam_Click(*tool, d, FillInRam);
    EXPECT_EQ(d.txtStartAddr, "30");
    EXPECT_EQ(d.txtEndAddr, "FF");
    EXPECT_EQ(tool->FillStartAddr, 0x30u);
    EXPECT_EQ(tool->FillEndAddr, 0xFFu);
    EXPECT_EQ(tool->sstabData, 1);
    optGridFlashRam_Click(*tool, d, FillExtRam);
    EXPECT_EQ(d.txtStartAddr, "30");
    EXPECT_EQ(d.txtEndAddr, "FF");
    EXPECT_EQ(tool->sstabData, 2);
    d.txtEndAddr = "";
    txtEndAddr_Change(*tool, d); // emptied while typing: the stored end stays
    EXPECT_EQ(tool->FillEndAddr, 0xFFu);
    d.txtStartAddr = "C000";
    txtStartAddr_Change(*tool, d);
    optGridFlashRam_Click(*tool, d, FillExtRam);
    EXPECT_EQ(d.txtStartAddr, "000");
    optGridFlashRam_Click(*tool, d, FillFlash);
    EXPECT_EQ(d.txtStartAddr, "000");
    EXPECT_EQ(tool->sstabData, 0);
}

} // namespace
