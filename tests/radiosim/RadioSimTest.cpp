// The simulated radio heard through a plain serial port: it finds frames in
// any byte stream, keeps the protocol's order, checks sums, paces its bytes
// and misbehaves when told to. It runs on a virtual clock here; one test
// has it serve on its own thread in real time, as the tool does.
#include "platform/PseudoTerminal.h"
#include "platform/SerialPort.h"
#include "tests/support/TempHome.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kStage1 = {0x5A, 0x31, 0x8C, 0x31, 0xE0, 0xA4};
const Bytes kReply1 = {0x5A, 0x13, 0xC8, 0x13, 0x0E, 0x4A};
const Bytes kStage2 = {0x5A, 0x32, 0xD5, 0x4B, 0x9E, 0x27, 0x5A, 0xA5, 0x98};
const Bytes kReply2 = {0x5A, 0x23, 0x5D, 0xB4, 0xE9, 0x72};

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A RAM read request of internal RAM with its command sum.
Bytes ramRead(unsigned address, unsigned length, int sumError = 0) {
    Bytes r = {0x5A,
               0x36,
               0x6E,
               0x24,
               0xB8,
               0xD3,
               0x37,
               0,
               static_cast<std::uint8_t>(address),
               0,
               static_cast<std::uint8_t>(length)};
    unsigned sum = 0x5AA5 + sumError;
    for (auto b : r) sum += b;
    r.push_back(static_cast<std::uint8_t>(sum >> 8));
    r.push_back(static_cast<std::uint8_t>(sum));
    return r;
}

class RadioSimTest : public ::testing::Test {
  protected:
    RadioSimTest() {
        clock.attach(radio);
        port.open(radio.devicePath(), 9600);
    }

    // Sends and collects what has come back after the time.
    Bytes exchange(const Bytes& request, int waitMs = 60) {
        port.flushInput();
        port.write(request, 1000);
        clock.sleepMs(waitMs);
        return port.readAll();
    }

    testsupport::TempHome home; // the port's lock file goes there
    testsupport::VirtualClock clock;
    radiosim::Radio radio{radiosim::Radio::Driven{}};
    platform::SerialPort port;
};

TEST(RadioSimThread, AnswersInRealTime) {
    testsupport::TempHome home;
    radiosim::Radio radio;
    platform::SerialPort port;
    port.open(radio.devicePath(), 9600);
    port.write(kStage1, 1000);
    Bytes got;
    EXPECT_TRUE(testsupport::waitUntil([&] {
        const Bytes more = port.readAll();
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= kReply1.size();
    }));
    EXPECT_EQ(got, kReply1);
    EXPECT_EQ(radio.countOf(0x31), 1);
}

TEST_F(RadioSimTest, FindsTheStageOneFrameInAnyStream) {
    EXPECT_EQ(exchange(cat({{0x00, 0x5A, 0x5A, 0x36, 0x6E}, kStage1})), kReply1);
    // A request cut short is dropped at the next stage-1 frame.
    EXPECT_EQ(exchange(cat({Bytes(kStage2.begin(), kStage2.begin() + 7), kStage1})), kReply1);
    EXPECT_EQ(radio.countOf(0x31), 2);
}

TEST_F(RadioSimTest, KeepsTheProtocolOrderAndChecksSums) {
    radio.setInRam(0x40, Bytes{1, 2, 3});
    EXPECT_TRUE(exchange(ramRead(0x40, 3)).empty()); // no handshake yet
    EXPECT_EQ(exchange(kStage1), kReply1);
    EXPECT_TRUE(exchange(ramRead(0x40, 3)).empty()); // stage 2 missing
    EXPECT_EQ(exchange(kStage2), kReply2);
    EXPECT_TRUE(exchange(ramRead(0x40, 3, 1)).empty()); // wrong command sum
    const Bytes reply = exchange(ramRead(0x40, 3));
    const Bytes expected = {0x5A, 0x63, 0xE6, 0x42, 0x8B, 0x3D, 0x37, 0x00,
                            0x40, 0x00, 0x03, 1,    2,    3,    0x5A, 0xAB};
    EXPECT_EQ(reply, expected);
}

