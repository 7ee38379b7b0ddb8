#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/ImageViews.h"
#include "platform/Failure.h"
#include "platform/System.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

using namespace app;
using testsupport::TempHome;

namespace {

using Image = std::array<std::uint8_t, 65536>;

bool inArea(std::size_t a) {
    return (a >= DataArea1First && a <= DataArea1Last) || (a >= DataArea2First && a <= DataArea2Last);
}

// Every byte differs from its neighbours, so a shifted or swapped copy shows.
std::unique_ptr<Image> patterned(std::uint8_t salt) {
    auto image = std::make_unique<Image>();
    for (std::size_t a = 0; a < image->size(); ++a)
        (*image)[a] = static_cast<std::uint8_t>((a * 151 + (a >> 8) * 13 + salt) & 0xFF);
    return image;
}

void store(const std::string& path, const platform::Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

platform::Bytes load(const std::string& path) {
    platform::Bytes b;
    EXPECT_TRUE(platform::readFile(path, b));
    return b;
}

class DataFileTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::Random::instance().seed(20240611); }

    // The flash grid and the alignment display, as the windows answer them.
    struct Views : FlashGridHost, AlignmentDisplayHost {
        explicit Views(std::vector<std::string>& calls) : calls(calls) {}
        void RefreshFlashRange(int first, int last) override {
            calls.push_back("refresh " + std::to_string(first) + "-" + std::to_string(last));
        }
        void AdjParaShow() override { calls.push_back("adjust"); }
        std::vector<std::string>& calls;
    };

    // Writes a good file of `source` and returns its bytes.
    platform::Bytes goodFile(const Image& source, const std::string& name = "good.LDat") {
        WriteDataFile(home.file(name), source);
        return load(home.file(name));
    }

    TempHome home;
    std::vector<std::string> calls;
    Views views{calls};
    platform::Host<FlashGridHost>::Scoped flashGrid{views};
    platform::Host<AlignmentDisplayHost>::Scoped alignment{views};
};

TEST_F(DataFileTest, RoundTripRestoresBothAreasAndTouchesNothingElse) {
    auto source = patterned(1);
    auto before = *source;
    WriteDataFile(home.file("a.LDat"), *source);
    EXPECT_EQ(*source, before) << "writing changes nothing in memory";
    EXPECT_EQ(load(home.file("a.LDat")).size(), DataFileSize);

    auto target = patterned(99);
    ReadDataFile(home.file("a.LDat"), *target);
    auto untouched = patterned(99);
    for (std::size_t a = 0; a < target->size(); ++a)
        ASSERT_EQ((*target)[a], inArea(a) ? (*source)[a] : (*untouched)[a]) << "address " << a;
    EXPECT_EQ(calls, (std::vector<std::string>{"refresh 51200-64511", "adjust"}));
}

TEST_F(DataFileTest, TwoSavesDifferInBytesAndDecodeEqual) {
    auto source = patterned(7);
    platform::Bytes first = goodFile(*source, "1.LDat");
    platform::Bytes second = goodFile(*source, "2.LDat");
    EXPECT_NE(first, second);

    auto a = patterned(0), b = patterned(0);
    DecodeDataFile(first, *a);
    DecodeDataFile(second, *b);
    EXPECT_EQ(*a, *b);
    for (std::uint32_t addr : {0xC800u, 0xE123u, 0xEFFFu, 0xF800u, 0xFBFFu})
        EXPECT_EQ((*a)[addr], (*source)[addr]);
}

TEST_F(DataFileTest, DrawnTablesArePermutationsWithTheirInverses) {
    for (int i = 0; i < 3; ++i) {
        SubstitutionTable t = DrawSubstitutionTable();
        for (int x = 0; x < 256; ++x) ASSERT_EQ(t.B[t.A[x]], x);
    }
}

