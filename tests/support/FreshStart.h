#pragma once
// A test's fresh start: the program-wide state as a new run of the program
// finds it, so that no test sees what another left behind.
#include "tests/support/TempHome.h"

namespace testsupport {

// Every program-wide state fresh, in the one order that works:
//  1. no host registered (platform::forgetHosts), so that no window or
//     double of an earlier test hears what follows, or answers this test;
//  2. the steady clock, and no event pump;
//  3. the link: its port closed (its lock file let go) before all of its
//     state is made anew, then the firmware tables;
//  4. the shell's state (no settings file, language 3, no texts), the
//     model, the channel window's and the settings pages' state, the
//     alignment state;
//  5. the flash tools' state, made anew over the image and the link of 3
//     and 4, then the firmware window's logic over the firmware tables and
//     that state (its converter paths from the HOME of this moment);
//  6. the quiet flag (TAVORIN_QUIET): failures reach the error reporter's
//     hosts only, not standard error.
// The character table, the same in every run, stays as it was loaded.
// Windows are not program-wide state here: a fixture closes those it opened
// before this runs again.
void FreshProgramState();

// The first base of a fixture, so that it comes before the fixture's own
// members (its doubles, the clock it installs) and goes after them: a fresh
// program folder that is also the user's home (TempHome), then
// FreshProgramState(); at its end FreshProgramState() again, before the
// folder goes and the environment comes back.
class FreshStart {
  public:
    FreshStart() { FreshProgramState(); }
    ~FreshStart() { FreshProgramState(); }
    FreshStart(const FreshStart&) = delete;
    FreshStart& operator=(const FreshStart&) = delete;

    TempHome home;
};

} // namespace testsupport
