#include "app/ErrorReporter.h"

#include <cstdio>
#include <cstdlib>

namespace app {
namespace {
std::function<void(const std::string&)>& listener() {
    static std::function<void(const std::string&)> l;
    return l;
}

void report(const std::string& tag, const char* why) {
    if (!std::getenv("TAVORIN_QUIET")) std::fprintf(stderr, "tavorin: %s: %s\n", tag.c_str(), why);
    if (listener()) listener()(tag);
}
} // namespace

void VbErrNumDes(const std::string& tag) { report(tag, "failed"); }

void VbErrNumDes(const std::string& tag, const std::exception& cause) { report(tag, cause.what()); }

void SetErrorListener(std::function<void(const std::string&)> l) { listener() = std::move(l); }

} // namespace app
