#pragma once
// Milliseconds, sleeps and the event pump that long waits call so that the
// windows stay alive (timers fire, stop boxes can be ticked).
#include <cstdint>
#include <functional>

namespace platform {

std::int64_t nowMs(); // steady clock
void sleepMs(int ms);

// The window layer installs its pump at start-up; without one, waits only sleep.
void setEventPump(std::function<void()> pump);
void pumpEvents();

} // namespace platform
