#pragma once
// Intel HEX images as the flash tools read them: 16-bit addresses, data
// records (type 00) and the end record (type 01); extended address records
// (02, 04) whose upper part is 0 and start address records (03, 05) carry
// nothing for a 64 KB image and are passed over. A line is ":" and hex
// digits of either case, as long as its byte count says, with a valid
// checksum.
//
// An image is checked whole before a byte of it is used: a loader applies
// a passing image or nothing.
#include "model/Model.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace flashtool {

// The most lines an image may have, the end record included.
inline constexpr int HexLineLimit = 4001;
// The largest file read: 4,001 lines of 43 characters are about 180 KB, so
// a file larger than this is no image for this radio.
inline constexpr std::size_t HexFileLimit = 4 * 1024 * 1024;

struct HexRecord {
    std::uint16_t address;
    std::vector<std::uint8_t> data;
};

// What is wrong, and where: line counts from 1; 0 for the file as a whole.
struct HexError {
    int line = 0;
    std::string reason;
    // "HEX文件第12行: 校验和错误", for the status and a message.
    std::string text() const;
};

struct HexImage {
    std::vector<HexRecord> records; // data records in file order
    int lines = 0;                  // lines up to and including the end record
    std::optional<HexError> error;
    explicit operator bool() const { return !error; }
};

// Splits a file's text into lines at LF, dropping a CR before it. A last
// line without LF counts; the empty rest after a final LF does not.
std::vector<std::string> SplitHexLines(std::string_view text);

// A HEX file's lines, or why it cannot be used: a file that cannot be read
// (worded in the factory windows' language) or one larger than HexFileLimit.
struct HexFile {
    std::vector<std::string> lines;
    std::optional<std::string> error;
};
HexFile ReadHexFile(const std::string& path);

// Reads lines up to the first end record; lines after it are not read.
HexImage ParseHexLines(std::span<const std::string> lines);

// Fills bytes 0..count with 0xA5, then stores the records' bytes in file
// order (a later record overwrites an earlier one). Bytes at keepFrom and
// above are not stored, so that range keeps what it held.
void ApplyHexImage(const HexImage& hex, std::uint32_t count, model::Image& image,
                   std::uint32_t keepFrom = 0x10000);

// Checks the lines and applies a passing image with ApplyHexImage; a
// failing one leaves the image as it was. The error, or nullopt.
std::optional<HexError> HexLineToFlash(std::span<const std::string> lines, std::uint32_t count,
                                       model::Image& image);

} // namespace flashtool
