#pragma once
// The program-wide link as a fresh run has it, and settings whose serial
// ports are the devices a test gives (every other port maps to no device,
// so no test touches the machine's own ports).
#include "tests/support/TempHome.h"

#include <map>
#include <string>

namespace linkui {

// Link, firmware tables, shell texts (English) and the dialogs' hooks as at
// the start of a run, with the settings file in home.
void ResetProgramLink(const testsupport::TempHome& home);

// Writes the settings file: `extra` sections, then [Ports].
void WriteSettings(const testsupport::TempHome& home, const std::map<int, std::string>& devices,
                   const std::string& extra = "");

} // namespace linkui
