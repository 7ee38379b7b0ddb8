#pragma once
// The far end of a pseudo-terminal that answers from a list the test gives:
// after so many bytes have come in, it sends pieces of bytes, each after its
// delay. It records everything it received. It has no thread: the test's
// clock moves it on (testsupport::VirtualClock::attach).
#include "tools/radiosim/Line.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace linktest {

class ScriptedPeer {
  public:
    struct Piece {
        int delayMs;
        std::vector<std::uint8_t> bytes;
    };

    const std::string& devicePath() const { return line_.devicePath(); }
    // Once `afterBytes` more bytes have arrived, sends the pieces in order.
    void answer(int afterBytes, std::vector<Piece> pieces);
    // Everything received so far, also what is still on its way.
    std::vector<std::uint8_t> received();
    // When each byte received came in, in microseconds on the clock (bytes
    // taken in by received() carry the time of the clock's last run).
    const std::vector<std::int64_t>& receivedAtUs() const { return receivedAtUs_; }

    void runTo(std::int64_t nowUs);
    std::optional<std::int64_t> nextDueUs() const;

  private:
    struct Step {
        int afterBytes;
        std::vector<Piece> pieces;
    };
    void takeIn(std::int64_t nowUs);

    radiosim::Line line_;
    std::deque<Step> steps_;
    std::deque<std::pair<std::int64_t, std::vector<std::uint8_t>>> due_; // pieces by due time
    std::vector<std::uint8_t> received_;
    std::vector<std::int64_t> receivedAtUs_;
    std::int64_t nowUs_ = 0;
    int counted_ = 0;
};

} // namespace linktest
