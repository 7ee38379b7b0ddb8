#pragma once
// The original program's flags: -1 true, 0 false.
#include <cstdint>

namespace platform {

using Flag = std::int16_t;

} // namespace platform
