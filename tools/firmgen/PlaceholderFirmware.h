#pragma once
// The placeholder built into the program as firmware model 101 "QM940",
// version "10": an Intel HEX image with the layout of a real build of that
// firmware (its ranges, its records, its identity record at line 348), whose
// program bytes are a repeated notice and whose data area is the program's
// own default image. It is not firmware for any radio.
#include <cstdint>
#include <string>
#include <vector>

namespace firmgen {

// The identity the image carries at 0x1C20: version 10 (BCD), plausibility
// byte, day 20, a free byte, model code 101.
inline constexpr std::uint16_t IdentityAddress = 0x1C20;
inline constexpr std::uint8_t Identity[5] = {0x10, 0x2C, 0x14, 0x68, 0x65};

// What the program area holds.
inline constexpr const char* FillerText = "TAVORIN PLACEHOLDER IMAGE - NOT FIRMWARE FOR ANY RADIO. ";

struct Record {
    std::uint16_t address;
    std::vector<std::uint8_t> data; // 1-16 bytes
};

// The data records in address order.
std::vector<Record> PlaceholderRecords();

// One data record as a HEX line (upper case, with its checksum), and the
// end record.
std::string HexLineOf(const Record& r);
inline constexpr const char* EndRecord = ":00000001FF";

// Every line of the image, the end record last.
std::vector<std::string> PlaceholderHexLines();

// The C++ source that compiles the lines into the program.
std::string BuiltInSource(const std::vector<std::string>& lines);

} // namespace firmgen
