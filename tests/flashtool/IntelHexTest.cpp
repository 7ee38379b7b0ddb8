// Intel HEX files into the image: checked whole, applied whole or not at all.
#include "flashtool/IntelHex.h"
#include "app/Shell.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/SoftConvert.h"
#include "flashtool/ToolWindowLogic.h"
#include "tests/flashtool/FlashFixture.h"
#include "tests/flashtool/HexLines.h"

using namespace flashtool;
using flashtest::HexRecordLine;
using flashtest::JoinLines;

namespace {

const std::string kEnd = ":00000001FF";

TEST(IntelHexTest, LinesSplitAtLineFeedsWithoutTheirCarriageReturns) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitHexLines("a\r\nb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitHexLines("a\n"), (V{"a"}));
    EXPECT_EQ(SplitHexLines("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(SplitHexLines(""), V{});
}

TEST(IntelHexTest, RecordsThatCarryNoDataArePassedOver) {
    const std::vector<std::string> lines = {
        HexRecordLine(0x0000, 4, {0x00, 0x00}), HexRecordLine(0x0000, 2, {0x00, 0x00}),
        HexRecordLine(0x0000, 3, {0x00, 0x00, 0x12, 0x34}),
        HexRecordLine(0x0000, 5, {0x00, 0x00, 0x12, 0x34}),
        // Lower-case digits, and the end record with another address.
        ":02001000abcd76", ":00123401B9", "lines after the end are not read"};
    const HexImage hex = ParseHexLines(lines);
    ASSERT_TRUE(hex) << hex.error->text();
    EXPECT_EQ(hex.lines, 6);
    ASSERT_EQ(hex.records.size(), 1u);
    EXPECT_EQ(hex.records[0].address, 0x0010);
    EXPECT_EQ(hex.records[0].data, (std::vector<std::uint8_t>{0xAB, 0xCD}));
}

TEST(IntelHexTest, ApplyFillsTheRangeThenStoresRecordsInOrder) {
    const std::vector<std::string> lines = {HexRecordLine(0xC7FE, 0, {1, 2, 3, 4}),
                                            HexRecordLine(0xC800, 0, {9}), kEnd};
    model::Image image;
    image.fill(0x11);
    const HexImage hex = ParseHexLines(lines);
    ApplyHexImage(hex, 0xC7FF, image, 0xC800);
    EXPECT_EQ(image[0x0000], 0xA5);
    EXPECT_EQ(image[0xC7FD], 0xA5);
    EXPECT_EQ(image[0xC7FE], 1);
    EXPECT_EQ(image[0xC7FF], 2);
    EXPECT_EQ(image[0xC800], 0x11); // kept
    EXPECT_EQ(image[0xC801], 0x11);
    ApplyHexImage(hex, 0xC7FF, image);
    EXPECT_EQ(image[0xC800], 9); // the later record wins
    EXPECT_EQ(image[0xC801], 4);
}

class HexFileTest : public flashtest::FlashFixture {
  protected:
    HexFileTest() {
        scribble();
        link->frmMain.cmdWriteFlash.Enabled = false;
    }
    std::string write(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
        const std::string name = "f" + std::to_string(++files) + ".hex";
        home.write(name, JoinLines(lines, eol));
        return home.file(name);
    }
    int files = 0;
};

TEST_F(HexFileTest, AGoodFileLoadsWholeWithEitherLineEnd) {
    for (const char* eol : {"\r\n", "\n"}) {
        scribble();
        link->frmMain.chkSoftShowGrid.Value = 1;
        link->frmMain.chkGridFlashColor.Value = 1;
        const std::vector<std::string> lines = {HexRecordLine(0x0000, 4, {0x00, 0x00}),
                                                HexRecordLine(0x1C20, 0, {0x10, 0x2C, 0x14, 0x68, 0x65}),
                                                HexRecordLine(0xF000, 0, {0xDE, 0xAD, 0xBE, 0xEF}), kEnd};
        const std::string path = write(lines, eol);
        alignment.shows = 0;
        ASSERT_TRUE(LoadHexFile(*tool, path)) << link->frmMain.lblComStatus;
        for (std::uint32_t a = 0; a < 0x10000; ++a) {
            const bool data = (a >= 0x1C20 && a < 0x1C25) || (a >= 0xF000 && a < 0xF004);
            if (!data) {
                ASSERT_EQ((*image)[a], 0xA5) << eol << a;
            }
        }
        EXPECT_EQ((*image)[0x1C24], 0x65);
        EXPECT_EQ((*image)[0xF003], 0xEF);
        EXPECT_TRUE(link->frmMain.cmdWriteFlash.Enabled);
        EXPECT_EQ(tool->lblFileName, texts::FileNameLabel + path);
        EXPECT_EQ(link->frmMain.lblComStatus, texts::HexLoaded);
        // The display step: every cell marked, the alignment display run.
        EXPECT_EQ(tool->flash.fore[0x0000], 0x0000FFu);
        EXPECT_EQ(tool->flash.fore[0xFFFF], 0x0A73F5u);
        EXPECT_EQ(alignment.shows, 1);
        EXPECT_TRUE(dialogs.asked.empty());
    }
}

TEST_F(HexFileTest, WithoutTheShowInGridBoxNoDisplayStep) {
    ASSERT_TRUE(LoadHexFile(*tool, write({HexRecordLine(0x10, 0, {1}), kEnd})));
    EXPECT_EQ(tool->flash.fore[0x10], Black);
    EXPECT_EQ(alignment.shows, 0);
}

TEST_F(HexFileTest, EveryLoadStartsFromAFreshBuffer) {
    std::vector<std::string> longer;
    for (std::uint16_t a = 0; a < 0x400; a += 16)
        longer.push_back(HexRecordLine(a, 0, std::vector<std::uint8_t>(16, 0x42)));
    longer.push_back(kEnd);
    ASSERT_TRUE(LoadHexFile(*tool, write(longer)));
    ASSERT_TRUE(LoadHexFile(*tool, write({HexRecordLine(0x0000, 0, {7}), kEnd})));
    EXPECT_EQ((*image)[0x0000], 7);
    EXPECT_EQ((*image)[0x0010], 0xA5);
    EXPECT_EQ((*image)[0x03FF], 0xA5);
}

struct BadFile {
    const char* name;
    std::vector<std::string> lines;
    std::string expected; // the error as the user sees it
};

std::vector<std::string> manyLines(int data) {
    std::vector<std::string> lines;
    for (int i = 0; i < data; ++i)
        lines.push_back(HexRecordLine(static_cast<std::uint16_t>(i * 16 % 0xFFF0), 0, {1}));
    lines.push_back(kEnd);
    return lines;
}

std::string atLine(int n, const char* reason) {
    return HexError{n, reason}.text();
}

TEST_F(HexFileTest, AFailingFileNamesItsLineAndChangesNothing) {
    std::string badSum = HexRecordLine(0xF000, 0, {0xDE, 0xAD, 0xBE, 0xEF});
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    std::string truncated = HexRecordLine(0x0100, 0, {1, 2, 3, 4});
    truncated.resize(truncated.size() - 2);
    const BadFile cases[] = {
        {"bad checksum", {HexRecordLine(0x10, 0, {1}), badSum, kEnd}, atLine(2, texts::BadChecksum)},
        {"upper address not 0", {HexRecordLine(0, 4, {0x00, 0x01}), kEnd}, atLine(1, texts::UpperNotZero)},
        {"segment not 0", {HexRecordLine(0, 2, {0x10, 0x00}), kEnd}, atLine(1, texts::UpperNotZero)},
        {"past 0xFFFF",
         {HexRecordLine(0x10, 0, {1}), HexRecordLine(0xFFFE, 0, {1, 2, 3}), kEnd},
         atLine(2, texts::PastEnd)},
        {"truncated line", {HexRecordLine(0x10, 0, {1}), truncated, kEnd}, atLine(2, texts::WrongLength)},
        {"not hex", {":0100100001G0", kEnd}, atLine(1, texts::NotHex)},
        {"empty line", {HexRecordLine(0x10, 0, {1}), "", kEnd}, atLine(2, texts::NoColon)},
        {"unknown type",
         {HexRecordLine(0x10, 6, {1}), kEnd},
         atLine(1, (std::string(texts::UnknownType) + "06").c_str())},
        {"no end record",
         {HexRecordLine(0x10, 0, {1}), HexRecordLine(0x20, 0, {2})},
         HexError{0, texts::NoEndRecord}.text()},
        {"end record with a blank after it",
         {HexRecordLine(0x10, 0, {1}), kEnd + " "},
         atLine(2, texts::NotHex)},
        {"4,002 lines", manyLines(4001), HexError{0, texts::TooManyLines}.text()},
    };
    const model::Image before = *image;
    for (const BadFile& c : cases) {
        dialogs.asked.clear();
        tool->lblFileName = "kept";
        host.changes.clear();
        EXPECT_FALSE(LoadHexFile(*tool, write(c.lines))) << c.name;
        EXPECT_EQ(*image, before) << c.name;
        EXPECT_FALSE(link->frmMain.cmdWriteFlash.Enabled) << c.name;
        EXPECT_EQ(tool->lblFileName, "kept") << c.name;
        EXPECT_TRUE(host.changes.empty()) << c.name;
        EXPECT_EQ(link->frmMain.lblComStatus, c.expected) << c.name;
        ASSERT_EQ(dialogs.asked.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.asked[0].text, c.expected) << c.name;
    }
    // The same number of lines with the end record as the last of 4,001 loads.
    EXPECT_TRUE(LoadHexFile(*tool, write(manyLines(4000))));
}

TEST_F(HexFileTest, TheFileCommandOpensInTheTestModeFolder) {
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(cmdReadDat_Click(*tool));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, home.path() + "/生产文件/测试模式");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "HEX File(*.hex)|*.hex");
    EXPECT_TRUE(platform::isDirectory(home.path() + "/生产文件/测试模式"));
    dialogs.files.push_back(write({HexRecordLine(0x10, 0, {1}), kEnd}));
    EXPECT_TRUE(cmdReadDat_Click(*tool));
    EXPECT_EQ((*image)[0x10], 1);
    // A file that cannot be read.
    dialogs.files.push_back(home.file("missing.hex"));
    EXPECT_FALSE(cmdReadDat_Click(*tool));
    EXPECT_EQ((*image)[0x10], 1);
    EXPECT_EQ(dialogs.asked.size(), 1u);
}

// A file larger than any image is refused for its size, by the file command
// and by the converter alike, however few lines it has; up to the limit both
// read it.
TEST_F(HexFileTest, AFileLargerThan4MiBIsRefusedForItsSizeByLoaderAndConverter) {
    const std::string head = JoinLines(
        {HexRecordLine(0x1C20, 0, {0x10, 0x2C, 0x14, 0x68, 0x65, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), kEnd},
        "\r\n");
    const std::string output = home.file("SoftConvert.txt");
    const std::string tooLarge = HexError{0, texts::FileTooLarge}.text();
    const model::Image before = *image;
    // Lines after the end record are never read: here one long line.
    home.write("big.hex", head + std::string(HexFileLimit - head.size() + 1, ';'));
    EXPECT_FALSE(LoadHexFile(*tool, home.file("big.hex")));
    EXPECT_EQ(link->frmMain.lblComStatus, tooLarge);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, tooLarge);
    EXPECT_EQ(*image, before);
    const ConvertOutcome converted = SoftConvert(home.file("big.hex"), output, fw);
    EXPECT_FALSE(converted.ok);
    EXPECT_EQ(converted.message, tooLarge);
    EXPECT_FALSE(platform::fileExists(output));

    home.write("big.hex", head + std::string(HexFileLimit - head.size(), ';'));
    EXPECT_TRUE(LoadHexFile(*tool, home.file("big.hex")));
    EXPECT_EQ((*image)[0x1C24], 0x65);
    const ConvertOutcome read = SoftConvert(home.file("big.hex"), output, fw);
    EXPECT_TRUE(read.ok) << read.message;
}

// The factory windows say why a file cannot be used in their own words,
// whatever the interface language, never in the error report's English.
TEST_F(HexFileTest, AFileThatCannotBeUsedIsToldInTheWindowsOwnWords) {
    app::shell().LangIndex = 3;
    const std::string missing = home.file("missing.hex");
    const struct {
        std::string path;
        std::string said;
    } cases[] = {
        {missing, "无法打开 " + missing + "：没有这个文件或文件夹"},
        {home.path(), "不是普通文件：" + home.path()},
    };
    for (const auto& c : cases) {
        dialogs.asked.clear();
        EXPECT_FALSE(LoadHexFile(*tool, c.path));
        EXPECT_EQ(link->frmMain.lblComStatus, c.said);
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].text, c.said);
        EXPECT_EQ(SoftConvert(c.path, home.file("out.txt"), fw).message, c.said);
    }
    EXPECT_EQ(app::shell().LangIndex, 3);

    // The test-mode folder that cannot be made: the dialog opens all the same.
    home.write("生产文件", "a file where the folder belongs");
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(cmdReadDat_Click(*tool));
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(link->frmMain.lblComStatus.rfind("无法创建文件夹 " + home.path() + "/生产文件", 0), 0u)
        << link->frmMain.lblComStatus;
}

} // namespace