// A file laid out by hand: known tables, known payload.
TEST_F(DataFileTest, HandBuiltFileDecodesToItsPayload) {
    std::array<std::uint8_t, 256> a0, b0, a1, b1, a2, b2;
    for (int x = 0; x < 256; ++x) {
        a0[x] = static_cast<std::uint8_t>(x * 7 + 3); // odd factor: a permutation
        a1[x] = static_cast<std::uint8_t>(x ^ 0xA5);
        a2[x] = static_cast<std::uint8_t>(255 - x);
    }
    for (int x = 0; x < 256; ++x) b0[a0[x]] = b1[a1[x]] = b2[a2[x]] = static_cast<std::uint8_t>(x);
    auto plain = [](std::size_t j) { return static_cast<std::uint8_t>(j * 31 + j / 256 + 5); };

    platform::Bytes file(12800);
    for (std::size_t k = 0; k < 11264; ++k) {
        std::size_t n = (k / 2) % 256;
        std::uint8_t s = k % 2 == 0 ? a2[n] + a0[plain(k)] : b2[n] + a1[plain(k)];
        file[12 * (k / 11) + k % 11] = s;
    }
    for (std::size_t m = 0; m < 256; ++m) {
        file[12 * m + 11] = a0[m];
        file[12 * (m + 256) + 11] = a1[m];
        file[12 * (m + 512) + 11] = b0[m];
        file[12 * (m + 768) + 11] = b1[m];
        file[12288 + 2 * m] = a2[m];
        file[12289 + 2 * m] = b2[m];
    }
    store(home.file("hand.DudDat"), file);

    auto image = patterned(3);
    auto untouched = patterned(3);
    ReadDataFile(home.file("hand.DudDat"), *image);
    EXPECT_EQ((*image)[0xC800], plain(0));
    EXPECT_EQ((*image)[0xEFFF], plain(10239));
    EXPECT_EQ((*image)[0xF800], plain(10240));
    EXPECT_EQ((*image)[0xFBFF], plain(11263));
    for (std::size_t a = 0; a < image->size(); ++a) {
        if (inArea(a))
            ASSERT_EQ((*image)[a], plain(a < 0xF000 ? a - 0xC800 : a - 0xF800 + 10240)) << a;
        else
            ASSERT_EQ((*image)[a], (*untouched)[a]) << a;
    }

    // The A0 and A1 bytes play no part in reading.
    for (std::size_t m = 0; m < 512; ++m) file[12 * m + 11] = 0;
    auto again = patterned(3);
    DecodeDataFile(file, *again);
    EXPECT_EQ(*again, *image);
}

TEST_F(DataFileTest, RefusedFilesLeaveTheImageAsItWas) {
    auto source = patterned(5);
    const platform::Bytes good = goodFile(*source);
    auto withTable = [&](std::size_t firstBlock) {
        platform::Bytes b = good;
        b[12 * (firstBlock + 9) + 11] = b[12 * (firstBlock + 10) + 11]; // a value twice
        return b;
    };
    std::filesystem::create_directory(home.file("folder.LDat"));
    store(home.file("empty.LDat"), {});
    store(home.file("short.LDat"), platform::Bytes(good.begin(), good.end() - 1));
    store(home.file("b0.LDat"), withTable(512));
    store(home.file("b1.LDat"), withTable(768));
    store(home.file("zeros.LDat"), platform::Bytes(12800, 0));

    struct Case {
        std::string path, why;
    };
    const std::vector<Case> cases{
        {home.file("missing.LDat"), "No such file"},
        {home.file("empty.LDat"), "holds 0 bytes"},
        {home.file("short.LDat"), "holds 12799 bytes"},
        {home.file("b0.LDat"), "tables"},
        {home.file("b1.LDat"), "tables"},
        {home.file("zeros.LDat"), "tables"},
        {home.file("folder.LDat"), "folder"},
        {"/proc/self/mem", "Cannot read"}, // a plain file whose first byte cannot be read
    };
    for (const Case& c : cases) {
        auto image = patterned(42);
        auto before = *image;
        try {
            ReadDataFile(c.path, *image);
            ADD_FAILURE() << c.path << " was read";
        } catch (const platform::Failure& e) {
            EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << c.path << ": " << e.what();
        }
        EXPECT_EQ(*image, before) << c.path;
    }
    EXPECT_FALSE(std::filesystem::exists(home.file("missing.LDat"))) << "reading creates no file";
    EXPECT_TRUE(calls.empty()) << "nothing is refreshed after a refused file";
}

