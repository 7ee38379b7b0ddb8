#include "platform/System.h"

#include "platform/Clock.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace platform {

std::string executablePath() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    return std::string(buf, static_cast<std::size_t>(n));
}

std::string programFolder() {
    if (const char* home = std::getenv("TAVORIN_HOME"); home && *home) {
        std::string h = home;
        while (h.size() > 1 && h.back() == '/') h.pop_back();
        return h;
    }
    std::string exe = executablePath();
    auto slash = exe.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    std::string n = name;
    while (!n.empty() && (n.front() == '/' || n.front() == '\\')) n.erase(0, 1);
    if (folder.back() == '/') return folder + n;
    return folder + "/" + n;
}

int localeIdOf(const std::string& localeName) {
    std::string l = localeName.substr(0, localeName.find_first_of(".@"));
    for (char& c : l)
        if (c == '-') c = '_';
    if (l == "zh_CN") return 2052;
    if (l == "zh_TW") return 1028;
    if (l == "zh_HK") return 3076;
    if (l == "zh_SG") return 4100;
    return 1033;
}

int systemLocaleId() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) return localeIdOf(v);
    }
    return 1033;
}

Random& Random::instance() {
    static Random r;
    return r;
}

Random::Random() : engine_(static_cast<std::uint32_t>(deviceNowMs())) {}

double Random::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

int Random::between(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(engine_);
}

} // namespace platform
