#include "tools/radiosim/Line.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace radiosim {
namespace {
// What the program's end of a pseudo-terminal holds unread at most.
constexpr int kHeldAtMost = 4095;
} // namespace

Line::Line() = default;

std::vector<std::uint8_t> Line::takeAll() {
    // A read that finds nothing waits for bytes still being handed over, so
    // reading until there is nothing left gets everything written so far.
    std::vector<std::uint8_t> out;
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd(), chunk, sizeof chunk);
        if (n > 0)
            out.insert(out.end(), chunk, chunk + n);
        else if (n == 0 || errno != EINTR)
            return out;
    }
}

std::size_t Line::send(std::span<const std::uint8_t> bytes) {
    // Nothing to send costs no look at the line: a driven radio is asked at
    // every sleep of a wait.
    if (bytes.empty()) return 0;
    if (owed_ == 0) base_ = waiting();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd(), bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    owed_ += static_cast<int>(done);
    return done;
}

void Line::settle() {
    if (owed_ == 0) return;
    const int want = std::min(base_ + owed_, kHeldAtMost);
    owed_ = 0;
    // The hand-over takes microseconds; the bound only keeps a broken system
    // from hanging the caller.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (waiting() < want && std::chrono::steady_clock::now() < giveUp) {
        pollfd p{pty_.deviceFd(), POLLIN, 0};
        ::poll(&p, 1, 0); // looking in hurries the hand-over along when nothing is there yet
        if (waiting() < want) std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
}

int Line::waiting() const {
    int n = 0;
    return ::ioctl(pty_.deviceFd(), FIONREAD, &n) == 0 ? n : 0;
}

} // namespace radiosim
