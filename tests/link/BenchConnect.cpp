// How much of one core a connect takes while it waits on a radio that never
// answers (11 probe runs of 25 attempts). Prints wall time, the link's CPU
// time (this thread; the simulated radio runs on another) and their ratio.
#include "app/Shell.h"
#include "link/Protocol.h"
#include "tests/link/BenchSupport.h"
#include "tests/support/TempHome.h"
#include "tools/radiosim/Radio.h"

#include <chrono>
#include <cstdio>
#include <memory>

int main() {
    testsupport::TempHome home;
    radiosim::Radio radio;
    radio.injectFault(radiosim::Fault::Silence);
    app::shell().SettingsFile = home.file("tavorin.def");
    home.write("tavorin.def", "[Ports]\n1=" + radio.devicePath() + "\n");
    auto s = std::make_unique<radiolink::LinkState>();
    radiolink::InitComCode(*s);

    const auto wall0 = std::chrono::steady_clock::now();
    const double cpu0 = linkbench::threadCpuSeconds();
    radiolink::ConnectRadio(*s);
    const double cpu = linkbench::threadCpuSeconds() - cpu0;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();

    std::printf("connect against a silent radio: %d stage-1 frames, ComFail %d\n", radio.countOf(0x31),
                s->ComFail);
    std::printf("wall %.2f s, link CPU %.3f s, %.2f %% of one core\n", wall, cpu, 100.0 * cpu / wall);
    return 0;
}
