// The built-in firmware image against the layout it copies, and the
// converter: its output for that image, its checks, its rewrite.
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "flashtool/SoftConvert.h"
#include "model/ImageMap.h"
#include "platform/IniFile.h"
#include "platform/ProductionFolder.h"
#include "tests/flashtool/FlashFixture.h"
#include "tests/flashtool/HexLines.h"
#include "tools/datagen/DefaultImage.h"

#include <algorithm>

using namespace flashtool;

namespace {

struct Range {
    std::uint32_t first, last;
};

// The ranges of bytes the image fills, as the firmware it copies has them.
const Range kRanges[] = {
    {0x0000, 0x0002}, {0x0029, 0x0038}, {0x007B, 0x007C}, {0x0080, 0x00A1}, {0x0200, 0x02C4},
    {0x0300, 0x075C}, {0x0A00, 0x12E8}, {0x1500, 0x5CA5}, {0x6000, 0x9072}, {0xA000, 0xC57F},
    {0xC800, 0xE78D}, {0xE800, 0xE84F}, {0xE890, 0xE891}, {0xE900, 0xEC60}, {0xEC80, 0xECA9},
    {0xECD0, 0xECFF}, {0xF000, 0xF87F}, {0xFC00, 0xFFFF},
};

std::vector<std::string> builtInLines() {
    return GetFlashSoftHex(101, 10);
}

TEST(BuiltInImageTest, HasTheLayoutOfTheFirmwareItStandsFor) {
    const std::vector<std::string> lines = builtInLines();
    ASSERT_EQ(lines.size(), 3586u);
    EXPECT_EQ(lines.back(), ":00000001FF");
    const HexImage hex = ParseHexLines(lines); // every line's form and checksum
    ASSERT_TRUE(hex) << hex.error->text();
    EXPECT_EQ(hex.lines, 3586);
    ASSERT_EQ(hex.records.size(), 3585u);

    int full = 0, bytes = 0;
    std::size_t longest = 0;
    std::vector<bool> filled(0x10000, false);
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < hex.records.size(); ++i) {
        const HexRecord& r = hex.records[i];
        EXPECT_EQ(lines[i].substr(7, 2), "00") << i; // data records only
        ASSERT_GE(r.data.size(), 1u);
        ASSERT_LE(r.data.size(), 16u);
        ASSERT_GE(r.address, next) << "records ascend and do not overlap, line " << i;
        next = r.address + static_cast<std::uint32_t>(r.data.size());
        full += r.data.size() == 16;
        bytes += static_cast<int>(r.data.size());
        for (std::size_t k = 0; k < r.data.size(); ++k) filled[r.address + k] = true;
        longest = std::max(longest, lines[i].size());
    }
    EXPECT_EQ(full, 3446);
    EXPECT_EQ(3585 - full, 139);
    EXPECT_EQ(bytes, 56310);
    EXPECT_LE(longest, 43u);

    auto count = [&](std::uint32_t first, std::uint32_t last) {
        return std::count(filled.begin() + first, filled.begin() + last + 1, true);
    };
    EXPECT_EQ(count(0x0000, 0x17FF), 4418);
    EXPECT_EQ(count(0x1800, 0x1BFF), 1024);
    EXPECT_EQ(count(0x1C00, 0xC7FF), 38553);
    EXPECT_EQ(count(0xC800, 0xFFFF), 12315);
    EXPECT_EQ(count(37 * 1024, 40 * 1024 - 1), 0);
    // Exactly the 18 ranges.
    std::vector<bool> expected(0x10000, false);
    for (const Range& r : kRanges) std::fill(expected.begin() + r.first, expected.begin() + r.last + 1, true);
    EXPECT_TRUE(filled == expected);

    EXPECT_EQ(lines[348].substr(0, 9), ":101C2000");
    EXPECT_EQ(FindIdentity(lines, 3500), "102C146865");
}

