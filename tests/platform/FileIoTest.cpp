#include "platform/FileIo.h"
#include "tests/support/TempHome.h"
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;
using testsupport::TempHome;

TEST(FileIo, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    TempHome home;
    home.write("f.bin", "old content that is longer");
    ASSERT_TRUE(writeFileAtomic(home.file("f.bin"), std::string("new")));
    EXPECT_EQ(home.read("f.bin"), "new");
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(home.path())) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(FileIo, ReadRefusesFoldersAndNeverCreates) {
    TempHome home;
    Bytes b;
    EXPECT_FALSE(readFile(home.file("missing"), b));
    EXPECT_FALSE(fileExists(home.file("missing")));
    ::mkdir(home.file("dir").c_str(), 0755);
    EXPECT_FALSE(readFile(home.file("dir"), b));
}

TEST(FileIo, ReadStopsAtTheLimit) {
    TempHome home;
    home.write("f.bin", "0123456789");
    Bytes b;
    ASSERT_TRUE(readFile(home.file("f.bin"), b, 4));
    EXPECT_EQ(std::string(b.begin(), b.end()), "0123");
}

TEST(FileIo, MakeFolderCreatesParents) {
    TempHome home;
    ASSERT_TRUE(makeFolder(home.file("a/b/c")));
    EXPECT_TRUE(isDirectory(home.file("a/b/c")));
    EXPECT_TRUE(makeFolder(home.file("a/b/c")));
}

TEST(FileIo, MakeFolderRefusesAFileOfThatNameAndAReadOnlyParent) {
    TempHome home;
    home.write("taken", "x");
    EXPECT_FALSE(makeFolder(home.file("taken")));
    ::mkdir(home.file("locked").c_str(), 0555);
    EXPECT_FALSE(makeFolder(home.file("locked/sub")));
    EXPECT_FALSE(isDirectory(home.file("locked/sub")));
}
