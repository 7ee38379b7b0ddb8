#include "platform/ScopedFlag.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ScopedFlag, RaisedInsideAndBackToWhatItWasOnEveryExit) {
    std::int16_t flag = 0;
    {
        platform::ScopedFlag outer(flag);
        EXPECT_EQ(flag, -1);
        {
            platform::ScopedFlag inner(flag);
            EXPECT_EQ(flag, -1);
        }
        // The outer scope is still at work.
        EXPECT_EQ(flag, -1);
    }
    EXPECT_EQ(flag, 0);
    try {
        platform::ScopedFlag failing(flag);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(flag, 0);
}

} // namespace