TEST(BuiltInImageTest, ItsDataAreaIsTheDefaultImageKeepingTheRadiosAlignment) {
    model::Image image;
    image.fill(0);
    ApplyHexImage(ParseHexLines(builtInLines()), 0xC7FF, image);
    const model::Image defaults = datagen::BuildDefaultImage();
    for (const Range& r : kRanges) {
        for (std::uint32_t a = std::max<std::uint32_t>(r.first, 0xC800); a <= r.last && a < 0xFC00; ++a) {
            if (a == model::map::BatteryPara) continue;
            ASSERT_EQ(image[a], defaults[a]) << std::hex << a;
        }
    }
    EXPECT_GE(image[model::map::BatteryPara], 0x21);
    // No program byte looks like the loader's fill.
    for (const Range& r : kRanges)
        for (std::uint32_t a = r.first; a <= r.last && a < 0xC800; ++a) ASSERT_NE(image[a], 0xA5) << a;
}

TEST(BuiltInImageTest, EveryListedVersionHasItsImage) {
    radiolink::FirmwareState fw;
    radiolink::InitFlashSoftModel(fw);
    int versions = 0;
    for (int m = radiolink::FirstModelCode; m <= radiolink::LastModelCode; ++m) {
        const std::vector<std::string> names = VersionNames(fw, m);
        for (std::size_t p = 0; p < names.size(); ++p, ++versions) {
            const std::vector<std::string> lines = GetFlashSoftHex(m, std::stoi(names[p]));
            ASSERT_FALSE(lines.empty()) << m << " " << names[p];
            EXPECT_EQ(FindIdentity(lines, 3500), fw.SoftSpecialTbl[m][static_cast<int>(p) + 2]);
        }
    }
    EXPECT_EQ(versions, 1);
    EXPECT_TRUE(GetFlashSoftHex(101, 11).empty());
    EXPECT_TRUE(GetFlashSoftHex(102, 10).empty());
}

class ConverterTest : public flashtest::FlashFixture {
  protected:
    // The section's lines as the output file holds them.
    std::vector<std::string> section(const std::string& path) {
        std::vector<std::string> out;
        bool in = false;
        for (const std::string& l : SplitHexLines(home.read(path.substr(home.path().size() + 1)))) {
            if (!l.empty() && l.front() == '[') {
                in = l == "[SoftConvert]";
                continue;
            }
            if (in && !l.empty()) out.push_back(l);
        }
        return out;
    }
    std::string input(const std::vector<std::string>& lines) {
        home.write("in.hex", flashtest::JoinLines(lines, "\r\n"));
        return home.file("in.hex");
    }
    std::string output() const { return home.path() + "/生产文件/其它/SoftConvert.txt"; }
};

// A 16-byte identity record at 0x1C20 beginning with these five bytes.
std::string identityLine(std::vector<std::uint8_t> identity) {
    identity.resize(16, 0x00);
    return flashtest::HexRecordLine(0x1C20, 0, identity);
}

std::string lineEntry(int i, const std::string& line) {
    return "gstrFlashSoft(101, 10, " + std::to_string(i) + ") = \"" + line + "\"";
}

TEST_F(ConverterTest, TheBuiltInImageConvertsToItsOwnProgramText) {
    EXPECT_EQ(DefaultSaveAddr(), output());
    const std::vector<std::string> lines = builtInLines();
    const ConvertOutcome out = SoftConvert(input(lines), output(), fw);
    ASSERT_TRUE(out.ok) << out.message;
    ASSERT_TRUE(out.fields);
    EXPECT_EQ(out.fields->identity, "102C146865");
    EXPECT_EQ(out.fields->version, "10");
    EXPECT_EQ(out.fields->day, "20");
    EXPECT_EQ(out.fields->code, "101");

    const std::vector<std::string> got = section(output());
    ASSERT_EQ(got.size(), 3586u + 4);
    EXPECT_EQ(got[0], "Function FlashSoft_QM940_101_10H_1000()=###");
    for (int i = 0; i <= 2000; ++i) ASSERT_EQ(got[1 + i], lineEntry(i, lines[i])) << i;
    EXPECT_EQ(got[2002], "End Function=###");
    EXPECT_EQ(got[2003], "Function FlashSoft_QM940_101_10H_1001()=###");
    for (int i = 2001; i <= 3585; ++i) ASSERT_EQ(got[3 + i], lineEntry(i, lines[i])) << i;
    EXPECT_EQ(got.back(), "End Function###=###");
}

