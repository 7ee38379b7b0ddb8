#pragma once
// A busy or loading flag (-1 true, 0 false) raised for a scope: -1 inside,
// back to what it was when the scope ends, whatever ends it. A nested scope
// leaves the outer one's flag raised.
#include <cstdint>

namespace platform {

class ScopedFlag {
  public:
    explicit ScopedFlag(std::int16_t& flag) : flag_(flag), was_(flag) { flag_ = -1; }
    ~ScopedFlag() { flag_ = was_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    std::int16_t& flag_;
    std::int16_t was_;
};

} // namespace platform
