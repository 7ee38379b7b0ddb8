// Page sets moved at 9600 baud 8N2 against the simulated radio pacing its
// bytes at the line rate, as a ratio to the line time of every byte both
// ways plus the waits the transfer prescribes (its end's 1 ms delay with its
// 2 ms margin and a 1 ms sleep); the program's CPU share during a read and
// while a connect waits on a radio that never answers.
//
// A pseudo-terminal takes the program's bytes at once, where a serial port
// holds the program until they are on the line: so a read's requests are
// paced by the radio (it hears each when the line has carried it), and a
// write's requests, too long for that (the reply wait would run out first),
// go at once and their line time is added to what was measured.
#include "app/Shell.h"
#include "link/FlashTransfer.h"
#include "link/Protocol.h"
#include "model/ImageMap.h"
#include "tests/bench/Bench.h"
#include "tests/support/TempHome.h"
#include "tools/radiosim/Radio.h"

#include <chrono>
#include <memory>
#include <span>

namespace bench {
namespace {

constexpr int kBaud = 9600;
constexpr double kPrescribedWaits = 0.004;

double lineSeconds(int bytes) {
    return bytes * 11.0 / kBaud;
}

struct Link {
    testsupport::TempHome home;
    radiosim::Radio radio;
    std::unique_ptr<radiolink::LinkState> s = std::make_unique<radiolink::LinkState>();
    std::unique_ptr<model::Image> image = std::make_unique<model::Image>();

    Link() {
        app::shell().SettingsFile = home.file("tavorin.def");
        home.write("tavorin.def", "[Ports]\n1=" + radio.devicePath() + "\n");
        radiolink::InitWireTables(*s);
        radiolink::InitComCode(*s);
        std::vector<std::uint8_t> bytes(65536);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + (i >> 10));
        radio.setFlash(0, bytes);
        for (std::size_t i = 0; i < image->size(); ++i) (*image)[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
};

struct Timed {
    double wall = 0, cpu = 0;
    int fail = 0;
};

template <class F> Timed timed(F&& run) {
    const auto wall0 = std::chrono::steady_clock::now();
    const double cpu0 = threadCpuSeconds();
    run();
    Timed t;
    t.cpu = threadCpuSeconds() - cpu0;
    t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    return t;
}

// One page set read or written; adds its row and returns the CPU share.
double pageSet(std::vector<Row>& rows, const char* name, std::span<const int> set, bool read) {
    Link link;
    link.radio.setPacing(kBaud, read);
    for (int p : set) link.s->frmMain.chkFlashPage[p].Value = 1;
    const int n = static_cast<int>(set.size());
    Timed t = timed([&] {
        if (read)
            radiolink::ComReadFlash(*link.s, *link.image);
        else
            radiolink::ComWriteFlash(*link.s, *link.image);
    });
    // Stage 1 and 2, the pages, and a write's final exchange (stage 1 and
    // the control command with its block).
    const int requests = read ? 6 + 9 + 12 * n : 6 + 9 + 1034 * n + 6 + 14;
    const int replies = read ? 6 + 6 + 1037 * n : 6 + 6 + 8 * n + 6 + 6;
    const double asOnAPort = t.wall + (read ? 0 : lineSeconds(requests));
    const double ratio = asOnAPort / (lineSeconds(requests + replies) + kPrescribedWaits);
    std::string note = link.s->ComFail == 0 ? "" : "FAILED";
    if (!read) note += (note.empty() ? "" : ", ") + std::string("requests' line time added");
    rows.push_back({std::string(name) + (read ? " read" : " written") + " at 9600 8N2, ratio to line time",
                    ratio, "", 1.01, note});
    return 100.0 * t.cpu / t.wall;
}

} // namespace

std::vector<Row> LinkRows() {
    namespace map = model::map;
    std::vector<Row> rows;
    double busiest = 0;
    for (bool read : {true, false}) {
        const double a = pageSet(rows, "frequency pages", map::FrequencyPageSet, read);
        const double b = pageSet(rows, "alignment pages", map::AlignmentPageSet, read);
        if (read) busiest = std::max(a, b);
    }
    rows.push_back({"CPU share during a page read (the busier set)", busiest, "%", 2.5, ""});

    // A connect against a radio that never answers: 11 probe runs of 25 waits.
    Link link;
    link.radio.injectFault(radiosim::Fault::Silence);
    Timed t = timed([&] { radiolink::ConnectRadio(*link.s); });
    rows.push_back({"CPU share waiting on a silent radio (a connect)", 100.0 * t.cpu / t.wall, "%", 2.5,
                    "over " + std::to_string(static_cast<int>(t.wall + 0.5)) + " s"});
    return rows;
}

} // namespace bench
