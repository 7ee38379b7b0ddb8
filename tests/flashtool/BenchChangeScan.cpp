// One change scan of the 65,536-byte image, timed: a scan that finds every
// byte changed (the first scan after a HEX load or a radio read) and one that
// finds none (every other second). Prints each figure beside its bound.
#include "flashtool/MemoryGrids.h"
#include "tests/bench/Bench.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr double kBoundMs = bench::kFlashGridBoundMs;

// The best of several runs of `scan`, each after `prepare`.
template <typename P, typename F> double bestOfMs(int runs, P prepare, F scan) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto t0 = std::chrono::steady_clock::now();
        scan();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

} // namespace

int main() {
    auto image = std::make_unique<model::Image>();
    auto link = std::make_unique<radiolink::LinkState>();
    flashtool::ToolState tool(*image, *link);
    int salt = 0;
    auto scan = [&] { flashtool::RefreshGridFlash(tool); };
    const double all = bestOfMs(
        20,
        [&] {
            ++salt;
            for (std::size_t a = 0; a < image->size(); ++a) (*image)[a] = static_cast<std::uint8_t>(a + salt);
        },
        scan);
    const double none = bestOfMs(
        20, [] {}, scan);
    std::printf("change scan, every byte changed: %.3f ms (bound %g ms)\n", all, kBoundMs);
    std::printf("change scan, no byte changed:    %.3f ms (bound %g ms)\n", none, kBoundMs);
    return all < kBoundMs && none < kBoundMs ? 0 : 1;
}
