#pragma once
// The desktop as the program uses it: opening a document with its handler,
// and starting the program's own executable again. A host interface: the
// window layer registers the real desktop at start-up (installQtPlatform);
// until then nothing starts and both say false. Tests register doubles.
#include "platform/Host.h"

#include <string>

namespace platform {

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Opens a document with the desktop's handler; false when none could start.
    virtual bool OpenDocument(const std::string&) { return false; }
    // Starts the program's own executable again (TAVORIN_HOME is inherited).
    virtual bool RestartProgram() { return false; }
};

inline Desktop& desktop() {
    return host<Desktop>();
}

} // namespace platform
