#pragma once
// Intel HEX lines for tests, with valid checksums unless a test breaks one.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace flashtest {

inline std::string HexRecordLine(std::uint16_t address, std::uint8_t type,
                                 const std::vector<std::uint8_t>& data) {
    char buf[16];
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    std::snprintf(buf, sizeof buf, ":%02X%04X%02X", static_cast<unsigned>(data.size()), address, type);
    std::string line = buf;
    for (std::uint8_t b : data) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        line += buf;
        sum += b;
    }
    std::snprintf(buf, sizeof buf, "%02X", (0x100 - sum % 256) % 256);
    return line + buf;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& eol) {
    std::string text;
    for (const std::string& l : lines) text += l + eol;
    return text;
}

} // namespace flashtest