TEST_F(ConverterTest, ASecondConversionRewritesTheSectionWhole) {
    ASSERT_TRUE(platform::makeProductionFolders({platform::OtherFolder}));
    platform::IniFile::write(output(), "Other", "Key", "kept");
    const std::vector<std::string> lines = builtInLines();
    ASSERT_TRUE(SoftConvert(input(lines), output(), fw).ok);
    // A shorter file of another model: no stale line of the first.
    const std::vector<std::string> shorter = {identityLine({0x07, 0x2C, 0x09, 0x00, 0x69}), ":00000001FF"};
    const ConvertOutcome out = SoftConvert(input(shorter), output(), fw);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.fields->code, "105");
    EXPECT_EQ(out.fields->version, "7");
    const std::vector<std::string> got = section(output());
    const std::vector<std::string> expected = {
        "Function FlashSoft__105_7H_1000()=###", // model 105 has no name
        "gstrFlashSoft(105, 7, 0) = \"" + shorter[0] + "\"",
        "gstrFlashSoft(105, 7, 1) = \":00000001FF\"",
        "End Function###=###",
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(platform::IniFile::lookup(output(), "Other", "Key"), "kept");
}

TEST_F(ConverterTest, AFileWhoseEndRecordIsLine2000GetsBothFootersOnly) {
    std::vector<std::string> lines = {identityLine({0x10, 0x2C, 0x14, 0x68, 0x65})};
    while (lines.size() < 2000) lines.push_back(flashtest::HexRecordLine(0x2000, 0, {1}));
    lines.push_back(":00000001FF");
    ASSERT_TRUE(SoftConvert(input(lines), output(), fw).ok);
    const std::vector<std::string> got = section(output());
    ASSERT_EQ(got.size(), 2001u + 3);
    EXPECT_EQ(got[2002], "End Function=###");
    EXPECT_EQ(got[2003], "End Function###=###");
}

TEST_F(ConverterTest, AFileThatFailsItsChecksWritesNothing) {
    std::string badSum = identityLine({0x10, 0x2C, 0x14, 0x68, 0x65});
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    struct Case {
        std::vector<std::string> lines;
        std::string message;
    };
    const Case cases[] = {
        {{badSum, ":00000001FF"}, HexError{1, texts::BadChecksum}.text()},
        {{identityLine({0x10, 0x2C, 0x14, 0x68, 0x65})}, HexError{0, texts::NoEndRecord}.text()},
        {{flashtest::HexRecordLine(0x1C30, 0, {1}), ":00000001FF"},
         std::string(texts::HexFilePrefix) + texts::NoIdentity},
        {{identityLine({0x10, 0x2C, 0x14, 0x68, 0x7E}), ":00000001FF"},
         std::string(texts::HexFilePrefix) + texts::BadModelCode + "126"},
        {{identityLine({0x1A, 0x2C, 0x14, 0x68, 0x65}), ":00000001FF"},
         std::string(texts::HexFilePrefix) + texts::BadVersion + "26"},
    };
    for (const Case& c : cases) {
        const ConvertOutcome out = SoftConvert(input(c.lines), output(), fw);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
        EXPECT_FALSE(platform::fileExists(output()));
    }
    const ConvertOutcome missing = SoftConvert(home.file("none.hex"), output(), fw);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.fields);
}

} // namespace
