#include "platform/SerialPort.h"

#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/IniFile.h"
#include "platform/SerialBaud.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

speed_t standardSpeed(int baud) {
    switch (baud) {
    case 110:
        return B110;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B0;
    }
}

PortProblem problemOf(int err) {
    switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortProblem::NoDevice;
    case EACCES:
    case EPERM:
        return PortProblem::NoPermission;
    case EBUSY:
    case EWOULDBLOCK:
        return PortProblem::InUse;
    default:
        return PortProblem::Other;
    }
}

std::string englishOf(PortProblem problem, const std::string& device, int err) {
    switch (problem) {
    case PortProblem::NoDevice:
        return device.empty() ? "no device for this port" : "no such device: " + device;
    case PortProblem::NoPermission:
        return "no permission to open " + device +
               ": add your user to the dialout group (sudo usermod -a -G dialout $USER) and log in again";
    case PortProblem::InUse:
        return device + " is in use by another program";
    case PortProblem::NotSerial:
        return device + " is not a serial device";
    case PortProblem::Other:
        break;
    }
    return "cannot open " + device + ": " + std::strerror(err);
}

} // namespace

PortOpenFailure::PortOpenFailure(PortProblem problem, const std::string& device, int sysError)
    : Failure(englishOf(problem, device, sysError)), problem(problem), device(device), sysError(sysError) {}

SerialPort::~SerialPort() {
    if (fd_ >= 0) closeQuietly(fd_);
}

void SerialPort::closeQuietly(int fd) {
    ::ioctl(fd, TIOCNXCL); // exclusive mode outlives the descriptor while the terminal stays open elsewhere
    ::close(fd);
}

std::string SerialPort::deviceOf(int port, const std::string& settingsFile) {
    if (port < 1 || port > 16) return {};
    if (auto mapped = IniFile::lookup(settingsFile, "Ports", std::to_string(port));
        mapped && !mapped->empty())
        return *mapped;
    if (port <= 8) return "/dev/ttyUSB" + std::to_string(port - 1);
    if (port <= 12) return "/dev/ttyACM" + std::to_string(port - 9);
    return "/dev/ttyS" + std::to_string(port - 13);
}

void SerialPort::fail(const std::string& what) const {
    throw Failure(what + " on " + device_ + ": " + std::strerror(errno));
}

void SerialPort::open(const std::string& device, int baud) {
    if (fd_ >= 0) throw Failure("serial port already open: " + device_);
    if (device.empty()) throw PortOpenFailure(PortProblem::NoDevice, device, 0);
    if (!lock_.take(device)) throw PortOpenFailure(PortProblem::InUse, device, EBUSY);
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    bool exclusive = false; // only ours to end: a refused opener must not end the holder's
    auto refuse = [&](PortProblem problem, int err) {
        if (exclusive)
            closeQuietly(fd);
        else if (fd >= 0)
            ::close(fd);
        lock_.release();
        return PortOpenFailure(problem, device, err);
    };
    if (fd < 0) {
        const int err = errno;
        throw refuse(problemOf(err), err);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        throw refuse(err == EWOULDBLOCK ? PortProblem::InUse : problemOf(err), err);
    }
    termios t{};
    if (::tcgetattr(fd, &t) != 0) throw refuse(PortProblem::NotSerial, 0);
    // No other program opens the terminal from now until the close.
    exclusive = ::ioctl(fd, TIOCEXCL) == 0;
    ::cfmakeraw(&t);
    t.c_cflag &= ~(PARENB | CSIZE | CRTSCTS);
    t.c_cflag |= CS8 | CSTOPB | CREAD | CLOCAL;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        int err = errno;
        throw refuse(PortProblem::Other, err);
    }
    fd_ = fd;
    device_ = device;
    try {
        setBaud(baud);
    } catch (...) {
        closeQuietly(fd_);
        fd_ = -1;
        lock_.release();
        throw;
    }
    ::tcflush(fd_, TCIOFLUSH);
}

