#pragma once
// A pseudo-terminal pair that plays a serial line: the program opens the
// device end by its path like any port, the owner reads and writes the
// other end. The owner keeps a handle on the device end too, so the program
// may close and reopen it without the line hanging up.
#include <string>

namespace platform {

class PseudoTerminal {
  public:
    PseudoTerminal(); // throws Failure when the system has none to give
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& devicePath() const { return path_; }
    int controllerFd() const { return controller_; } // non-blocking
    // The owner's own handle on the device end (non-blocking): to look into
    // what the program's end holds unread, never to read it away.
    int deviceFd() const { return device_; }

    // Closes the owner's end: the program's end hangs up and the path goes.
    // The device handle stays until this object goes, so that the system
    // gives the path to no other pseudo-terminal meanwhile: a program still
    // told to open it finds nothing there rather than someone else's line.
    void hangUp();

  private:
    int controller_ = -1;
    int device_ = -1;
    std::string path_;
};

} // namespace platform
