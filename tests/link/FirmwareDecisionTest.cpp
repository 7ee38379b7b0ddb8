// The firmware tables and the decision whether a radio's firmware is older
// than the newest built-in version of its model.
#include "link/FirmwareTable.h"
#include "link/RadioRoads.h"

#include <gtest/gtest.h>

using namespace radiolink;

namespace {

Identification stampOf(std::array<std::uint8_t, 5> bytes) {
    Identification id;
    id.stamp = bytes;
    return id;
}

TEST(FirmwareTableTest, BuiltInCellsAreWrittenAndOthersKept) {
    FirmwareState fw;
    fw.SoftModelTbl[101][3] = "dropped: the list ends after the built-in version";
    fw.SoftModelTbl[101][4] = "kept";
    fw.SoftModelTbl[110][0] = "other";
    fw.SoftModelTbl[101][2] = "dropped by a tick";
    InitFlashSoftModel(fw);
    EXPECT_EQ(fw.SoftModelTbl[100][0], "未知");
    EXPECT_EQ(fw.SoftModelTbl[100][1], "");
    EXPECT_EQ(fw.SoftModelTbl[101][0], "QM940");
    EXPECT_EQ(fw.SoftModelTbl[101][1], "101");
    // The one built-in image; the cell after it ends the list again.
    EXPECT_EQ(fw.SoftModelTbl[101][2], "10");
    EXPECT_EQ(fw.SoftSpecialTbl[101][2], "102C146865");
    EXPECT_EQ(fw.SoftModelTbl[101][3], "");
    EXPECT_EQ(fw.SoftModelTbl[101][4], "kept");
    EXPECT_EQ(fw.SoftModelTbl[110][0], "other");
    for (int m = FirstModelCode; m <= LastModelCode; ++m)
        EXPECT_EQ(ExpectedIdentity(fw, m), m == 101 ? "102C146865" : "") << m;
}

TEST(FirmwareTableTest, ExpectedIdentityIsThatOfTheNewestListedVersion) {
    FirmwareState fw;
    auto& names = fw.SoftModelTbl[105];
    auto& ids = fw.SoftSpecialTbl[105];
    names[2] = "8";
    ids[2] = "082C146969";
    names[3] = "10";
    ids[3] = "102C146969";
    ids[4] = "no name, no version";
    EXPECT_EQ(ExpectedIdentity(fw, 105), "102C146969");
    for (int c = 2; c <= 30; ++c) names[c] = std::to_string(c);
    ids[30] = "302C146969";
    EXPECT_EQ(ExpectedIdentity(fw, 105), "302C146969");
    EXPECT_EQ(ExpectedIdentity(fw, 99), "");
    EXPECT_EQ(ExpectedIdentity(fw, 126), "");
}

TEST(FirmwareStampTest, ImplausibleStampsCountAsOldest) {
    struct Case {
        std::array<std::uint8_t, 5> bytes;
        const char* stamp;
    };
    const Case cases[] = {
        {{0x63, 0x25, 0x01, 0xAB, 0x65}, "632501AB65"}, {{0x10, 0x2C, 0x1F, 0x68, 0x65}, "102C1F6865"},
        {{0x64, 0x25, 0x01, 0x00, 0x65}, "0000000000"}, // first byte 0x64
        {{0x10, 0x24, 0x01, 0x00, 0x65}, "0000000000"}, // second below 0x25
        {{0x10, 0x30, 0x01, 0x00, 0x65}, "0000000000"}, // its low digit 0
        {{0x10, 0x2D, 0x01, 0x00, 0x65}, "0000000000"}, // its low digit 13
        {{0x10, 0x2C, 0x00, 0x00, 0x65}, "0000000000"}, // third 0
        {{0x10, 0x2C, 0x20, 0x00, 0x65}, "0000000000"}, // third 32
    };
    for (const Case& c : cases) EXPECT_EQ(RadioFirmwareStamp(stampOf(c.bytes)), c.stamp);
}

TEST(FirmwareStampTest, OlderMeansADifferentStampWithSmallerLeadingDigits) {
    struct Case {
        const char* stamp;
        const char* expected;
        bool older;
    };
    const Case cases[] = {
        {"092C146865", "102C146865", true},
        {"0000000000", "102C146865", true},
        {"102C146865", "102C146865", false}, // the same version
        {"102C14FFFF", "102C146865", false}, // differs only after the sixth digit
        {"112C146865", "102C146865", false}, // newer
        {"0000000000", "", false},           // a model without versions
        {"", "102C146865", true},
    };
    for (const Case& c : cases) EXPECT_EQ(OlderFirmware(c.stamp, c.expected), c.older) << c.stamp;
}

} // namespace
