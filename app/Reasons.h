#pragma once
// Why something failed, in the interface language: the reasons the program
// puts under its messages. The platform says what went wrong (a problem and
// the system's error number); these say it in the user's words.
#include "platform/FileIo.h"

#include <string>

namespace app {

// A file or folder that could not be used: the problem with its path, then
// the system's cause ("Cannot open /x: permission denied"). A failure
// without a problem gives its own text.
std::string IoText(const platform::IoResult& r);

// The system's cause of an error number in the interface language: a
// wording of its own for every error the program's calls can meet, and
// "system error N" for any other; empty for 0.
std::string SystemCause(int sysError);

// "reason: cause" with the language's separator.
std::string WithCause(const std::string& reason, const std::string& cause);

// The same in a language of the window's own (LangIndex 1-3), as the factory
// windows speak Simplified Chinese whatever the interface language.
std::string IoText(const platform::IoResult& r, int langIndex);
std::string WithCause(const std::string& reason, const std::string& cause, int langIndex);
std::string SystemCause(int sysError, int langIndex);

} // namespace app
