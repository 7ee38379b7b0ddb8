#include "tests/link/ScriptedPeer.h"

#include "platform/Clock.h"

#include <poll.h>
#include <unistd.h>

namespace linktest {

ScriptedPeer::ScriptedPeer() : thread_([this] { serve(); }) {}

ScriptedPeer::~ScriptedPeer() {
    stop_ = true;
    thread_.join();
}

void ScriptedPeer::answer(int afterBytes, std::vector<Piece> pieces) {
    std::lock_guard lock(mutex_);
    steps_.push_back({afterBytes, std::move(pieces)});
}

std::vector<std::uint8_t> ScriptedPeer::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void ScriptedPeer::serve() {
    std::uint8_t buf[4096];
    while (!stop_) {
        pollfd p{pty_.controllerFd(), POLLIN, 0};
        if (::poll(&p, 1, 2) > 0 && (p.revents & POLLIN)) {
            ssize_t n = ::read(pty_.controllerFd(), buf, sizeof buf);
            if (n > 0) {
                std::lock_guard lock(mutex_);
                received_.insert(received_.end(), buf, buf + n);
                counted_ += static_cast<int>(n);
            }
        }
        Step step;
        {
            std::lock_guard lock(mutex_);
            if (steps_.empty() || counted_ < steps_.front().afterBytes) continue;
            counted_ -= steps_.front().afterBytes;
            step = std::move(steps_.front());
            steps_.pop_front();
        }
        for (const Piece& piece : step.pieces) {
            platform::sleepMs(piece.delayMs);
            if (stop_) return;
            std::size_t done = 0;
            while (done < piece.bytes.size()) {
                ssize_t n =
                    ::write(pty_.controllerFd(), piece.bytes.data() + done, piece.bytes.size() - done);
                if (n > 0) done += static_cast<std::size_t>(n);
            }
        }
    }
}

} // namespace linktest