TEST_F(RadioSimTest, PacesItsBytesAtTheLineRate) {
    radio.setPacing(9600, true);
    exchange(kStage1, 20);
    exchange(kStage2, 20);
    const std::int64_t start = clock.nowMs();
    port.write(ramRead(0x30, 200), 1000);
    std::size_t got = 0;
    std::vector<std::int64_t> at;
    while (got < 213 && clock.nowMs() - start < 2000) {
        clock.sleepMs(1);
        const std::size_t more = port.readAll().size();
        if (more) at.push_back(clock.nowMs() - start);
        got += more;
    }
    EXPECT_EQ(got, 213u);
    // 13 bytes in, 213 out, 11 bits each at 9600 baud (1146 us a byte): the
    // request heard after 14.9 ms, the first byte back after 16.0 ms, the
    // last after 259 ms.
    EXPECT_EQ(radio.requests().back().atUs, start * 1000 + 13 * 1146);
    ASSERT_FALSE(at.empty());
    EXPECT_EQ(at.front(), 17);
    EXPECT_EQ(at.back(), 259);
}

TEST_F(RadioSimTest, FaultsHitTheCountedRequests) {
    radio.injectFault(radiosim::Fault::Silence, 0x31, 1, 2);
    EXPECT_EQ(exchange(kStage1), kReply1);
    EXPECT_TRUE(exchange(kStage1).empty());
    EXPECT_TRUE(exchange(kStage1).empty());
    EXPECT_EQ(exchange(kStage1), kReply1);

    radio.clearFaults();
    radio.injectFault(radiosim::Fault::ShortReply);
    EXPECT_EQ(exchange(kStage1), Bytes(kReply1.begin(), kReply1.end() - 2));
    radio.clearFaults();
    radio.injectFault(radiosim::Fault::WrongSum);
    Bytes wrong = kReply1;
    wrong.back() += 1;
    EXPECT_EQ(exchange(kStage1), wrong);
    radio.clearFaults();
    radio.injectFault(radiosim::Fault::Garbage);
    EXPECT_NE(exchange(kStage1).at(0), 0x5A);
}

TEST_F(RadioSimTest, RepliesPassThroughTheEditor) {
    std::vector<std::uint8_t> commands;
    radio.editReplies([&](const radiosim::Request& r, Bytes reply) {
        commands.push_back(r.command);
        reply.push_back(0x77);
        return r.command == 0x32 ? Bytes() : reply;
    });
    EXPECT_EQ(exchange(kStage1), cat({kReply1, {0x77}}));
    EXPECT_TRUE(exchange(kStage2).empty());
    EXPECT_EQ(commands, (std::vector<std::uint8_t>{0x31, 0x32}));
    radio.editReplies(nullptr);
    EXPECT_EQ(exchange(kStage1), kReply1);
}

// The cable pulled: the program's end of the line fails from then on; once
// plugged in again the radio answers on a fresh line, its memories kept.
TEST_F(RadioSimTest, HangsUpAndIsPluggedInAgain) {
    radio.setInRam(0x40, Bytes{1, 2, 3});
    EXPECT_EQ(exchange(kStage1), kReply1);
    radio.injectFault(radiosim::Fault::HangUp, 0x32);
    const std::string before = radio.devicePath();
    port.write(kStage2, 1000);
    clock.sleepMs(20);
    EXPECT_TRUE(radio.hungUp());
    EXPECT_THROW(port.inputCount(), std::exception);
    port.close();
    EXPECT_THROW(port.open(before, 9600), std::exception);
    // Until it is plugged in again, its path is no other line's: a program
    // still told to open it must not reach another test's radio.
    EXPECT_NE(platform::PseudoTerminal().devicePath(), before);

    radio.clearFaults();
    radio.replug();
    EXPECT_FALSE(radio.hungUp());
    port.open(radio.devicePath(), 9600);
    EXPECT_EQ(exchange(kStage1), kReply1);
    EXPECT_EQ(exchange(kStage2), kReply2);
    EXPECT_EQ(exchange(ramRead(0x40, 3)).size(), 16u);
    EXPECT_EQ(radio.countOf(0x32), 2);
}

} // namespace
