#pragma once
// What the link's benchmarks share: the CPU time of the calling thread,
// which is the link's (the simulated radio serves on a thread of its own).
#include <ctime>

namespace linkbench {

inline double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

} // namespace linkbench
