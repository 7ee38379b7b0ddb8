#pragma once
// Time for the link's waits, and the event pump that long waits call so that
// the windows stay alive (timers fire, stop boxes can be ticked).
//
// Every wait of the link reads and spends time through clock(), so a test can
// install a clock of its own (one that moves on by itself on each sleep) and
// run out a retry budget without waiting it out. deviceNowMs() and
// deviceSleepMs() below are the machine's steady clock itself, which no test
// replaces: for deadlines that belong to a device or another process rather
// than to the link, and for seeds.
#include <cstdint>
#include <functional>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; only differences mean anything.
    virtual std::int64_t nowMs() = 0;
    // Returns once at least ms milliseconds have passed on this clock.
    virtual void sleepMs(int ms) = 0;
};

// The installed clock: the steady clock with real sleeps, unless another was
// installed. setClock(nullptr) goes back to the steady clock; the caller
// keeps an installed clock alive while it is in.
Clock& clock();
void setClock(Clock* clock);

std::int64_t deviceNowMs(); // the steady clock
void deviceSleepMs(int ms);

// The window layer installs its pump at start-up; without one, waits only sleep.
void setEventPump(std::function<void()> pump);
void pumpEvents();

} // namespace platform
