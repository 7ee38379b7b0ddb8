#pragma once
// The one reporter of caught failures. An operation that fails calls it with
// its tag ("mdifrmMain->SoftInit") and then ends quietly; the reporter shows
// nothing to the user. It leaves a line on standard error for whoever runs
// the program from a terminal.
#include "platform/Host.h"

#include <exception>
#include <string>

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

} // namespace app
