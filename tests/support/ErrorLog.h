#pragma once
// Every failure the program reports while the log lives, by tag.
#include "app/ErrorReporter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace testsupport {

class ErrorLog : public app::ErrorReportHost {
  public:
    ErrorLog() : registered_(*this) {}
    void Reported(const std::string& tag) override { tags.push_back(tag); }
    bool has(const std::string& tag) const { return std::find(tags.begin(), tags.end(), tag) != tags.end(); }

    std::vector<std::string> tags;

  private:
    platform::Host<app::ErrorReportHost>::Scoped registered_;
};

} // namespace testsupport
