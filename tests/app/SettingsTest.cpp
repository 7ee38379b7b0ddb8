#include "app/Settings.h"
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace app;
using testsupport::TempHome;

namespace {

class SettingsTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    void SetUp() override { shell().SettingsFile = home.file("tavorin.def"); }
    void store(const std::string& content) { home.write("tavorin.def", content); }
};

TEST_F(SettingsTest, KeysAreCutToTheirLength) {
    store("[Setting]\nFirRun=100\nLanguage=123456789\nEngFont=" + std::string(35, 'a') +
          "\nChsFont=" + std::string(29, 'b') + "\n");
    EXPECT_EQ(ReadSetting(keys::FirRun), "10");
    EXPECT_EQ(ReadSetting(keys::Language), "12345678");
    EXPECT_EQ(ReadSetting(keys::EngFont), std::string(29, 'a'));
    EXPECT_EQ(ReadSetting(keys::ChsFont), std::string(29, 'b'));
}

TEST_F(SettingsTest, EmptyValueIsNotTheDefaultExceptThroughReadIniNum) {
    store("[Setting]\nLanguage=\n[Soft]\nUpdate=\n");
    EXPECT_EQ(ReadSetting(keys::Language), "");
    EXPECT_EQ(ReadIniNum("Soft", "Update", "1", 5, SettingsFile()), 1);
}

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
    EXPECT_EQ(ReadSetting(keys::FirRun), "2");
    EXPECT_EQ(ReadSetting(keys::FirRun, "1", SettingsFile()), "1");
    EXPECT_EQ(ReadSetting(keys::ChannelLock), "ShowNo");
    EXPECT_EQ(ReadSetting(keys::FreBandFre3), "470.00000");
    EXPECT_EQ(ReadSetting(keys::ChsFont), "宋体");
    EXPECT_EQ(ReadChInfo(ChInfoCount, ChInfoBase(3)), "16");
    EXPECT_EQ(ReadChInfo(ChInfoFormat, ChInfoBase(1) + 3), "0|0|0|0|0|0|0|0|0|0");
}

TEST_F(SettingsTest, ChInfoBaseByLanguage) {
    EXPECT_EQ(ChInfoBase(1), 1000);
    EXPECT_EQ(ChInfoBase(2), 3000);
    EXPECT_EQ(ChInfoBase(3), 5000);
    EXPECT_EQ(ChInfoBase(7), 5000);
    EXPECT_EQ(ChInfoBase(0), 5000);
}

TEST_F(SettingsTest, ReadIniNumFailsOnTextThatIsNoNumber) {
    store("[Soft]\nModelSelect=abc\nUpdate= 0 \n");
    EXPECT_THROW(ReadIniNum("Soft", "ModelSelect", "0", 10, SettingsFile()), platform::Failure);
    EXPECT_EQ(ReadIniNum("Soft", "Update", "1", 5, SettingsFile()), 0);
}

TEST_F(SettingsTest, NumberSettingsFallBackToTheirDefault) {
    struct Case {
        const char* stored;
        int expected;
    } cases[] = {{"3", 3}, {"", 2}, {"abc", 2}, {"2.5", 2}, {"99999999", 2}, {"-1", 2}, {" 1 ", 1}};
    for (const auto& c : cases) {
        store(std::string("[Setting]\nLanguage=") + c.stored + "\n");
        EXPECT_EQ(ReadSettingNumber(keys::Language, 1, 3), c.expected) << '"' << c.stored << '"';
    }
}

TEST_F(SettingsTest, WriteIniStrReportsARefusedWrite) {
    ASSERT_TRUE(WriteIniStr("Soft", "Update", "0", SettingsFile()));
    EXPECT_EQ(ReadIniNum("Soft", "Update", "1", 5, SettingsFile()), 0);
    ::chmod(SettingsFile().c_str(), 0444);
    EXPECT_FALSE(WriteSetting(keys::FreBandFre0, "136.00000"));
    EXPECT_EQ(ReadSetting(keys::FreBandFre0), "136.00000"); // the default: nothing was written
}

TEST_F(SettingsTest, ReporterReachesItsListenerOnly) {
    testsupport::ErrorLog errors;
    VbErrNumDes("mdifrmMain->SoftInit");
    VbErrNumDes("modShowErr->VbErrNumDes:", platform::Failure("x"));
    EXPECT_EQ(errors.tags, (std::vector<std::string>{"mdifrmMain->SoftInit", "modShowErr->VbErrNumDes:"}));
    EXPECT_FALSE(platform::fileExists(SettingsFile()));
}

