#pragma once
// A busy or loading flag (-1 true, 0 false) raised for a scope: -1 inside,
// back to what it was when the scope ends, whatever ends it. A nested scope
// leaves the outer one's flag raised.
#include "platform/Flag.h"

namespace platform {

class ScopedFlag {
  public:
    explicit ScopedFlag(Flag& flag) : flag_(flag), was_(flag) { flag_ = -1; }
    ~ScopedFlag() { flag_ = was_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    Flag& flag_;
    Flag was_;
};

} // namespace platform
