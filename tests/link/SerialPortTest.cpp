// The serial port over a pseudo-terminal: raw bytes both ways, every rate of
// the baud list, exclusive use, and open failures that say why. (Each test
// has a program folder of its own, where the port's lock file goes.)
#include "platform/SerialPort.h"
#include "link/LinkState.h"
#include "platform/Failure.h"
#include "platform/PseudoTerminal.h"
#include "tests/support/Capabilities.h"
#include "tests/support/TempHome.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::SerialPort;

namespace {

std::string openError(const std::string& device) {
    SerialPort p;
    try {
        p.open(device, 9600);
    } catch (const platform::Failure& e) {
        return e.what();
    }
    return "";
}

TEST(SerialPort, PortNumbersNameDevicesUnlessTheSettingsMapThem) {
    testsupport::TempHome home;
    const std::string ini = home.file("tavorin.def");
    const std::pair<int, const char*> ports[] = {{1, "/dev/ttyUSB0"},
                                                 {8, "/dev/ttyUSB7"},
                                                 {9, "/dev/ttyACM0"},
                                                 {12, "/dev/ttyACM3"},
                                                 {13, "/dev/ttyS0"},
                                                 {16, "/dev/ttyS3"},
                                                 {0, ""},
                                                 {17, ""}};
    for (auto [n, device] : ports) EXPECT_EQ(SerialPort::deviceOf(n, ini), device) << n;
    home.write("tavorin.def", "[ports]\n3 = /tmp/radio\n");
    EXPECT_EQ(SerialPort::deviceOf(3, ini), "/tmp/radio");
    EXPECT_EQ(SerialPort::deviceOf(4, ini), "/dev/ttyUSB3");
}

TEST(SerialPort, RunsEveryRateOfTheBaudList) {
    testsupport::TempHome home;
    platform::PseudoTerminal pty;
    SerialPort p;
    p.open(pty.devicePath(), 9600);
    EXPECT_EQ(p.baud(), 9600);
    for (const char* rate : radiolink::kBaudList) {
        const int baud = std::stoi(rate);
        p.setBaud(baud);
        EXPECT_EQ(p.baud(), baud);
    }
}

TEST(SerialPort, MovesRawBytesBothWays) {
    testsupport::TempHome home;
    platform::PseudoTerminal pty;
    SerialPort p;
    p.open(pty.devicePath(), 9600);
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
    p.write(all, 1000);
    std::vector<std::uint8_t> got;
    EXPECT_TRUE(testsupport::waitUntil([&] {
        std::uint8_t chunk[512];
        const ssize_t n = ::read(pty.controllerFd(), chunk, sizeof chunk);
        if (n > 0) got.insert(got.end(), chunk, chunk + n);
        return got.size() >= all.size();
    }));
    EXPECT_EQ(got, all); // no translation of CR, LF or controls
    ASSERT_EQ(::write(pty.controllerFd(), all.data(), all.size()), 256);
    EXPECT_TRUE(testsupport::waitUntil([&] { return p.inputCount() == 256; }));
    EXPECT_EQ(p.readAll(), all);
    EXPECT_EQ(p.inputCount(), 0);
    // Closed and opened again, the line still works.
    p.close();
    p.open(pty.devicePath(), 9600);
    ASSERT_EQ(::write(pty.controllerFd(), all.data(), 10), 10);
    EXPECT_TRUE(testsupport::waitUntil([&] { return p.inputCount() == 10; }));
    p.flushInput();
    EXPECT_EQ(p.inputCount(), 0);
}

TEST(SerialPort, OpenFailuresSayWhy) {
    testsupport::TempHome home;
    platform::PseudoTerminal pty;
    SerialPort holder;
    holder.open(pty.devicePath(), 9600);
    EXPECT_NE(openError(pty.devicePath()).find("in use"), std::string::npos);
    EXPECT_NE(openError("/dev/ttyUSB-none").find("no such device"), std::string::npos);
    home.write("plain", "x");
    EXPECT_NE(openError(home.file("plain")).find("not a serial device"), std::string::npos);
    EXPECT_NE(openError("").find("no device"), std::string::npos);
}

TEST(SerialPort, PermissionFailureGivesTheDialoutHint) {
    testsupport::TempHome home;
    home.write("locked", "");
    ::chmod(home.file("locked").c_str(), 0);
    testsupport::WithoutCapabilities user({CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH});
    EXPECT_NE(openError(home.file("locked")).find("dialout"), std::string::npos);
}

TEST(SerialPort, LineTime) {
    EXPECT_EQ(SerialPort::lineTimeMs(1037, 9600), 1189); // 11 bits a byte at 8N2
    EXPECT_EQ(SerialPort::lineTimeMs(1, 256000), 1);
    EXPECT_EQ(SerialPort::lineTimeMs(0, 9600), 0);
}

} // namespace
