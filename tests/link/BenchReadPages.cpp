// The read of the frequency page set (pages 50-57 and 59) from a radio
// paced at 9600 baud 8N2 in both directions: the time it takes against the
// time its bytes need on the line plus the waits the transfer prescribes
// (the end's 1 ms delay, its 2 ms margin and the 1 ms sleep). Prints the
// ratio and the link's CPU time (this thread; the radio runs on another).
#include "app/Shell.h"
#include "link/FlashTransfer.h"
#include "link/Protocol.h"
#include "tests/link/BenchSupport.h"
#include "tests/support/TempHome.h"
#include "tools/radiosim/Radio.h"

#include <chrono>
#include <cstdio>
#include <memory>

int main() {
    constexpr int kBaud = 9600;
    testsupport::TempHome home;
    radiosim::Radio radio;
    radio.setPacing(kBaud, true);
    app::shell().SettingsFile = home.file("tavorin.def");
    home.write("tavorin.def", "[Ports]\n1=" + radio.devicePath() + "\n");
    auto s = std::make_unique<radiolink::LinkState>();
    auto image = std::make_unique<model::Image>();
    radiolink::InitWireTables(*s);
    radiolink::InitComCode(*s);
    for (int p : {50, 51, 52, 53, 54, 55, 56, 57, 59}) s->frmMain.chkFlashPage[p].Value = 1;

    const auto wall0 = std::chrono::steady_clock::now();
    const double cpu0 = linkbench::threadCpuSeconds();
    radiolink::ComReadFlash(*s, *image);
    const double cpu = linkbench::threadCpuSeconds() - cpu0;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();

    // Requests: stage 1 (6), stage 2 (9), nine page requests (12); replies:
    // two frames (6) and nine pages (1,037).
    const int bytes = 6 + 9 + 9 * 12 + 6 + 6 + 9 * 1037;
    const double wire = bytes * 11.0 / kBaud;
    const double prescribed = wire + 0.004;
    std::printf("read of pages 50-57, 59 at %d baud: ComFail %d, %zu requests\n", kBaud, s->ComFail,
                radio.requests().size());
    std::printf("wall %.3f s, line time %.3f s + waits 0.004 s: ratio %.3f\n", wall, wire, wall / prescribed);
    std::printf("link CPU %.3f s, %.2f %% of the wall time\n", cpu, 100.0 * cpu / wall);
    return 0;
}
