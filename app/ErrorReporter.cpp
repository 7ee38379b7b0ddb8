#include "app/ErrorReporter.h"

#include "app/FaceText.h"
#include "platform/Failure.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace app {
namespace {

void report(std::string_view tag, const char* why) {
    if (!std::getenv("TAVORIN_QUIET"))
        std::fprintf(stderr, "tavorin: %.*s: %s\n", static_cast<int>(tag.size()), tag.data(), why);
    platform::host<ErrorReportHost>().Reported(std::string(tag));
}

} // namespace

void VbErrNumDes(const std::string& tag) {
    report(tag, "failed");
}

void VbErrNumDes(const std::string& tag, const std::exception& cause) {
    report(tag, cause.what());
}

std::string Caught::reason() const {
    if (const auto* failure = dynamic_cast<const platform::Failure*>(error)) return failure->what();
    if (dynamic_cast<const std::bad_alloc*>(error)) return text(TextKey::CauseNoMemory);
    return text(TextKey::InternalFault);
}

namespace detail {

void Report(std::string_view tag, const Caught& caught) noexcept {
    if (tag.empty()) return;
    // The reporter's own failure (no memory for the line) loses the line only.
    try {
        report(tag, caught.error ? caught.error->what() : "failed");
    } catch (...) {
    }
}

} // namespace detail

} // namespace app