void SerialPort::close() {
    if (fd_ < 0) return;
    // What the line has not taken within a second is dropped, so that a
    // stalled adapter cannot hold the close for the driver's long wait.
    const std::int64_t end = deviceNowMs() + 1000;
    int pending = 0;
    while (::ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 && deviceNowMs() < end) deviceSleepMs(1);
    ::tcflush(fd_, pending > 0 ? TCIOFLUSH : TCIFLUSH);
    int fd = fd_;
    fd_ = -1;
    ::ioctl(fd, TIOCNXCL);
    const int closed = ::close(fd);
    const int err = errno;
    lock_.release();
    if (closed != 0) throw Failure("closing " + device_ + ": " + std::strerror(err));
}

bool SerialPort::hungUp() const {
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void SerialPort::setBaud(int baud) {
    if (fd_ < 0) return;
    if (baud <= 0) throw Failure("line rate " + std::to_string(baud) + " is not possible");
    bool ok;
    if (speed_t s = standardSpeed(baud); s != B0) {
        termios t{};
        ok = ::tcgetattr(fd_, &t) == 0 && ::cfsetispeed(&t, s) == 0 && ::cfsetospeed(&t, s) == 0 &&
             ::tcsetattr(fd_, TCSANOW, &t) == 0;
    } else {
        ok = detail::setAnyBaud(fd_, baud);
    }
    if (!ok)
        throw Failure(device_ + " cannot run at " + std::to_string(baud) + " baud: " + std::strerror(errno));
}

int SerialPort::baud() const {
    return fd_ < 0 ? 0 : detail::readBaud(fd_);
}

int SerialPort::inputCount() const {
    int n = 0;
    if (fd_ < 0) throw Failure("serial port not open");
    if (::ioctl(fd_, FIONREAD, &n) != 0) fail("reading the input count");
    return n;
}

int SerialPort::outputCount() const {
    int n = 0;
    if (fd_ < 0) throw Failure("serial port not open");
    if (::ioctl(fd_, TIOCOUTQ, &n) != 0) fail("reading the output count");
    return n;
}

void SerialPort::flushInput() {
    if (fd_ >= 0 && ::tcflush(fd_, TCIFLUSH) != 0) fail("emptying the input");
}

void SerialPort::flushOutput() {
    // Only what the driver still holds: on a pseudo-terminal a flush would
    // also drop bytes already handed to the far end.
    if (fd_ >= 0 && outputCount() > 0 && ::tcflush(fd_, TCOFLUSH) != 0) fail("emptying the output");
}

namespace {
std::atomic<std::uint64_t> writes{0};
} // namespace

std::uint64_t SerialPort::writesSoFar() {
    return writes.load(std::memory_order_acquire);
}

void SerialPort::write(std::span<const std::uint8_t> bytes, int timeoutMs) {
    if (fd_ < 0) throw Failure("serial port not open");
    // Counted before the bytes go, so that a far end that looks after this
    // call returns finds them.
    writes.fetch_add(1, std::memory_order_release);
    const std::int64_t end = deviceNowMs() + timeoutMs;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) fail("sending");
        int left = static_cast<int>(end - deviceNowMs());
        if (left <= 0) throw Failure("the line took no data for " + std::to_string(timeoutMs) + " ms");
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, std::min(left, 50)) < 0 && errno != EINTR) fail("waiting to send");
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) throw Failure(device_ + " hung up");
    }
}

std::vector<std::uint8_t> SerialPort::readAll() {
    std::vector<std::uint8_t> out;
    if (fd_ < 0) throw Failure("serial port not open");
    std::uint8_t buf[4096];
    for (;;) {
        ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0) {
            out.insert(out.end(), buf, buf + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) fail("receiving");
        return out;
    }
}

int SerialPort::lineTimeMs(std::size_t n, int baud) {
    if (baud <= 0) return 0;
    return static_cast<int>((static_cast<long long>(n) * 11 * 1000 + baud - 1) / baud);
}

} // namespace platform
