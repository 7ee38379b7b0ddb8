// Launch to the main window shown, under xvfb-run: this program stamps the
// steady clock and becomes the program (exec), which with
// TAVORIN_SHOWN_STAMP set stamps it again once the main window is shown and
// painted, and ends. The first start after installation runs first (it
// settles the settings file); the median of the starts after it counts.
//
// The flash grid's figures come from the flash tools' own benchmark, run
// beside this program in the same X server: the whole grid shown in the
// memory tool window, and the once-a-second change scan.
#include "tests/bench/Bench.h"
#include "tests/support/TempHome.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace bench {
namespace {

constexpr int kStarts = 5;

std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        ::pclose(p);
    }
    return out;
}

// The number after `word` on the line that starts with it, or -1.
double after(const std::string& text, const std::string& word) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(word, 0) == 0) return std::atof(line.c_str() + word.size());
    return -1;
}

} // namespace

std::vector<Row> LaunchRows(const std::string& self, const std::string& program) {
    testsupport::TempHome home; // the started programs' folder (TAVORIN_HOME)
    const std::filesystem::path bin = std::filesystem::path(program).parent_path();
    for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"})
        std::filesystem::copy_file(bin / f, home.file(f));
    {
        // No serial port of this machine is touched.
        std::ofstream settings(home.file("tavorin.def"), std::ios::app);
        settings << "\n[Ports]\n";
        for (int n = 1; n <= 16; ++n) settings << n << "=" << home.file("no-port") << "\n";
    }
    const std::string command = "env -u QT_QPA_PLATFORM TAVORIN_SHOWN_STAMP=1 TAVORIN_QUIET=1 "
                                "LANG=zh_CN.UTF-8 xvfb-run -a '" +
                                self + "' --launch '" + program + "' 2>/dev/null";
    std::vector<double> starts;
    for (int i = 0; i <= kStarts; ++i) {
        const std::string out = output(command);
        const double start = after(out, "start "), shown = after(out, "shown ");
        if (start < 0 || shown < 0)
            return {{"launch to the main window shown (xvfb-run)", -1, "ms", 150, "no stamp"}};
        if (i > 0) starts.push_back((shown - start) / 1e6);
    }
    return {{"launch to the main window shown (xvfb-run)", median(starts), "ms", 150,
             "median of " + std::to_string(kStarts) + " starts"}};
}

std::vector<Row> FlashGridRows(const std::string& folder) {
    const std::string out = output("TAVORIN_QUIET=1 '" + folder + "/flashtool_bench_window' 2>/dev/null");
    return {{"flash grid shown whole in the memory tool window", after(out, kFlashGridShownLine), "ms",
             kFlashGridBoundMs, "tests/flashtool/BenchToolWindow.cpp"},
            {"flash grid: change scan, every byte changed", after(out, kChangeScanAllLine), "ms",
             kFlashGridBoundMs, "once a second; the window painted"},
            {"flash grid: change scan, no byte changed", after(out, kChangeScanNoneLine), "ms",
             kFlashGridBoundMs, "once a second; the window painted"}};
}

} // namespace bench
