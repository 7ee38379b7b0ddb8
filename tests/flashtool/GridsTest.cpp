// The hex grids: layout, typed edits, colour marking, the change scan of the
// flash image and the cell tips.
#include "app/DataFile.h"
#include "flashtool/CellTip.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/GridText.h"
#include "flashtool/MemoryGrids.h"
#include "tests/flashtool/FlashFixture.h"

using namespace flashtool;
using radiolink::GridExtRam;
using radiolink::GridFlash;
using radiolink::GridInRam;

namespace {

constexpr Colour kRed = 0x0000FF, kPink = 0xD232F5, kBlue = 0xFF0000, kOrange = 0x0A73F5;

TEST(GridTextTest, CellsAndAddressesOfTheThreeGrids) {
    EXPECT_EQ(CellOf(0x0000), (Cell{1, 1}));
    EXPECT_EQ(CellOf(0xFFFF), (Cell{4096, 16}));
    EXPECT_EQ(CellOf(0xAFF), (Cell{176, 16}));
    EXPECT_EQ(CellOf(0x30), (Cell{4, 1}));
    EXPECT_EQ(AddressOf(FlashGridShape, 4096, 16), 0xFFFFu);
    EXPECT_EQ(AddressOf(ExtRamGridShape, 176, 16), 0xAFFu);
    EXPECT_EQ(AddressOf(ExtRamGridShape, 177, 1), std::nullopt);
    EXPECT_EQ(AddressOf(InRamGridShape, 0, 3), std::nullopt); // header row
    EXPECT_EQ(AddressOf(InRamGridShape, 3, 0), std::nullopt); // header column
    EXPECT_EQ(DataRows(FlashGridShape), 4096);
    EXPECT_EQ(ByteText(0x0A), "0A");
    EXPECT_EQ(ByteText(0xFF), "FF");
}

TEST(GridTextTest, TypedTextIsReadAsLeadingHexDigits) {
    struct Case {
        const char* text;
        std::optional<std::uint8_t> value;
    };
    const Case cases[] = {{"a5", 0xA5},  {"5", 0x05},           {"", 0x00},
                          {"7g", 0x07},  {"x1", 0x00},          {"FF", 0xFF},
                          {"0FF", 0xFF}, {"1FF", std::nullopt}, {"100", std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(ParseCellText(c.text), c.value) << c.text;
    // Leading zeros however many; digits past an int's range are refused too.
    EXPECT_EQ(ParseCellText("0000000000ff"), std::uint8_t{0xFF});
    EXPECT_EQ(ParseCellText("FFFFFFFFFFF"), std::nullopt);
}

TEST(CellTipTest, Conversions) {
    EXPECT_EQ(H_To_B("A5"), "10100101");
    EXPECT_EQ(H_To_B("1ff"), "000111111111");
    EXPECT_EQ(H_To_B("1 -F"), "00011111");
    EXPECT_EQ(H_To_B(""), "");
    EXPECT_EQ(B_To_D("10100101"), 165u);
    EXPECT_EQ(B_To_D("1x1"), 5u);
    EXPECT_EQ(B_To_D(std::string(40, '1')), 0xFFFFFFFFu);
    EXPECT_EQ(B_To_BitShow("10100101"), "B7:1 B6:0 B5:1 B4:0   B3:0 B2:1 B1:0 B0:1 ");
    EXPECT_EQ(B_To_BitShow("0101"), "  B3:0 B2:1 B1:0 B0:1 ");
    EXPECT_EQ(B_To_BitShow(""), "");
    EXPECT_EQ(CellTipText(0x123, "A5"),
              "0x123 二进制:10100101  B7:1 B6:0 B5:1 B4:0   B3:0 B2:1 B1:0 B0:1   十进制165  \r\n");
}

class GridsTest : public flashtest::FlashFixture {};

TEST_F(GridsTest, RamEditsStoreTheByteAndShowTwoDigits) {
    struct Case {
        const char* typed;
        std::uint8_t stored;
        const char* shown;
    };
    const Case cases[] = {{"a5", 0xA5, "A5"}, {"5", 0x05, "05"}, {"", 0x00, "00"}};
    for (const Case& c : cases) {
        link->ExtRamDat[0xAFF] = 0x77;
        const CellEdit e = EditCell(*tool, GridExtRam, 176, 16, c.typed);
        EXPECT_TRUE(e.stored) << c.typed;
        EXPECT_EQ(link->ExtRamDat[0xAFF], c.stored) << c.typed;
        EXPECT_EQ(e.text, c.shown);
        EXPECT_EQ(CellText(*tool, GridExtRam, 0xAFF), c.shown);
    }
    // Only the typed cell was taken in.
    EXPECT_EQ(CellText(*tool, GridExtRam, 0xAFE), "");
    EXPECT_EQ(link->ExtRamDat[0xAFE], 0);
}

TEST_F(GridsTest, ARefusedEditStoresNothingKeepsTheCellTextAndSaysWhy) {
    link->InRamDat[0x40] = 0x12;
    ShowInRamGrid(*tool, 0x40, 0x40);
    const CellEdit tooBig = EditCell(*tool, GridInRam, 5, 1, "1FF");
    EXPECT_FALSE(tooBig.stored);
    EXPECT_EQ(tooBig.text, "12");
    EXPECT_EQ(link->InRamDat[0x40], 0x12);
    EXPECT_EQ(link->frmMain.lblComStatus, texts::CellTooBig);
    // Below the tool range of the internal RAM.
    const CellEdit low = EditCell(*tool, GridInRam, 2, 1, "33");
    EXPECT_FALSE(low.stored);
    EXPECT_EQ(link->InRamDat[0x10], 0);
    EXPECT_EQ(link->frmMain.lblComStatus, texts::CellNotEditable);
    (*image)[0x1234] = 0x56;
    const CellEdit flash = EditCell(*tool, GridFlash, 0x124, 5, "abc");
    EXPECT_FALSE(flash.stored);
    EXPECT_EQ(flash.text, "56");
    EXPECT_EQ((*image)[0x1234], 0x56);
    EXPECT_EQ(link->frmMain.lblComStatus, texts::CellTooBig);
    EXPECT_EQ(alignment.shows, 0);
}

TEST_F(GridsTest, AFlashEditStoresIntoTheImageAndRunsTheAlignmentDisplay) {
    const CellEdit e = EditCell(*tool, GridFlash, 4096, 16, "c3");
    EXPECT_TRUE(e.stored);
    EXPECT_EQ((*image)[0xFFFF], 0xC3);
    EXPECT_EQ(e.text, "C3");
    EXPECT_EQ(alignment.shows, 1);
    ASSERT_FALSE(host.changes.empty());
    EXPECT_EQ(host.changes.back().first, 0xFFFFu);
    EXPECT_EQ(host.changes.back().last, 0xFFFFu);
}

TEST_F(GridsTest, MarkGridCellsColoursByColumnGroupAndResets) {
    MarkGridCells(*tool, 1, GridFlash, 0x1C, 8);
    for (std::uint32_t a = 0x1C; a <= 0x1F; ++a) EXPECT_EQ(tool->flash.fore[a], kOrange) << a;
    for (std::uint32_t a = 0x20; a <= 0x23; ++a) EXPECT_EQ(tool->flash.fore[a], kRed) << a;
    EXPECT_EQ(tool->flash.fore[0x24], Black);
    EXPECT_EQ(tool->flash.fore[0x1B], Black);
    EXPECT_EQ(tool->flash.current, (Cell{3, 4}));
    ASSERT_FALSE(host.scrolled.empty());
    EXPECT_EQ(host.scrolled.back().second.row, 3);

    MarkGridCells(*tool, 1, GridExtRam, 0x104, 8);
    EXPECT_EQ(tool->extRam.fore[0x104], kPink);
    EXPECT_EQ(tool->extRam.fore[0x108], kBlue);

    // Mode 0 (an unticked colour box), another mode, a count of 0, a range
    // past the grid's end.
    const std::vector<Colour> before = tool->flash.fore;
    for (int mode : {0, 3}) MarkGridCells(*tool, mode, GridFlash, 0, 100);
    MarkGridCells(*tool, 1, GridFlash, 0x500, 0);
    EXPECT_EQ(tool->flash.fore, before);
    MarkGridCells(*tool, 1, GridInRam, 0xF8, 100);
    EXPECT_EQ(tool->inRam.fore[0xFF], kOrange);

    MarkGridCells(*tool, 2, GridFlash, 0, 0);
    for (Colour c : tool->flash.fore) ASSERT_EQ(c, Black);
    EXPECT_EQ(tool->extRam.fore[0x104], kPink); // other grids keep theirs
}

TEST_F(GridsTest, ChangeScanMarksExactlyTheBytesChangedSinceTheLastScan) {
    (*image)[0x0010] = 0x01;
    (*image)[0x8000] = 0x02;
    (*image)[0xFFFE] = 0xA5;
    // The shadow starts at zero: the first scan finds every non-zero byte.
    FlashScan scan = RefreshGridFlash(*tool);
    EXPECT_EQ(scan.changed, 3);
    EXPECT_EQ(scan.first, 0x0010u);
    EXPECT_EQ(scan.last, 0xFFFEu);
    EXPECT_EQ(tool->flash.fore[0x8000], ChangedColour);
    EXPECT_EQ(tool->flash.current, CellOf(0xFFFE));
    EXPECT_EQ(tool->txtAddrNote, CellTipText(0xFFFE, "A5"));

    // Nothing changed: the colours stay as they were.
    EXPECT_EQ(RefreshGridFlash(*tool).changed, 0);
    EXPECT_EQ(tool->flash.fore[0x0010], ChangedColour);

    (*image)[0x4000] = 0x33;
    scan = RefreshGridFlash(*tool);
    EXPECT_EQ(scan.changed, 1);
    for (std::uint32_t a = 0; a < 0x10000; ++a)
        ASSERT_EQ(tool->flash.fore[a], a == 0x4000 ? ChangedColour : Black) << a;
    EXPECT_EQ(tool->FlashShadow, *image);
}

TEST_F(GridsTest, TipsOfDataCellsOnly) {
    (*image)[0x123] = 0xA5;
    EXPECT_EQ(CellTipHint(*tool, GridFlash, 0x12 + 1, 4), CellTipText(0x123, "A5"));
    EXPECT_EQ(tool->txtAddrNote, CellTipText(0x123, "A5"));
    EXPECT_EQ(tool->flash.current, (Cell{0x13, 4}));
    // The mouse moving on within the cell tells the window nothing more, and
    // a tip never shows the whole window again.
    EXPECT_EQ(host.tipChanges, 1);
    EXPECT_EQ(CellTipHint(*tool, GridFlash, 0x12 + 1, 4), CellTipText(0x123, "A5"));
    EXPECT_EQ(host.tipChanges, 1);
    EXPECT_EQ(CellTipHint(*tool, GridFlash, 0x12 + 1, 5), CellTipText(0x124, "00"));
    EXPECT_EQ(host.tipChanges, 2);
    EXPECT_EQ(host.windowChanges, 0);
    EXPECT_EQ(CellTipHint(*tool, GridFlash, 0x12 + 1, 4), CellTipText(0x123, "A5"));
    // A header cell does nothing; an empty RAM cell keeps the previous tip.
    EXPECT_EQ(CellTipHint(*tool, GridFlash, 0, 4), std::nullopt);
    EXPECT_EQ(tool->flash.current, (Cell{0x13, 4}));
    EXPECT_EQ(CellTipHint(*tool, GridInRam, 5, 2), std::nullopt);
    EXPECT_EQ(tool->inRam.current, (Cell{5, 2}));
    EXPECT_EQ(tool->txtAddrNote, CellTipText(0x123, "A5"));
}

TEST_F(GridsTest, TheLinksGridCallsReachTheToolWindow) {
    ToolHosts hosts(*tool);
    platform::Host<radiolink::ToolWindowHost>::Scoped toolHost(hosts);
    platform::Host<app::FlashGridHost>::Scoped gridHost(hosts);
    radiolink::ToolWindowHost& linkCalls = platform::host<radiolink::ToolWindowHost>();
    linkCalls.MarkGridCells(1, GridFlash, 1024, 1024);
    EXPECT_EQ(tool->flash.fore[1024], kRed);
    EXPECT_EQ(tool->flash.fore[2047], kOrange);
    link->InRamDat[0x30] = 0x9C;
    linkCalls.ShowInRamGrid(0x30, 0xFF);
    EXPECT_EQ(CellText(*tool, GridInRam, 0x30), "9C");
    EXPECT_EQ(CellText(*tool, GridInRam, 0x2F), "");
    linkCalls.ShowExtRamGrid(0, 0xFFFF); // clipped to the grid
    EXPECT_EQ(CellText(*tool, GridExtRam, 0xAFF), "00");
    // The data-file reader's range refresh.
    app::WriteDataFile(home.file("d.def"), *image);
    host.changes.clear();
    app::ReadDataFile(home.file("d.def"), *image);
    ASSERT_EQ(host.changes.size(), 1u);
    EXPECT_EQ(host.changes[0].grid, GridFlash);
    EXPECT_EQ(host.changes[0].first, 0xC800u);
    EXPECT_EQ(host.changes[0].last, 0xFBFFu);
}

} // namespace
