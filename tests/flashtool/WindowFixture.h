#pragma once
// The program's flash tools as a fresh run has them, for window tests: a
// fresh start (its program folder is also the user's home, so the
// production folder lies in it), the program's link as start-up leaves it,
// the flash tools' hosts installed as the program's assembly installs them,
// and doubles for the dialogs, the desktop and the alignment display. The
// flash tools' windows close when it goes.
#include "tests/flashtool/Doubles.h"
#include "tests/support/FreshStart.h"
#include "tests/support/ScriptedDialogs.h"

#include <map>
#include <string>

namespace flashtest {

class ProgramFlashTools : public testsupport::FreshStart {
  public:
    // devices: the serial ports that lead somewhere (every other port leads
    // to no device); settings: further sections of the settings file.
    explicit ProgramFlashTools(const std::map<int, std::string>& devices = {},
                               const std::string& settings = "");
    ~ProgramFlashTools();
    ProgramFlashTools(const ProgramFlashTools&) = delete;
    ProgramFlashTools& operator=(const ProgramFlashTools&) = delete;

    testsupport::ScriptedDialogs dialogs;
    CountingAlignmentDisplay alignment;
    OpenedDocuments desktop;
};

// Closes the memory tool window, the part fill and the firmware window when
// they exist (the link idle first), and lets Qt delete them.
void CloseFlashWindows();

// Fills the program's image with bytes that differ from their neighbours
// and are never 0xA5.
void ScribbleImage();

} // namespace flashtest
