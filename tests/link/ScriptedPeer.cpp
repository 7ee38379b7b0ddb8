#include "tests/link/ScriptedPeer.h"

#include <algorithm>

namespace linktest {

void ScriptedPeer::answer(int afterBytes, std::vector<Piece> pieces) {
    steps_.push_back({afterBytes, std::move(pieces)});
}

std::vector<std::uint8_t> ScriptedPeer::received() {
    takeIn(nowUs_);
    return received_;
}

void ScriptedPeer::takeIn(std::int64_t nowUs) {
    const std::vector<std::uint8_t> in = line_.takeAll();
    received_.insert(received_.end(), in.begin(), in.end());
    receivedAtUs_.insert(receivedAtUs_.end(), in.size(), nowUs);
    counted_ += static_cast<int>(in.size());
}

void ScriptedPeer::runTo(std::int64_t nowUs) {
    nowUs_ = nowUs;
    takeIn(nowUs);
    while (!steps_.empty() && counted_ >= steps_.front().afterBytes) {
        counted_ -= steps_.front().afterBytes;
        std::int64_t at = nowUs;
        for (Piece& piece : steps_.front().pieces) {
            at += std::int64_t{piece.delayMs} * 1000;
            due_.emplace_back(at, std::move(piece.bytes));
        }
        steps_.pop_front();
        std::stable_sort(due_.begin(), due_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    while (!due_.empty() && due_.front().first <= nowUs) {
        line_.send(due_.front().second);
        due_.pop_front();
    }
    line_.settle();
}

std::optional<std::int64_t> ScriptedPeer::nextDueUs() const {
    if (due_.empty()) return std::nullopt;
    return due_.front().first;
}

} // namespace linktest
