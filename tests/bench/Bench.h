#pragma once
// The benchmark's figures: one row each, measured in one run, printed in one
// table beside their bounds. Measurements, not tests: nothing fails on them.
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

// The CPU time of the calling thread: the program's (a simulated radio
// serves on a thread of its own).
inline double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double median(std::vector<double> v);

// The radio link at 9600 baud 8N2 against a radio that paces its bytes at
// the line rate: page sets read and written, and the CPU share.
std::vector<Row> LinkRows();
// The channel window filled from an image of 256 channels, and a data file
// read and saved.
std::vector<Row> WindowAndFileRows();
// Launch to the main window shown, under xvfb-run: `self` is this program
// (it stamps the start and becomes the program), `program` the program.
std::vector<Row> LaunchRows(const std::string& self, const std::string& program);
// The flash grid, from the grid's own benchmark beside this program.
std::vector<Row> FlashGridRows(const std::string& folder);

} // namespace bench
