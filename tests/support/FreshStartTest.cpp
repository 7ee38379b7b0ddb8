// The fresh start leaves nothing of an earlier test: every program-wide state
// as a new run finds it, the port let go, the environment put back.
#include "tests/support/FreshStart.h"
#include "tests/support/Environment.h"

#include "align/AlignState.h"
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "channels/SettingsState.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/SoftConvert.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/IniFile.h"
#include "platform/PortLock.h"
#include "platform/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

struct Answering {
    virtual ~Answering() = default;
    virtual int answer() { return 0; }
};
struct Answers42 : Answering {
    int answer() override { return 42; }
};
struct Reporter : app::ErrorReportHost {};
struct StoppedClock : platform::Clock {
    std::int64_t nowMs() override { return 7; }
    void sleepMs(int) override {}
};

std::optional<std::string> env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
}

TEST(FreshStartTest, EveryProgramWideStateStartsAsANewRunFindsIt) {
    testsupport::FreshStart fresh;
    // What a test may leave behind.
    static Answers42 answers;
    static Reporter reporter;
    static StoppedClock stopped;
    platform::Host<Answering>::set(&answers);
    platform::Host<app::ErrorReportHost>::set(&reporter);
    platform::setClock(&stopped);
    int pumped = 0;
    platform::setEventPump([&pumped] { ++pumped; });
    testsupport::unsetEnv("TAVORIN_QUIET");
    app::shell().SettingsFile = fresh.home.file("elsewhere.def");
    app::shell().LangIndex = 1;
    app::shell().FaceText[70] = "Notice";
    model::IicDat()[0x100] = 0x5A;
    model::state().ChCount = 99;
    channels::chMem().CtdcsEditRow = 4;
    channels::settingsPages().OptLoading = -1;
    align::state().InputCode = "CODE";
    radiolink::LinkState& link = radiolink::linkState();
    link.ComBusy = link.ComFail = -1;
    link.ComPortNo = 7;
    link.SerialHostLoaded = true;
    link.InRamDat[3] = 1;
    link.frmCommun.lblComStatus = "Reading...";
    radiolink::firmware().SoftModelTbl[100][0] = "left";
    flashtool::tool().cboFlashPage = 3;
    flashtool::tool().FlashShadow[9] = 9;
    flashtool::flashSoft().Load();
    flashtool::flashSoft().chkWrSelectSoftVer = 1;

    testsupport::FreshProgramState();

    EXPECT_EQ(platform::host<Answering>().answer(), 0);
    EXPECT_EQ(platform::Host<app::ErrorReportHost>::set(nullptr), nullptr);
    EXPECT_NE(platform::clock().nowMs(), 7);
    platform::pumpEvents();
    EXPECT_EQ(pumped, 0);
    EXPECT_EQ(env("TAVORIN_QUIET"), "1");
    EXPECT_EQ(app::shell().SettingsFile, "");
    EXPECT_EQ(app::shell().LangIndex, 3);
    EXPECT_EQ(app::shell().FaceText[70], "");
    EXPECT_EQ(model::IicDat()[0x100], 0);
    EXPECT_EQ(model::state().ChCount, 0);
    EXPECT_EQ(channels::chMem().CtdcsEditRow, 0);
    EXPECT_EQ(channels::settingsPages().OptLoading, 0);
    EXPECT_EQ(align::state().InputCode, "");
    EXPECT_EQ(link.ComBusy, 0);
    EXPECT_EQ(link.ComFail, 0);
    EXPECT_EQ(link.ComPortNo, 1);
    EXPECT_FALSE(link.SerialHostLoaded);
    EXPECT_EQ(link.InRamDat[3], 0);
    EXPECT_EQ(link.frmCommun.lblComStatus, "");
    EXPECT_EQ(radiolink::firmware().SoftModelTbl[100][0], "");
    EXPECT_EQ(flashtool::tool().cboFlashPage, 63);
    EXPECT_EQ(flashtool::tool().FlashShadow[9], 0);
    // The tool window still works over the program's image and link.
    EXPECT_EQ(&flashtool::tool().image, &model::IicDat());
    EXPECT_EQ(&flashtool::tool().link, &link);
    EXPECT_FALSE(flashtool::flashSoft().loaded());
    EXPECT_EQ(flashtool::flashSoft().chkWrSelectSoftVer, 0);
    EXPECT_TRUE(flashtool::flashSoft().cboModelSelectItems.empty());
}

TEST(FreshStartTest, APortLeftOpenIsClosedAndItsLockFileLetGo) {
    testsupport::FreshStart fresh;
    std::filesystem::create_directory(fresh.home.file("lock"));
    platform::PseudoTerminal pty;
    const std::string settings = fresh.home.file("tavorin.def");
    platform::IniFile::write(settings, "Ports", "1", pty.devicePath());
    radiolink::LinkState& link = radiolink::linkState();
    link.comCommun.CommPort = 1;
    link.comCommun.Open(settings);
    ASSERT_TRUE(link.comCommun.PortOpen());
    ASSERT_TRUE(std::filesystem::exists(platform::portLockFile(pty.devicePath())));

    testsupport::FreshProgramState();

    EXPECT_FALSE(link.comCommun.PortOpen());
    EXPECT_FALSE(std::filesystem::exists(platform::portLockFile(pty.devicePath())));
    // Free for the next test.
    link.comCommun.CommPort = 1;
    link.comCommun.Open(settings);
    EXPECT_TRUE(link.comCommun.PortOpen());
}

TEST(FreshStartTest, ItsFolderIsTheProgramsAndTheUsersHomeUntilItGoes) {
    const auto environment = [] {
        return std::array{env("HOME"), env("TAVORIN_HOME"), env("TAVORIN_LOCK_DIR")};
    };
    testsupport::setEnv("TAVORIN_HOME", "/nowhere");
    testsupport::unsetEnv("TAVORIN_LOCK_DIR");
    const auto found = environment();
    std::string earlier;
    {
        testsupport::FreshStart fresh;
        earlier = fresh.home.path();
        flashtool::flashSoft().Load();
    }
    EXPECT_FALSE(std::filesystem::exists(earlier));
    EXPECT_EQ(environment(), found);
    {
        testsupport::FreshStart fresh;
        const std::string folder = fresh.home.path();
        EXPECT_EQ(env("HOME"), folder);
        EXPECT_EQ(env("TAVORIN_HOME"), folder);
        EXPECT_EQ(env("TAVORIN_LOCK_DIR"), folder + "/lock");
        // The firmware window's converter reads and writes the production
        // folder of this home, not of the earlier test's.
        ASSERT_EQ(flashtool::SoftFilePath(0).rfind(folder + "/", 0), 0u);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(flashtool::flashSoft().cboSoftFileAddrItems[i], flashtool::SoftFilePath(i));
    }
    EXPECT_EQ(environment(), found);
    testsupport::unsetEnv("TAVORIN_HOME");
}

} // namespace
