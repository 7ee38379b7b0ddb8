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
    const datagen::Image image = datagen::BuildDefaultImage();
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
    const datagen::Image expected = datagen::BuildDefaultImage();
    for (const char* name : {"zezirev.def", "DefRadioSet.def"}) {
        datagen::Image image{};
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