TEST_F(DataFileTest, LongerFileIsReadFromItsFirst12800Bytes) {
    auto source = patterned(11);
    platform::Bytes longer = goodFile(*source);
    longer.push_back(0x77);
    store(home.file("long.LDat"), longer);
    ::chmod(home.file("long.LDat").c_str(), 0444); // a read-only file reads as any other

    auto image = patterned(12), untouched = patterned(12);
    ReadDataFile(home.file("long.LDat"), *image);
    for (std::size_t a = 0; a < image->size(); ++a)
        ASSERT_EQ((*image)[a], inArea(a) ? (*source)[a] : (*untouched)[a]) << a;
}

TEST_F(DataFileTest, FailedWriteKeepsTheOldFile) {
    auto source = patterned(21);
    const platform::Bytes old = goodFile(*source, "keep.LDat");
    ::chmod(home.path().c_str(), 0555);
    auto other = patterned(22);
    EXPECT_THROW(WriteDataFile(home.file("keep.LDat"), *other), platform::Failure);
    ::chmod(home.path().c_str(), 0755);
    EXPECT_EQ(load(home.file("keep.LDat")), old);
    EXPECT_THROW(WriteDataFile(home.file("no/such/folder.LDat"), *other), platform::Failure);
}

TEST_F(DataFileTest, InitTempArrayReadsTheDefaultImageOrReportsAndKeepsTheImage) {
    testsupport::ErrorLog errors;
    auto image = patterned(31);
    auto before = *image;
    platform::IoResult r = InitTempArray(*image);
    EXPECT_FALSE(r);
    EXPECT_NE(r.error.find("zezirev.def"), std::string::npos);
    EXPECT_EQ(*image, before);
    EXPECT_EQ(errors.tags, std::vector<std::string>{"mdifrmMain->InitTempArray"});

    auto source = patterned(32);
    WriteDataFile(home.file("zezirev.def"), *source);
    EXPECT_TRUE(InitTempArray(*image));
    EXPECT_EQ((*image)[0xE710], (*source)[0xE710]);
}

// Saved new and saved over: a file behind a link (the link stays and the
// file it leads to takes the bytes), and a name of the longest length the
// file system takes.
TEST_F(DataFileTest, SavesOverALinkAndUnderTheLongestName) {
    namespace fs = std::filesystem;
    fs::create_directory(home.file("real"));
    fs::create_symlink("real/radio.LDat", home.file("radio.LDat"));
    const std::string longest = std::string(250, 'r') + ".LDat";
    for (const std::string& name : {std::string("radio.LDat"), longest}) {
        for (std::uint8_t salt : {51, 52}) {
            auto source = patterned(salt);
            ASSERT_NO_THROW(WriteDataFile(home.file(name), *source)) << name.size() << " bytes";
            auto image = patterned(0);
            ReadDataFile(home.file(name), *image);
            for (std::uint32_t a : {0xC800u, 0xEFFFu, 0xF800u, 0xFBFFu}) EXPECT_EQ((*image)[a], (*source)[a]);
        }
    }
    EXPECT_TRUE(fs::is_symlink(home.file("radio.LDat")));
    EXPECT_EQ(fs::file_size(home.file("real/radio.LDat")), DataFileSize);
    EXPECT_EQ(fs::file_size(home.file(longest)), DataFileSize);
}

} // namespace
