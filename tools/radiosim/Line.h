#pragma once
// The far end of a serial line played by a pseudo-terminal: what the
// program sent, and bytes for it. The system hands bytes over from one end to
// the other a moment after they were written; takeAll() gets the program's
// bytes even when they are still on their way, and settle() waits until the
// bytes sent are readable at the program's end. A far end that is moved on
// by a test's clock settles after sending, so that the program finds the
// bytes when its clock moves on (it must not be reading meanwhile).
#include "platform/PseudoTerminal.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace radiosim {

class Line {
  public:
    Line(); // throws platform::Failure when the system has no pseudo-terminal
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    const std::string& devicePath() const { return pty_.devicePath(); }
    int fd() const { return pty_.controllerFd(); } // readable when bytes have come in

    std::vector<std::uint8_t> takeAll();
    // Writes what the line takes now and returns how many bytes that was.
    std::size_t send(std::span<const std::uint8_t> bytes);
    void settle();
    // The cable pulled: the program's end hangs up; the path stays taken
    // until the line goes.
    void hangUp() { pty_.hangUp(); }

  private:
    int waiting() const; // bytes the program's end holds unread

    platform::PseudoTerminal pty_;
    int owed_ = 0; // bytes sent since the last settle
    int base_ = 0; // bytes unread at the program's end before them
};

} // namespace radiosim
