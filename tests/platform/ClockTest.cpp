#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

struct StoppedClock : platform::Clock {
    std::int64_t nowMs() override { return 42; }
    void sleepMs(int) override {}
};

TEST(Clock, SteadyUnlessAnotherIsInstalled) {
    platform::Clock& steady = platform::clock();
    const std::int64_t t = steady.nowMs();
    steady.sleepMs(5);
    EXPECT_GE(steady.nowMs() - t, 5);

    StoppedClock stopped;
    platform::setClock(&stopped);
    EXPECT_EQ(platform::clock().nowMs(), 42);
    EXPECT_GE(platform::nowMs(), t); // the machine's clock stays the steady one
    platform::setClock(nullptr);
    EXPECT_EQ(&platform::clock(), &steady);
}

} // namespace
