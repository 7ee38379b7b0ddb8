#pragma once
// Changes to the environment while a test runs. Qt's own threads (the test
// watchdog among them) read the environment under Qt's lock, and a plain
// ::setenv beside them may free the value such a read is copying; Qt's calls
// take the lock.
#include <string>

namespace testsupport {

void setEnv(const char* name, const std::string& value);
void unsetEnv(const char* name);

// Sets a variable (or unsets it, without a value) while the object lives;
// the value it found comes back when it goes.
class ScopedEnv {
  public:
    explicit ScopedEnv(const char* name);
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::string previous_;
    bool had_ = false;
};

} // namespace testsupport
