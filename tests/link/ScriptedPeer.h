#pragma once
// The far end of a pseudo-terminal that answers from a list the test gives:
// after so many bytes have come in, it sends pieces of bytes, each after its
// delay. It records everything it received.
#include "platform/PseudoTerminal.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace linktest {

class ScriptedPeer {
  public:
    struct Piece {
        int delayMs;
        std::vector<std::uint8_t> bytes;
    };

    ScriptedPeer();
    ~ScriptedPeer();

    const std::string& devicePath() const { return pty_.devicePath(); }
    // Once `afterBytes` more bytes have arrived, sends the pieces in order.
    void answer(int afterBytes, std::vector<Piece> pieces);
    std::vector<std::uint8_t> received() const;

  private:
    struct Step {
        int afterBytes;
        std::vector<Piece> pieces;
    };
    void serve();

    platform::PseudoTerminal pty_;
    mutable std::mutex mutex_;
    std::deque<Step> steps_;
    std::vector<std::uint8_t> received_;
    int counted_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace linktest
