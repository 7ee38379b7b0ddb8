// One program on a port at a time: the lock file other serial programs take
// (LCK.. in the lock folder, here the test's own), the flock and the
// terminal's exclusive mode, against pseudo-terminals. A test run as root
// gives up CAP_SYS_ADMIN for the moments a plain open() must meet the
// exclusive mode a user meets.
#include "platform/PortLock.h"
#include "platform/PseudoTerminal.h"
#include "platform/SerialPort.h"
#include "tests/link/TransferFixture.h"
#include "tests/support/Capabilities.h"
#include "tests/support/Environment.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::PortOpenFailure;
using platform::PortProblem;
using platform::SerialPort;

namespace {

// The problem of the failed open, or nothing when it opened.
std::optional<PortProblem> openProblem(SerialPort& port, const std::string& device) {
    try {
        port.open(device, 9600);
    } catch (const PortOpenFailure& e) {
        return e.problem;
    }
    return std::nullopt;
}

// errno of a plain open() of the device by a program that is not the
// superuser, 0 when it opened.
int plainOpenError(const std::string& device) {
    testsupport::WithoutCapabilities user({CAP_SYS_ADMIN});
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

std::string tenCharacters(pid_t pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    return text;
}

std::string binary(pid_t pid) {
    const int value = static_cast<int>(pid);
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// A process id that no live process has: a child that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class PortLockTest : public ::testing::Test {
  protected:
    PortLockTest() { std::filesystem::create_directory(home.file("lock")); }

    bool lockExists() const { return std::filesystem::exists(lockFile); }

    testsupport::TempHome home; // TAVORIN_LOCK_DIR is its folder "lock"
    platform::PseudoTerminal pty;
    const std::string lockFile = platform::portLockFile(pty.devicePath());
};

TEST_F(PortLockTest, TheLockFileIsNamedAfterTheDeviceInsideTheFolder) {
    const std::string folder = home.file("lock") + "/";
    const std::string tty = pty.devicePath().substr(std::string("/dev/pts/").size());
    ASSERT_EQ(pty.devicePath(), "/dev/pts/" + tty);
    std::filesystem::create_symlink(pty.devicePath(), home.file("radio"));
    // A file outside /dev (the test's home may lie in /dev/shm): this program.
    const std::string plainPath = std::filesystem::canonical("/proc/self/exe").string();
    std::string plainName = plainPath;
    std::replace(plainName.begin(), plainName.end(), '/', '_');
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttyUSB0", "LCK..ttyUSB0"},              // the name every serial program uses
        {pty.devicePath(), "LCK..pts_" + tty},         // a '/' below /dev is no folder
        {"/dev/pts/../pts/" + tty, "LCK..pts_" + tty}, // the device the path leads to
        {home.file("radio"), "LCK..pts_" + tty},       // also through a link
        {plainPath, "LCK.." + plainName},              // outside /dev: the whole path
        {"", ""},
    };
    for (const auto& [device, name] : cases)
        EXPECT_EQ(platform::portLockFile(device), name.empty() ? "" : folder + name) << device;
}

TEST_F(PortLockTest, TheHolderIsReadInEveryForm) {
    const std::pair<std::string, std::optional<pid_t>> cases[] = {
        {"      4711\n", 4711},     {"4711\n", 4711},          {"4711", 4711},
        {binary(4711), 4711},       {" 4711 \r\n", 4711},      {"", std::nullopt},
        {"\n", std::nullopt},       {"abcde\n", std::nullopt}, {"0000000000\n", std::nullopt},
        {"-4711\n", std::nullopt},  {"47 11\n", std::nullopt}, {"99999999999999\n", std::nullopt},
        {binary(-1), std::nullopt},
    };
    for (const auto& [content, pid] : cases) EXPECT_EQ(platform::portLockHolder(content), pid) << content;
}

TEST_F(PortLockTest, AnOpenPortHoldsItsLockFileUntilItCloses) {
    {
        SerialPort port;
        port.open(pty.devicePath(), 9600);
        ASSERT_TRUE(lockExists());
        EXPECT_EQ(home.read("lock/" + std::filesystem::path(lockFile).filename().string()),
                  tenCharacters(::getpid()));
        struct stat st {};
        ASSERT_EQ(::stat(lockFile.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0644u); // every program may read whose it is
        port.close();
        EXPECT_FALSE(lockExists());
        port.open(pty.devicePath(), 9600); // and a port that goes away takes its file with it
    }
    EXPECT_FALSE(lockExists());
    // A device that is not there takes no lock.
    SerialPort port;
    EXPECT_EQ(openProblem(port, "/dev/ttyUSB-none"), PortProblem::NoDevice);
    EXPECT_TRUE(std::filesystem::is_empty(home.file("lock")));
}

TEST_F(PortLockTest, ALiveHoldersLockRefusesThePortAndStays) {
    for (const std::string& content : {tenCharacters(1), binary(1), std::string("1\n")}) {
        home.write("lock/" + std::filesystem::path(lockFile).filename().string(), content);
        SerialPort port;
        EXPECT_EQ(openProblem(port, pty.devicePath()), PortProblem::InUse);
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(home.read("lock/" + std::filesystem::path(lockFile).filename().string()), content);
        // Refused before the device was opened: no exclusive mode was left behind.
        EXPECT_EQ(plainOpenError(pty.devicePath()), 0);
    }
}

TEST_F(PortLockTest, AStaleLockIsTakenOver) {
    const pid_t ended = endedProcess();
    for (const std::string& content : {tenCharacters(ended), binary(ended), std::to_string(ended) + "\n",
                                       std::string(), std::string("garbage"), tenCharacters(::getpid())}) {
        home.write("lock/" + std::filesystem::path(lockFile).filename().string(), content);
        SerialPort port;
        EXPECT_EQ(openProblem(port, pty.devicePath()), std::nullopt) << content;
        EXPECT_EQ(home.read("lock/" + std::filesystem::path(lockFile).filename().string()),
                  tenCharacters(::getpid()));
        port.close();
        EXPECT_FALSE(lockExists());
    }
}

TEST_F(PortLockTest, NoSecondOpenerWhileThePortIsOpen) {
    SerialPort first;
    first.open(pty.devicePath(), 9600);
    SerialPort second;
    EXPECT_EQ(openProblem(second, pty.devicePath()), PortProblem::InUse);
    EXPECT_TRUE(lockExists()); // the refused one left the first one's file alone
    EXPECT_EQ(plainOpenError(pty.devicePath()), EBUSY);
    first.close();
    EXPECT_EQ(plainOpenError(pty.devicePath()), 0); // exclusive mode ended with the port
    EXPECT_EQ(openProblem(second, pty.devicePath()), std::nullopt);
}

// No right to write the lock folder (not root, not in the group lock): the
// port opens all the same, still for one program only.
TEST_F(PortLockTest, ALockFolderThatTakesNoFileStillOpens) {
    ::chmod(home.file("lock").c_str(), 0555);
    for (const std::string& folder : {home.file("lock"), home.file("no-such-folder")}) {
        testsupport::setEnv("TAVORIN_LOCK_DIR", folder);
        testsupport::WithoutCapabilities user({CAP_DAC_OVERRIDE});
        SerialPort first;
        EXPECT_EQ(openProblem(first, pty.devicePath()), std::nullopt) << folder;
        EXPECT_FALSE(std::filesystem::exists(platform::portLockFile(pty.devicePath())));
        SerialPort second;
        EXPECT_EQ(openProblem(second, pty.devicePath()), PortProblem::InUse);
        EXPECT_EQ(plainOpenError(pty.devicePath()), EBUSY);
    }
}

// A page read under way: another port of the program and another program
// find the radio's line taken.
class PortLockTransferTest : public linktest::TransferFixture {};

TEST_F(PortLockTransferTest, NoSecondOpenerWhileATransferRuns) {
    std::filesystem::create_directory(home.file("lock"));
    tick({50, 51});
    int tried = 0;
    hooks.toolWindowChanged = [&] {
        if (tried || !s.comCommun.PortOpen()) return;
        ++tried;
        SerialPort other;
        EXPECT_EQ(openProblem(other, radio.devicePath()), PortProblem::InUse);
        EXPECT_EQ(plainOpenError(radio.devicePath()), EBUSY);
        EXPECT_TRUE(std::filesystem::exists(platform::portLockFile(radio.devicePath())));
    };
    ASSERT_TRUE(radiolink::ComReadFlash(s, image));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(tried, 1);
    EXPECT_FALSE(std::filesystem::exists(platform::portLockFile(radio.devicePath())));
    EXPECT_EQ(plainOpenError(radio.devicePath()), 0);
}

} // namespace
