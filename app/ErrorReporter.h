#pragma once
// The one reporter of caught failures. An operation that fails calls it with
// its tag ("mdifrmMain->SoftInit") and then ends quietly; the reporter shows
// nothing to the user. It leaves a line on standard error for whoever runs
// the program from a terminal.
#include "platform/Host.h"

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace app {

void VbErrNumDes(const std::string& tag);
void VbErrNumDes(const std::string& tag, const std::exception& cause);

// Who hears of every report: nobody in the program; tests register a
// double (platform::Host<ErrorReportHost>) to watch the tags.
class ErrorReportHost {
  public:
    virtual ~ErrorReportHost() = default;
    virtual void Reported(const std::string& /*tag*/) {}
};

// What a guarded body threw, for an operation that answers its own failure.
struct Caught {
    const std::exception* error = nullptr; // null for anything else thrown
    // Why, for the user: a platform::Failure is worded already; anything
    // else is a fault of the program, said so in the interface language,
    // never in the exception's own English.
    std::string reason() const;
};

// The tag of an operation whose failures end it silently, unreported.
inline constexpr std::string_view Unreported{};

namespace detail {
void Report(std::string_view tag, const Caught& caught) noexcept;

template <class OnFailure> void Answer(std::string_view tag, const Caught& caught, OnFailure& onFailure) {
    Report(tag, caught);
    // A failure of the answer itself has nowhere else to go.
    try {
        onFailure(caught);
    } catch (const std::exception& e) {
        Report(tag, Caught{&e});
    } catch (...) {
        Report(tag, Caught{});
    }
}
} // namespace detail

// Runs `body`, the work of the operation `tag` names. Whatever it throws
// ends it there: the failure is reported under the tag, `onFailure` gets
// what was caught (to release what the operation holds, or show what it
// shows for a failure), and nothing leaves the guard, so no failure ends
// the program through Qt's event loop. True when the body ran through.
// Procedures whose failures belong to their caller (the link's, the codec,
// the data-file reader and writer) take no guard, but for the few that end
// their own: the link's OpenCom, CloseCom and DelayNms, and InitTempArray.
// Nothing leaves it, as every exception is caught here, so it needs no
// noexcept.
template <class OnFailure, class Body>
bool Guarded(std::string_view tag, OnFailure&& onFailure, Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception& e) {
        detail::Answer(tag, Caught{&e}, onFailure);
    } catch (...) {
        detail::Answer(tag, Caught{}, onFailure);
    }
    return false;
}

template <class Body> bool Guarded(std::string_view tag, Body&& body) {
    return Guarded(
        tag, [](const Caught&) {}, std::forward<Body>(body));
}

} // namespace app
