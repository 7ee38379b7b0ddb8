#pragma once
// An Intel HEX file decoded apart from the program's loader, for the targets
// that feed it HEX text: the answer the loader's rules give, reached by
// another road. A line is ":" and hex digits of either case, count, address,
// type, data and a checksum that brings the sum to 0; lines end at LF (one
// CR before it dropped); type 00 stores its bytes (none past 0xFFFF), 01
// with no data ends the file, 02 and 04 must say 0000, 03 and 05 carry
// nothing; the end record stands among the first 4,001 lines.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct HexDecode {
    bool accepted = false;
    std::vector<std::string> lines;            // up to and including the end record
    std::array<std::uint8_t, 0x10000> image{}; // 0xA5 where no record puts a byte
    std::array<bool, 0x10000> stored{};        // a record put a byte there
};

inline int nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The value of the two digits at text[at], or -1.
inline int hexByteAt(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size()) return -1;
    const int high = nibble(text[at]), low = nibble(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

inline HexDecode decodeHex(std::string_view text) {
    HexDecode d;
    d.image.fill(0xA5);
    std::vector<std::string> all;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t to = text.find('\n', from);
        const bool last = to == std::string_view::npos;
        std::string line(text.substr(from, last ? text.size() - from : to - from));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        all.push_back(line);
        from = last ? text.size() : to + 1;
    }
    std::vector<std::pair<unsigned, std::vector<std::uint8_t>>> data;
    for (std::size_t n = 0; n < all.size() && n < 4001; ++n) {
        const std::string& line = all[n];
        if (line.size() < 11 || line[0] != ':' || line.size() % 2 == 0) return d;
        std::vector<std::uint8_t> bytes;
        for (std::size_t at = 1; at < line.size(); at += 2) {
            const int b = hexByteAt(line, at);
            if (b < 0) return d;
            bytes.push_back(static_cast<std::uint8_t>(b));
        }
        const unsigned count = bytes[0], address = bytes[1] * 256u + bytes[2], type = bytes[3];
        unsigned sum = 0;
        for (std::uint8_t b : bytes) sum += b;
        if (bytes.size() != count + 5 || sum % 256 != 0) return d;
        const std::vector<std::uint8_t> payload(bytes.begin() + 4, bytes.end() - 1);
        d.lines.push_back(line);
        if (type == 1) {
            if (count != 0) return d;
            for (const auto& [first, bs] : data)
                for (std::size_t k = 0; k < bs.size(); ++k) {
                    d.image[first + k] = bs[k];
                    d.stored[first + k] = true;
                }
            d.accepted = true;
            return d;
        }
        if (type == 0 && address + count > 0x10000) return d;
        if ((type == 2 || type == 4) && (count != 2 || payload[0] != 0 || payload[1] != 0)) return d;
        if (type > 5) return d;
        if (type == 0) data.emplace_back(address, payload);
    }
    return d;
}

} // namespace fuzz
