#include "platform/IniFile.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::IniFile;
using testsupport::TempHome;

namespace {

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    int size;
    const char* expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, GivesTheStoredValueOrTheDefault) {
    TempHome home;
    const ReadCase& c = GetParam();
    home.write("t.ini", c.content);
    EXPECT_EQ(IniFile::read(home.file("t.ini"), c.section, c.key, "DEF", c.size), c.expected) << c.name;
}

TEST_P(IniRead, ASectionReadAtOnceGivesTheSame) {
    TempHome home;
    const ReadCase& c = GetParam();
    home.write("t.ini", c.content);
    const platform::IniSection section(home.file("t.ini"), c.section);
    EXPECT_EQ(section.read(c.key, "DEF", c.size), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(
        ReadCase{"plain", "[Setting]\nLanguage=3\n", "Setting", "Language", 10, "3"},
        ReadCase{"section case", "[setting]\nLanguage=3\n", "SETTING", "Language", 10, "3"},
        ReadCase{"key case", "[Setting]\nlanguage=3\n", "Setting", "LANGUAGE", 10, "3"},
        ReadCase{"trimmed", "[Setting]\n  Language  =   3   \n", "Setting", "Language", 10, "3"},
        ReadCase{"cut to size - 1", "[Setting]\nFirRun=100\n", "Setting", "FirRun", 3, "10"},
        ReadCase{"cut never splits a character", "[S]\nF=宋体宋\n", "S", "F", 4, "宋"},
        ReadCase{"two-unit characters", "[S]\nF=宋体\n", "S", "F", 5, "宋体"},
        ReadCase{"present but empty", "[Setting]\nLanguage=\n", "Setting", "Language", 10, ""},
        ReadCase{"missing key", "[Setting]\nOther=1\n", "Setting", "Language", 10, "DEF"},
        ReadCase{"missing section", "[Config]\nLanguage=1\n", "Setting", "Language", 10, "DEF"},
        ReadCase{"key of another section", "[Config]\nCOM=4\n[Setting]\nX=1\n", "Setting", "COM", 10, "DEF"},
        ReadCase{"comment skipped", "[Setting]\n;Language=1\nLanguage=2\n", "Setting", "Language", 10, "2"},
        ReadCase{"CRLF", "[Setting]\r\nLanguage=1\r\nFirRun=0\r\n", "Setting", "Language", 10, "1"},
        ReadCase{"last line without end", "[Setting]\nLanguage=1", "Setting", "Language", 10, "1"},
        ReadCase{"equals in value", "[S]\nF=a=b\n", "S", "F", 10, "a=b"},
        ReadCase{"quotes dropped", "[S]\nF=\"x y\"\n", "S", "F", 10, "x y"},
        ReadCase{"first of two", "[S]\nF=1\nF=2\n", "S", "F", 10, "1"},
        ReadCase{"section given twice", "[S]\nA=1\n[T]\nF=0\n[s]\nF=2\n", "S", "F", 10, "2"}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(IniRead, MissingFileGivesTheDefault) {
    TempHome home;
    EXPECT_EQ(IniFile::read(home.file("none.ini"), "S", "K", "DEF", 10), "DEF");
    EXPECT_FALSE(platform::fileExists(home.file("none.ini")));
}

TEST(IniRead, DefaultIsCutLikeAValue) {
    TempHome home;
    EXPECT_EQ(IniFile::read(home.file("none.ini"), "S", "K", "Times New Roman", 6), "Times");
}

struct WriteCase {
    const char* name;
    const char* before; // nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyItsKey) {
    TempHome home;
    const WriteCase& c = GetParam();
    if (c.before) home.write("t.ini", c.before);
    ASSERT_TRUE(IniFile::write(home.file("t.ini"), c.section, c.key, c.value)) << c.name;
    EXPECT_EQ(home.read("t.ini"), c.after) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(WriteCase{"new file", nullptr, "Setting", "FirRun", "1", "[Setting]\nFirRun=1\n"},
                      WriteCase{"new section at end", "[A]\nx=1\n", "Setting", "FirRun", "1",
                                "[A]\nx=1\n[Setting]\nFirRun=1\n"},
                      WriteCase{"replace keeps spelling", "[setting]\n ; note\n firrun = 2\nLanguage=3\n",
                                "Setting", "FirRun", "0", "[setting]\n ; note\n firrun=0\nLanguage=3\n"},
                      WriteCase{"new key after last entry", "[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3",
                                "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
                      WriteCase{"CRLF kept", "[A]\r\nx=1\r\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
                      WriteCase{"no final line end kept", "[A]\nx=1", "A", "x", "2", "[A]\nx=2"},
                      WriteCase{"new key after a last line without end", "[A]\r\nx=1", "A", "y", "2",
                                "[A]\r\nx=1\r\ny=2\r\n"},
                      WriteCase{"mixed line ends kept", "[A]\r\nx=1\ny=2\r\n[B]\nz=3\n", "B", "z", "4",
                                "[A]\r\nx=1\ny=2\r\n[B]\nz=4\n"},
                      WriteCase{"a new key takes the end of the line before it", "[A]\nx=1\r\n\n[B]\n", "A",
                                "y", "2", "[A]\nx=1\r\ny=2\r\n\n[B]\n"},
                      WriteCase{"a new section takes the end of the last line", "[A]\r\nx=1\r\n", "B", "y",
                                "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
                      WriteCase{"every line keeps its own end", "[A]\nx=1\r\n[B]\ny=2\r\r\nz=3\r", "A", "x",
                                "5", "[A]\nx=5\r\n[B]\ny=2\r\r\nz=3\r"},
                      WriteCase{"new key after a last line ending in a lone CR", "[A]\r\nx=1\r", "A", "y",
                                "2", "[A]\r\nx=1\r\ny=2\r\n"},
                      WriteCase{"value with equals", "[A]\nx=1\n", "A", "x", "a=b", "[A]\nx=a=b\n"},
                      WriteCase{"comments and order kept", ";top\n[B]\nb=1\n[A]\n;c\nx=1\ny=2\n", "A", "y",
                                "9", ";top\n[B]\nb=1\n[A]\n;c\nx=1\ny=9\n"}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(IniWrite, ReadOnlyFileAndFolderRefuseAndStayAsTheyWere) {
    TempHome home;
    home.write("ro.ini", "[A]\nx=1\n");
    ::chmod(home.file("ro.ini").c_str(), 0444);
    platform::IoResult r = IniFile::write(home.file("ro.ini"), "A", "x", "2");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(home.read("ro.ini"), "[A]\nx=1\n");

    ::mkdir(home.file("locked").c_str(), 0555);
    EXPECT_FALSE(IniFile::write(home.file("locked/t.ini"), "A", "x", "1"));
    EXPECT_FALSE(platform::fileExists(home.file("locked/t.ini")));
}

// A value ending in CR in a file of LF lines keeps its CR through a write
// of another key.
TEST(IniWrite, AValueEndingInCarriageReturnSurvivesAnotherWrite) {
    TempHome home;
    home.write("t.ini", "[S]\nk1=a\r\r\n");
    const std::string f = home.file("t.ini");
    EXPECT_EQ(IniFile::read(f, "S", "k1", "", 10), "a\r");
    ASSERT_TRUE(IniFile::write(f, "S", "k2", "b"));
    EXPECT_EQ(IniFile::read(f, "S", "k1", "", 10), "a\r");
    EXPECT_EQ(IniFile::read(f, "S", "k2", "", 10), "b");
    EXPECT_EQ(home.read("t.ini"), "[S]\nk1=a\r\r\nk2=b\r\n");
}

// Start-up stores values that are mostly stored already: such a write
// leaves the file as it is, not rewritten (nor synced to disk).
TEST(IniWrite, StoredValueLeavesTheFileAlone) {
    TempHome home;
    home.write("t.ini", "[A]\r\nx=1\n");
    struct stat before {};
    ::stat(home.file("t.ini").c_str(), &before);
    ASSERT_TRUE(IniFile::write(home.file("t.ini"), "a", "X", "1"));
    struct stat after {};
    ::stat(home.file("t.ini").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    ASSERT_TRUE(IniFile::write(home.file("t.ini"), "A", "x", "2"));
    EXPECT_EQ(home.read("t.ini"), "[A]\r\nx=2\n");
}

TEST(IniWrite, ReadBackAfterWrite) {
    TempHome home;
    const std::string f = home.file("t.ini");
    ASSERT_TRUE(IniFile::write(f, "Soft", "Update", "0"));
    ASSERT_TRUE(IniFile::write(f, "Setting", "ChsFont", "宋体"));
    EXPECT_EQ(IniFile::read(f, "soft", "update", "1", 5), "0");
    EXPECT_EQ(IniFile::read(f, "Setting", "ChsFont", "", 30), "宋体");
}

TEST(IniWriteSection, ReplacesTheWholeSectionAndNothingElse) {
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
        const char* after;
    };
    const std::vector<std::pair<std::string, std::string>> entries = {{"k(1) ", " \"v\""}, {"End", "###"}};
    const Case cases[] = {
        {"new file", nullptr, "[S]\nk(1) = \"v\"\nEnd=###\n"},
        {"appended", "[A]\nx=1\n", "[A]\nx=1\n[S]\nk(1) = \"v\"\nEnd=###\n"},
        {"stale lines go", "[s]\nk(1)=old\nk(2)=stale\n;note\n", "[s]\nk(1) = \"v\"\nEnd=###\n"},
        {"neighbours stay", "[A]\nx=1\n[S]\nold=1\n\n[B]\ny=2\n",
         "[A]\nx=1\n[S]\nk(1) = \"v\"\nEnd=###\n\n[B]\ny=2\n"},
        {"CRLF kept", "[S]\r\nold=1\r\n", "[S]\r\nk(1) = \"v\"\r\nEnd=###\r\n"},
    };
    for (const Case& c : cases) {
        TempHome home;
        if (c.before) home.write("t.ini", c.before);
        ASSERT_TRUE(IniFile::writeSection(home.file("t.ini"), "S", entries)) << c.name;
        EXPECT_EQ(home.read("t.ini"), c.after) << c.name;
    }
}

// The keys of another file that this one lacks join it; what it holds stays
// byte for byte, its own line ends included.
TEST(IniAddMissing, AddsWhatLacksAndKeepsEveryLine) {
    using Added = std::vector<std::pair<std::string, std::vector<std::string>>>;
    struct Case {
        const char* name;
        std::string before; // "<none>": no file
        std::string after;
        Added added;
    };
    const std::string from = ";shipped\n[A]\nx=1\ny = two \n\n[B]\nz=3\nx=4\n[a]\nw=5\ny=6\n";
    const std::string whole = "[A]\nx=1\ny = two \nw=5\n\n[B]\nz=3\nx=4\n";
    const Added all = {{"A", {"x", "y", "w"}}, {"B", {"z", "x"}}};
    const std::string garbage("\x00\xff[\xfe\r\r=\x01\n\xc3", 10);
    const Case cases[] = {
        {"no file", "<none>", whole, all},
        {"empty file", "", whole, all},
        {"bytes that are no settings", garbage, garbage + "\n\n" + whole, all},
        {"the file's own sections, keys, spelling and line ends",
         "[mine]\r\nk=v\r\n[a]\r\n X = 9\r\n;note\r\n\r\n[Other]\r\nq=1",
         "[mine]\r\nk=v\r\n[a]\r\n X = 9\r\n;note\r\ny = two \r\nw=5\r\n\r\n[Other]\r\nq=1\r\n\r\n"
         "[B]\r\nz=3\r\nx=4\r\n",
         {{"A", {"y", "w"}}, {"B", {"z", "x"}}}},
        {"a key in a later section of the name counts",
         "[A]\nx=0\n[C]\n[A]\ny=0\nw=0\n[b]\nZ=0\n",
         "[A]\nx=0\n[C]\n[A]\ny=0\nw=0\n[b]\nZ=0\nx=4\n",
         {{"B", {"x"}}}},
        {"nothing lacks", "[A]\nx=\ny=\nw=\n[B]\nz=\nx=\n", "[A]\nx=\ny=\nw=\n[B]\nz=\nx=\n", {}},
    };
    for (const Case& c : cases) {
        TempHome home;
        if (c.before != "<none>") home.write("t.ini", c.before);
        std::vector<platform::IniAddition> added{{"stale", {"k"}}};
        ASSERT_TRUE(IniFile::addMissing(home.file("t.ini"), from, added)) << c.name;
        EXPECT_EQ(home.read("t.ini"), c.after) << c.name;
        Added got;
        for (const auto& a : added) got.emplace_back(a.section, a.keys);
        EXPECT_EQ(got, c.added) << c.name;
    }
}

TEST(IniAddMissing, AFileThatRefusesStaysAndGetsNothing) {
    TempHome home;
    home.write("ro.ini", "[A]\n");
    ::chmod(home.file("ro.ini").c_str(), 0444);
    std::vector<platform::IniAddition> added;
    EXPECT_FALSE(IniFile::addMissing(home.file("ro.ini"), "[A]\nx=1\n", added));
    EXPECT_TRUE(added.empty());
    EXPECT_EQ(home.read("ro.ini"), "[A]\n");
}

// Another instance that keeps the lock (here another open folder of this
// process, which flock tells apart as it tells processes) delays a write by
// the bound at most, and the write still lands.
TEST(IniWrite, ALockThatCannotBeHadDelaysTheWriteByItsBoundOnly) {
    TempHome home;
    const int folder = ::open(home.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(folder, LOCK_EX), 0);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(IniFile::write(home.file("t.ini"), "S", "k", "v"));
    const auto waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    ::close(folder);
    EXPECT_GE(waited.count(), platform::RewriteLock::kWaitMs - 100);
    EXPECT_LT(waited.count(), platform::RewriteLock::kWaitMs + 2000);
    EXPECT_EQ(IniFile::read(home.file("t.ini"), "S", "k", "", 10), "v");
}

} // namespace
