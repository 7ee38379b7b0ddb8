#pragma once
// A fresh, empty program folder for one test (in /dev/shm where the machine
// has it, else the temporary folder): TAVORIN_HOME points at it while
// the object lives, and it is removed afterwards. It is the user's home too
// (HOME), so that the production folders lie in it, never in the real home;
// and the serial ports' lock files go to its folder "lock" meanwhile
// (TAVORIN_LOCK_DIR; a test that wants them makes the folder), never to the
// system's. The environment it found comes back when it goes.
#include "tests/support/Environment.h"

#include <memory>
#include <string>

namespace testsupport {

class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;
    // Copies a shipped file of data/ (or of the build's bin/) into the folder.
    void copyShipped(const std::string& name) const;

  private:
    std::string path_;
    std::unique_ptr<ScopedEnv> home_, user_, locks_;
};

} // namespace testsupport
