#pragma once
// The program-wide link as a run's start-up leaves it, and settings whose
// serial ports are the devices a test gives (every other port maps to no
// device, so no test touches the machine's own ports).
#include "tests/support/FreshStart.h"
#include "tests/support/TempHome.h"

#include <map>
#include <string>

namespace linkui {

// On a fresh start (testsupport::FreshStart): the settings file in home,
// the shell's texts in English, the link's tables and the firmware tables,
// as start-up leaves them; no port probed.
void StartProgramLink(const testsupport::TempHome& home);

// Writes the settings file: `extra` sections, then [Ports].
void WriteSettings(const testsupport::TempHome& home, const std::map<int, std::string>& devices,
                   const std::string& extra = "");

} // namespace linkui
