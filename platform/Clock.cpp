#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {
std::function<void()>& pumpSlot() {
    static std::function<void()> pump;
    return pump;
}
} // namespace

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void sleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void setEventPump(std::function<void()> pump) { pumpSlot() = std::move(pump); }

void pumpEvents() {
    if (pumpSlot()) pumpSlot()();
}

} // namespace platform
