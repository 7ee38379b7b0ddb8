#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

class SteadyClock : public Clock {
  public:
    std::int64_t nowMs() override { return deviceNowMs(); }
    void sleepMs(int ms) override { deviceSleepMs(ms); }
};

SteadyClock steady;
Clock* installed = nullptr;

std::function<void()>& pumpSlot() {
    static std::function<void()> pump;
    return pump;
}

} // namespace

Clock& clock() {
    return installed ? *installed : steady;
}

void setClock(Clock* clock) {
    installed = clock;
}

std::int64_t deviceNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void deviceSleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void setEventPump(std::function<void()> pump) {
    pumpSlot() = std::move(pump);
}

void pumpEvents() {
    if (pumpSlot()) pumpSlot()();
}

} // namespace platform
