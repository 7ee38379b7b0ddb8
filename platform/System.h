#pragma once
// The program's place on this machine: its folder, the locale, random
// numbers. Documents and restarts go through the desktop (Desktop.h).
#include <cstdint>
#include <random>
#include <string>

namespace platform {

// The executable's folder, or the folder named by TAVORIN_HOME when set.
std::string programFolder();
std::string executablePath();
std::string joinPath(const std::string& folder, const std::string& name);

// Locale id of the user's locale from LC_ALL, LC_MESSAGES, LANG:
// zh_CN 2052, zh_TW 1028, zh_HK 3076, zh_SG 4100, anything else 1033.
int systemLocaleId();
int localeIdOf(const std::string& localeName);

// One generator for the program, seeded from the clock; tests fix the seed.
class Random {
  public:
    static Random& instance();
    void seed(std::uint32_t s) { engine_.seed(s); }
    // A value in [0, 1).
    double next();
    // A whole number in [lo, hi].
    int between(int lo, int hi);

  private:
    Random();
    std::mt19937 engine_;
};

} // namespace platform
