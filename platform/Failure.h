#pragma once
// A failure inside an operation. Procedures that own an operation catch it
// (with any other std::exception) and report it under their tag.
#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
  public:
    explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

} // namespace platform
