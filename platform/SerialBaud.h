#pragma once
// termios2 rate handling of SerialPort (its own file: the kernel headers it
// needs cannot share a file with <termios.h>).

namespace platform::detail {

bool setAnyBaud(int fd, int baud);
int readBaud(int fd); // -1 on failure

} // namespace platform::detail
