#pragma once
// The benchmark's figures: one row each, measured in one run, printed in one
// table beside their bounds. Measurements, not tests: nothing fails on them.
// The helpers here serve every benchmark program, bench_all and the ones the
// folders run by hand.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace bench {

struct Row {
    std::string what;
    double value = 0; // negative: not measured (the note says why)
    std::string unit; // "ms", "%", "" for a ratio
    double bound = 0; // at or below
    std::string note;
};

// On an X server (xvfb-run) as the program runs; else offscreen. Called
// before the application is made, while no other thread reads the
// environment.
inline void onXServerOrOffscreen() {
    const auto empty = [](const char* name) {
        const char* v = std::getenv(name);
        return !v || !*v;
    };
    if (empty("QT_QPA_PLATFORM") && empty("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// The CPU time of the calling thread: the program's (a simulated radio
// serves on a thread of its own).
inline double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// The median of several runs' figures; -1 for none.
inline double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median of one figure of several runs.
template <class Figures> double median(const std::vector<Figures>& runs, double Figures::*field) {
    std::vector<double> v;
    for (const Figures& f : runs) v.push_back(f.*field);
    return median(v);
}

// Prints one figure of a benchmark run by hand, without a bound.
inline void figure(const char* what, double ms) {
    std::printf("%-62s %8.2f ms\n", what, ms);
}

// Prints one figure of a benchmark run by hand beside its bound, as
// "what  value ms  (bound b ms) ok"; bench_all reads such lines back by
// their text. True when within the bound.
inline bool bounded(const char* what, double ms, double bound) {
    const bool ok = ms <= bound;
    std::printf("%-62s %8.2f ms  (bound %g ms) %s\n", what, ms, bound, ok ? "ok" : "OVER");
    return ok;
}

// The lines of the flash tools' window benchmark (tests/flashtool) that
// bench_all takes into its table, and the bound of every flash grid figure.
inline constexpr const char* kFlashGridShownLine = "show the whole grid in the window (the two above)";
inline constexpr const char* kChangeScanAllLine = "one change scan, every byte changed, window painted";
inline constexpr const char* kChangeScanNoneLine = "one change scan, no byte changed";
inline constexpr double kFlashGridBoundMs = 15;

// The radio link at 9600 baud 8N2 against a radio that paces its bytes at
// the line rate: page sets read and written, and the CPU share.
std::vector<Row> LinkRows();
// The channel window filled from an image of 256 channels, and a data file
// read and saved.
std::vector<Row> WindowAndFileRows();
// Launch to the main window shown, under xvfb-run: `self` is this program
// (it stamps the start and becomes the program), `program` the program.
std::vector<Row> LaunchRows(const std::string& self, const std::string& program);
// The flash grid in the memory tool window and its change scan, from the
// flash tools' own benchmark beside this program, run in this run.
std::vector<Row> FlashGridRows(const std::string& folder);

} // namespace bench
