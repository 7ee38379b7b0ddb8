// ./build.sh bench: every figure of the benchmark, measured in one run and
// printed in one table beside its bound. `bench_all --launch PROGRAM` is the
// launch measurement's own start: it stamps the steady clock and becomes
// the program.
#include "platform/ui/QtDialogs.h"
#include "tests/bench/Bench.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace bench {
namespace {

// Qt's notes about the offscreen platform would break up the table.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

void print(const std::vector<Row>& rows) {
    std::printf("%-58s %10s %9s\n", "figure", "measured", "bound");
    for (const Row& r : rows) {
        char value[32] = "-", bound[32];
        if (r.value >= 0)
            std::snprintf(value, sizeof value, r.unit.empty() ? "%.4f" : "%.2f %s", r.value, r.unit.c_str());
        std::snprintf(bound, sizeof bound, r.unit.empty() ? "%.2f" : "%g %s", r.bound, r.unit.c_str());
        const char* verdict = r.value < 0 ? "" : r.value <= r.bound ? "ok" : "OVER";
        std::printf("%-58s %10s %9s  %-4s %s\n", r.what.c_str(), value, bound, verdict, r.note.c_str());
    }
}

} // namespace
} // namespace bench

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--launch") == 0) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("start %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        ::execl(argv[2], argv[2], static_cast<char*>(nullptr));
        return 1;
    }
    bench::onXServerOrOffscreen();
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    const std::filesystem::path program = self.parent_path().parent_path() / "bin" / "tavorin";
    qInstallMessageHandler(bench::quiet);
    QApplication application(argc, argv);
    platform::installQtPlatform(); // the link's waits run window events, as in the program

    std::vector<bench::Row> rows = bench::LinkRows();
    for (auto part : {bench::LaunchRows(self.string(), program.string()), bench::WindowAndFileRows(),
                      bench::FlashGridRows(self.parent_path().string())})
        rows.insert(rows.end(), part.begin(), part.end());
    bench::print(rows);
    return 0;
}