// Runs `body` in two processes, given "A" and "B", started at the same
// moment; their exit codes (-1 for one that did not exit).
std::multiset<int> twoAtOnce(const std::function<int(const char* who)>& body) {
    int go[2];
    if (::pipe(go) != 0) return {};
    std::vector<pid_t> started;
    for (const char* who : {"A", "B"}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            char start;
            ::close(go[1]);
            // Both start when the pipe closes.
            ::_exit(::read(go[0], &start, 1) == 0 ? body(who) : 3);
        }
        started.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    std::multiset<int> exits;
    for (pid_t pid : started) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        exits.insert(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return exits;
}

// Two instances writing their own keys at the same moment, many rounds:
// every key of both is in the file afterwards.
TEST_F(SettingsTest, TwoProgramsWritingAtOnceKeepEachOthersKeys) {
    constexpr int kRounds = 60;
    const auto writes = [](const char* who) {
        for (int i = 0; i < kRounds; ++i)
            if (!WriteIniStr("Setting", who + std::to_string(i), std::to_string(i * 7), SettingsFile()))
                return 1;
        return 0;
    };
    EXPECT_EQ(twoAtOnce(writes), (std::multiset<int>{0, 0}));
    int lost = 0;
    for (const char* who : {"A", "B"})
        for (int i = 0; i < kRounds; ++i)
            if (ReadIniText("Setting", who + std::to_string(i), "lost", 30, 30, SettingsFile()) !=
                std::to_string(i * 7))
                ++lost;
    EXPECT_EQ(lost, 0);
}

// The program carries the settings file it lays beside itself, byte for byte.
TEST_F(SettingsTest, TheBuiltInSettingsAreTheShippedFile) {
    home.copyShipped("tavorin.def");
    EXPECT_EQ(ShippedSettings(), home.read("tavorin.def"));
}

// A file that holds a layout key of its own keeps it and gets nothing; one
// whose [ChInfo] holds none gets the shipped layout into that section.
TEST_F(SettingsTest, OnlyAFileWithoutALayoutKeyIsRestored) {
    std::vector<platform::IniAddition> restored{{"stale", {}}};
    for (const char* content : {"[ChInfo]\n5000=3\n", "[Setting]\nLanguage=1\n[chinfo]\n 1 =\n"}) {
        store(content);
        ASSERT_TRUE(RestoreShippedSettings(SettingsFile(), restored));
        EXPECT_TRUE(restored.empty());
        EXPECT_EQ(home.read("tavorin.def"), content);
    }
    store("[ChInfo]\n; mine\n[Setting]\nFirRun=0\n");
    ASSERT_TRUE(RestoreShippedSettings(SettingsFile(), restored));
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[0].section, "Setting");
    EXPECT_EQ(restored[1].section, "ChInfo");
    EXPECT_EQ(home.read("tavorin.def").rfind("[ChInfo]\n; mine\n1000=256\n", 0), 0u);
    EXPECT_EQ(ReadChInfo(ChInfoColCount, 5002), "18");
}

// Two programs starting at once from a file without the layout: one gives it
// back, the other finds it there, and neither loses a key the other wrote.
TEST_F(SettingsTest, TwoProgramsRestoringAtOnceAddTheLayoutOnceAndLoseNothing) {
    // 11: this one gave the layout back, 10: it found it there.
    const auto starts = [](const char* who) {
        std::vector<platform::IniAddition> restored;
        if (!RestoreShippedSettings(SettingsFile(), restored) ||
            !WriteIniStr("Setting", who, "1", SettingsFile()))
            return 1;
        return restored.empty() ? 10 : 11;
    };
    for (int round = 0; round < 5; ++round) {
        store("[Setting]\nFirRun=0\n");
        const std::multiset<int> exits = twoAtOnce(starts);
        EXPECT_EQ(exits, (std::multiset<int>{10, 11})) << "round " << round;
        const std::string after = home.read("tavorin.def");
        EXPECT_EQ(after.find("[ChInfo]"), after.rfind("[ChInfo]")) << "round " << round;
        for (const char* who : {"A", "B"})
            EXPECT_EQ(ReadIniText("Setting", who, "lost", 5, 5, SettingsFile()), "1");
        EXPECT_EQ(ReadChInfo(ChInfoCount, 5000), "256");
    }
}

TEST_F(SettingsTest, AWriteThroughALinkChangesTheFileItLeadsToAndKeepsTheLink) {
    std::filesystem::create_directories(home.file("shared"));
    home.write("shared/tavorin.def", "[Setting]\nLanguage=1\n");
    std::filesystem::create_symlink("shared/tavorin.def", SettingsFile());
    ASSERT_TRUE(WriteSetting(keys::ChannelLock, "ShowLock"));
    EXPECT_TRUE(std::filesystem::is_symlink(SettingsFile()));
    EXPECT_EQ(home.read("shared/tavorin.def"), "[Setting]\nLanguage=1\nChannelLock=ShowLock\n");
}

} // namespace
