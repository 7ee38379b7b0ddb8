#include "app/ErrorReporter.h"

#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

void report(const std::string& tag, const char* why) {
    if (!std::getenv("TAVORIN_QUIET")) std::fprintf(stderr, "tavorin: %s: %s\n", tag.c_str(), why);
    platform::host<ErrorReportHost>().Reported(tag);
}

} // namespace

void VbErrNumDes(const std::string& tag) {
    report(tag, "failed");
}

void VbErrNumDes(const std::string& tag, const std::exception& cause) {
    report(tag, cause.what());
}

} // namespace app
