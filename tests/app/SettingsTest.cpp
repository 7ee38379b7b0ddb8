#include "app/Settings.h"
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
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

// Two instances writing their own keys at the same moment, many rounds:
// every key of both is in the file afterwards.
TEST_F(SettingsTest, TwoProgramsWritingAtOnceKeepEachOthersKeys) {
    constexpr int kRounds = 60;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> writers;
    for (const char* who : {"A", "B"}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            char start;
            ::close(go[1]);
            if (::read(go[0], &start, 1) != 0) ::_exit(3); // all start when the pipe closes
            for (int i = 0; i < kRounds; ++i)
                if (!WriteIniStr("Setting", who + std::to_string(i), std::to_string(i * 7), SettingsFile()))
                    ::_exit(1);
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    int lost = 0;
    for (const char* who : {"A", "B"})
        for (int i = 0; i < kRounds; ++i)
            if (ReadIniText("Setting", who + std::to_string(i), "lost", 30, 30, SettingsFile()) !=
                std::to_string(i * 7))
                ++lost;
    EXPECT_EQ(lost, 0);
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
