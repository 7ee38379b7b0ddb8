#pragma once
// A clock that moves on only when the program sleeps: a sleep of n ms adds n
// ms at once, so a wait that runs out its budget takes no real time and its
// length is exact. Installed while it lives.
//
// What sits at the far end of the line (a simulated radio, a scripted peer)
// is attached and moved on by the clock: at every sleep it first takes in
// what the program has sent, and before time passes a moment at which it has
// something to do, it is run to that moment, so that what it sends is on the
// line when the program looks again. Such far ends have no threads of their
// own; their time is the program's.
#include "platform/Clock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace testsupport {

class VirtualClock : public platform::Clock {
  public:
    VirtualClock();
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    std::int64_t nowMs() override { return nowUs_ / 1000; }
    void sleepMs(int ms) override;

    // A far end with runTo(std::int64_t us) and nextDueUs() returning
    // std::optional<std::int64_t>; it must outlive the sleeps that follow.
    template <class FarEnd> void attach(FarEnd& end) {
        ends_.push_back({[&end](std::int64_t us) { end.runTo(us); }, [&end] { return end.nextDueUs(); }});
    }

    std::int64_t nowUs() const { return nowUs_; }

  private:
    struct End {
        std::function<void(std::int64_t)> runTo;
        std::function<std::optional<std::int64_t>()> nextDue;
    };
    void runEnds();

    std::int64_t nowUs_ = 0;
    std::vector<End> ends_;
};

// Real time: waits until done() holds, looking every millisecond, for at
// most limitMs (a bound that only a broken run reaches). Returns done().
bool waitUntil(const std::function<bool()>& done, int limitMs = 5000);

} // namespace testsupport
