#include "platform/PseudoTerminal.h"

#include "platform/Failure.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

PseudoTerminal::PseudoTerminal() {
    controller_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (controller_ < 0) throw Failure(std::string("no pseudo-terminal: ") + std::strerror(errno));
    char name[128];
    if (::grantpt(controller_) != 0 || ::unlockpt(controller_) != 0 ||
        ::ptsname_r(controller_, name, sizeof name) != 0) {
        ::close(controller_);
        throw Failure(std::string("pseudo-terminal set-up failed: ") + std::strerror(errno));
    }
    path_ = name;
    device_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (device_ < 0) {
        ::close(controller_);
        throw Failure("cannot open " + path_ + ": " + std::strerror(errno));
    }
    // Raw from the start: an echo would send every reply back to the radio.
    termios t{};
    ::tcgetattr(device_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(device_, TCSANOW, &t);
}

PseudoTerminal::~PseudoTerminal() {
    ::close(device_);
    if (controller_ >= 0) ::close(controller_);
}

void PseudoTerminal::hangUp() {
    if (controller_ < 0) return;
    ::close(controller_);
    controller_ = -1;
}

} // namespace platform
