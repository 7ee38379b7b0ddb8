#include "platform/Clock.h"
#include "platform/FileIo.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct StoppedClock : platform::Clock {
    std::int64_t nowMs() override { return 42; }
    void sleepMs(int) override {}
};

// A clock that races ahead, as a test's virtual clock does while the link
// waits: a second on every reading, no real sleep.
struct RacingClock : platform::Clock {
    std::int64_t now = 0;
    std::int64_t nowMs() override { return now += 1000; }
    void sleepMs(int ms) override { now += ms; }
};

TEST(Clock, SteadyUnlessAnotherIsInstalled) {
    platform::Clock& steady = platform::clock();
    const std::int64_t t = steady.nowMs();
    steady.sleepMs(5);
    EXPECT_GE(steady.nowMs() - t, 5);

    StoppedClock stopped;
    platform::setClock(&stopped);
    EXPECT_EQ(platform::clock().nowMs(), 42);
    EXPECT_GE(platform::deviceNowMs(), t); // the machine's clock stays the steady one
    platform::setClock(nullptr);
    EXPECT_EQ(&platform::clock(), &steady);
}

// Waiting for another program's lock is a deadline of the machine's, not of
// the link: a clock installed for the link does not cut it short.
TEST(Clock, AnotherProgramsLockIsWaitedForOnTheMachinesClock) {
    testsupport::TempHome home;
    const int folder = ::open(home.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(folder, LOCK_EX), 0);
    RacingClock racing;
    platform::setClock(&racing);
    const std::int64_t start = platform::deviceNowMs();
    {
        const platform::RewriteLock lock(home.file("t.ini"), 200);
        EXPECT_FALSE(lock.held());
    }
    const std::int64_t waited = platform::deviceNowMs() - start;
    platform::setClock(nullptr);
    ::close(folder);
    EXPECT_GE(waited, 200);
}

} // namespace
