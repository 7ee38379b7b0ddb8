#include "tests/support/VirtualClock.h"

#include <algorithm>

namespace testsupport {

VirtualClock::VirtualClock() {
    platform::setClock(this);
}

VirtualClock::~VirtualClock() {
    if (&platform::clock() == this) platform::setClock(nullptr);
}

void VirtualClock::runEnds() {
    for (const End& e : ends_) e.runTo(nowUs_);
}

void VirtualClock::sleepMs(int ms) {
    if (ms <= 0) return;
    const std::int64_t target = nowUs_ + std::int64_t{ms} * 1000;
    for (;;) {
        runEnds();
        std::optional<std::int64_t> next;
        for (const End& e : ends_)
            if (auto due = e.nextDue()) {
                // Something the line would not take yet is tried again a
                // millisecond later.
                const std::int64_t at = std::max(*due, nowUs_ + (*due <= nowUs_ ? 1000 : 0));
                next = std::min(next.value_or(at), at);
            }
        if (!next || *next > target) break;
        nowUs_ = *next;
    }
    nowUs_ = target;
}

bool waitUntil(const std::function<bool()>& done, int limitMs) {
    const std::int64_t end = platform::deviceNowMs() + limitMs;
    while (!done()) {
        if (platform::deviceNowMs() >= end) return done();
        platform::deviceSleepMs(1);
    }
    return true;
}

} // namespace testsupport
