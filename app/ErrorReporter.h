#pragma once
// The one reporter of caught failures. An operation that fails calls it with
// its tag ("mdifrmMain->SoftInit") and then ends quietly; the reporter shows
// nothing to the user. It leaves a line on standard error for whoever runs
// the program from a terminal.
#include <exception>
#include <functional>
#include <string>

namespace app {

void VbErrNumDes(const std::string& tag);
void VbErrNumDes(const std::string& tag, const std::exception& cause);

// Tests watch the reports through this.
void SetErrorListener(std::function<void(const std::string& tag)> listener);

} // namespace app
