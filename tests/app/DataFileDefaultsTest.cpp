#include "app/DataFile.h"
#include "tests/support/TempHome.h"
#include "tools/datagen/DefaultImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using testsupport::TempHome;

namespace {

bool inArea(std::size_t a) {
    return (a >= app::DataArea1First && a <= app::DataArea1Last) ||
           (a >= app::DataArea2First && a <= app::DataArea2Last);
}

platform::Bytes load(const std::string& path) {
    platform::Bytes b;
    EXPECT_TRUE(platform::readFile(path, b)) << path;
    return b;
}

TEST(DefaultImage, EmptyChannelsThe400To470BandAndAConsistentPowerTable) {
    const model::Image image = datagen::BuildDefaultImage();
    for (std::size_t a = 0xC800; a <= 0xDFFF; ++a) ASSERT_EQ(image[a], 0xFF) << "channel area " << a;

    const std::uint8_t band[16] = {0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00,
                                   0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(image[0xE700 + i], band[i]) << "band block byte " << i;
        EXPECT_EQ(image[0xE960 + i], band[i]) << "band block copy byte " << i;
    }
    const std::uint16_t sum = datagen::PowerTableSum(image);
    EXPECT_EQ(image[0xF833] | image[0xF834] << 8, sum);
    for (std::size_t a = 0; a < image.size(); ++a)
        ASSERT_TRUE(inArea(a) || image[a] == 0) << "outside the data pages " << a;
}

// The values the settings loader, the VOX and volume defaults and the
// alignment display give, written out here rather than taken from the tables:
// loading the default image must repair nothing.
TEST(DefaultImage, HoldsTheValuesTheEditorsRepairToAndTheirDefaults) {
    const model::Image image = datagen::BuildDefaultImage();
    struct Byte {
        std::uint16_t at;
        std::uint8_t value;
    };
    // The settings loader's repair values; the VOX levels 1-10; the volume
    // dialog's Default in volume mode 1 with its marker; the register words,
    // low byte first; the power table's sum over 51 zero bytes.
    const Byte expected[] = {
        {0xEC0C, 2},    {0xEC43, 0},    {0xEC16, 0},    {0xEC42, 0},    {0xEC05, 5},    {0xEC15, 0},
        {0xEC58, 10},   {0xEC41, 4},    {0xEC23, 0},    {0xEC03, 4},    {0xEC46, 2},    {0xEC4E, 3},
        {0xEC1D, 3},    {0xEC9F, 10},   {0xEC4C, 0},    {0xEC4D, 0},    {0xEC13, 0},    {0xEC49, 30},
        {0xEC9B, 150},  {0xEC9C, 150},  {0xEC44, 17},   {0xEC45, 15},   {0xEC93, 0},    {0xEC17, 0},
        {0xEC5D, 1},    {0xEC5E, 1},    {0xEC5C, 0},    {0xEC5A, 0},    {0xEC32, 0},    {0xEC33, 0},
        {0xEC31, 10},   {0xEC34, 0},    {0xEC35, 0},    {0xEC01, 4},    {0xEC21, 7},    {0xEC07, 4},
        {0xEC08, 1},    {0xEC09, 0},    {0xEC0A, 0},    {0xEC2D, 40},   {0xEC2E, 242},  {0xEC2F, 242},
        {0xEC37, 250},  {0xEC38, 0},    {0xEC39, 0},    {0xE146, 0},    {0xE149, 0},    {0xEC3E, 250},
        {0xEC5F, 250},  {0xE721, 170},  {0xE722, 155},  {0xE723, 140},  {0xE724, 125},  {0xE725, 110},
        {0xE726, 95},   {0xE727, 80},   {0xE728, 65},   {0xE729, 50},   {0xE72A, 35},   {0xE730, 0},
        {0xE731, 69},   {0xE732, 148},  {0xE733, 120},  {0xE734, 227},  {0xE735, 79},   {0xE736, 185},
        {0xE737, 156},  {0xE738, 173},  {0xE739, 175},  {0xE73A, 253},  {0xE73B, 0x5A}, {0xE841, 0x86},
        {0xE842, 0x29}, {0xE843, 0x28}, {0xE844, 0x2A}, {0xE845, 0x20}, {0xE846, 0x53}, {0xE847, 0x8A},
        {0xE848, 0x24}, {0xE849, 0x94}, {0xE84A, 0x24}, {0xE84B, 142},  {0xE890, 150},  {0xF833, 0x5A},
        {0xF834, 0x5A}};
    for (const Byte& b : expected) EXPECT_EQ(image[b.at], b.value) << std::hex << b.at;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(image[0xE951 + i], 0x8F + i) << "fixed byte " << i;
    for (int i = 0; i < 51; ++i) EXPECT_EQ(image[0xF800 + i], 0) << "power table " << i;
    // Check boxes stored as whole bytes read back unchanged only as 0 or 1.
    for (std::uint16_t at : {0xEC1B, 0xEC0B, 0xEC0E, 0xEC29, 0xEC47, 0xEC50, 0xEC4B, 0xEC59, 0xEC4A, 0xEC0F,
                             0xEC2B, 0xEC3A, 0xEC3D, 0xEC2C, 0xEC3F, 0xEC5B, 0xEC60})
        EXPECT_LE(image[at], 1) << std::hex << at;
    const std::pair<std::uint16_t, int> keys[] = {
        {0xEC24, 15}, {0xEC25, 15}, {0xEC26, 13}, {0xEC27, 13}, {0xEC36, 13}};
    for (auto [at, top] : keys) EXPECT_LE(image[at], top) << std::hex << at;
    for (int g = 0; g < 3; ++g) EXPECT_TRUE(image[0xE95D + g] == 150 || image[0xE95D + g] == 255) << g;
    for (int i = 0; i < 3; ++i) EXPECT_LE(image[0xE900 + i], 7) << "power output " << i;
    EXPECT_LT(image[0xEA0A], 3);
}

// A typing slip in an address shows as a field outside the carried pages or
// as two defaults for one byte.
TEST(DefaultImage, TablesStayInsideTheDataPagesAndNameEachByteOnce) {
    std::map<std::uint32_t, std::string> owner;
    auto claim = [&](std::uint32_t a, const std::string& name) {
        EXPECT_TRUE(inArea(a)) << name << " at " << a;
        auto [it, fresh] = owner.emplace(a, name);
        EXPECT_TRUE(fresh) << a << " is both " << it->second << " and " << name;
    };
    for (auto table : {datagen::EmptyAreas(), datagen::SettingsDefaults(), datagen::AlignmentDefaults()})
        for (const datagen::Field& f : table) {
            EXPECT_LE(f.first, f.last) << f.name;
            for (std::uint32_t a = f.first; a <= f.last; ++a) claim(a, f.name);
        }
    for (const datagen::BandLimit& b : datagen::BandLimits())
        for (std::uint32_t a = b.address; a < b.address + 4u; ++a) claim(a, b.name);
}

TEST(DefaultImage, ShippedFilesCarryItAndEveryBuildWritesTheSameBytes) {
    TempHome home;
    home.copyShipped("zezirev.def");
    home.copyShipped("DefRadioSet.def");
    const model::Image expected = datagen::BuildDefaultImage();
    for (const char* name : {"zezirev.def", "DefRadioSet.def"}) {
        model::Image image{};
        app::ReadDataFile(home.file(name), image);
        EXPECT_EQ(image, expected) << name;
    }
    EXPECT_NE(load(home.file("zezirev.def")), load(home.file("DefRadioSet.def")));

    std::filesystem::create_directory(home.file("again"));
    datagen::WriteDefaultFiles(home.file("again"));
    EXPECT_EQ(load(home.file("again/zezirev.def")), load(home.file("zezirev.def")));
    EXPECT_EQ(load(home.file("again/DefRadioSet.def")), load(home.file("DefRadioSet.def")));
}

} // namespace
