#pragma once
// A serial device as the radio link uses it: raw bytes, 8 data bits, no
// parity, 2 stop bits, exclusive use, polled counts and no blocking reads.
#include "platform/Failure.h"
#include "platform/PortLock.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Why a port would not open, so that the interface can say it in its own
// language; what() gives the English line.
enum class PortProblem { NoDevice, NoPermission, InUse, NotSerial, Other };
class PortOpenFailure : public Failure {
  public:
    PortOpenFailure(PortProblem problem, const std::string& device, int sysError);
    PortProblem problem;
    std::string device; // empty when the port names none
    int sysError;       // the system's error number, 0 when none
};

class SerialPort {
  public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Device of port n (1-16): COM1-8 /dev/ttyUSB0-7, COM9-12 /dev/ttyACM0-3,
    // COM13-16 /dev/ttyS0-3; key n of section [Ports] of settingsFile names
    // another (a pseudo-terminal, say). Empty for a number outside 1-16.
    static std::string deviceOf(int port, const std::string& settingsFile);

    // Opens raw 8N2 at the rate, locked against every other user: the lock
    // file other serial programs honour (PortLock), an flock, and the
    // terminal's exclusive mode, under which no other program opens it.
    // Throws PortOpenFailure naming the cause: no such device, no permission
    // (with the dialout hint), in use (a live lock file, an flock, exclusive
    // mode), not a serial device; Failure for a rate it cannot run.
    void open(const std::string& device, int baud);
    // Drops what is still unsent after a short bounded drain, then closes,
    // leaving exclusive mode and removing the lock file. Throws Failure when
    // the device reports an error on closing.
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // The far end hung up: a pulled cable, a closed pseudo-terminal.
    bool hungUp() const;

    // Any rate, the non-standard ones through termios2. Throws Failure.
    void setBaud(int baud);
    // The rate the device runs at, read back from it.
    int baud() const;

    // Counts and buffer handling; each throws Failure on an I/O error.
    int inputCount() const;
    int outputCount() const;
    void flushInput();
    void flushOutput();
    // Sends every byte or throws Failure when the device takes none for
    // timeoutMs or fails.
    void write(std::span<const std::uint8_t> bytes, int timeoutMs);
    // Everything waiting in the input buffer, which is left empty.
    std::vector<std::uint8_t> readAll();

    // Time a block of n bytes takes on the line at the rate (11 bits each).
    static int lineTimeMs(std::size_t n, int baud);
    // How many writes the ports of this process have made so far: a far end
    // that this process runs at its own sleeps (a test's simulated radio)
    // need look at its line only when the count has moved.
    static std::uint64_t writesSoFar();

  private:
    [[noreturn]] void fail(const std::string& what) const;
    // Closes the descriptor without a word, out of exclusive mode.
    static void closeQuietly(int fd);
    int fd_ = -1;
    std::string device_;
    PortLock lock_;
};

} // namespace platform
