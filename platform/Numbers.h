#pragma once
// Text-to-number conversions with the rules of the original runtime, but
// independent of the process locale: '.' is the only decimal point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of a numeric text: optional blanks, sign, digits with an optional
// fraction and exponent, or &H / &O prefixed hexadecimal and octal.
// Anything else (empty text included) is not numeric.
std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);

// Round half to even, as every conversion of a fraction to a whole number does.
double roundHalfEven(double value);

// Conversions that fail (throw Failure) on a text that is not numeric or a
// value outside the target type; fractions round half to even.
std::int32_t toInt32(std::string_view text);
std::int16_t toInt16(std::string_view text);
std::uint8_t toByte(std::string_view text);
double toDouble(std::string_view text);
std::int32_t toInt32(double value);
std::int16_t toInt16(double value);

// A whole number within [lo, hi], or nullopt for any other text.
std::optional<std::int32_t> wholeNumber(std::string_view text, double lo, double hi);

// A value, or a numeric text, rounded half to even, when that lies within
// [lo, hi] (a range inside the 32-bit one); nullopt otherwise. The
// conversions above fail exactly where this gives nullopt for their range.
std::optional<std::int32_t> roundedNumber(double value, double lo, double hi);
std::optional<std::int32_t> roundedNumber(std::string_view text, double lo, double hi);

// A hexadecimal digit's value (either case), -1 for any other character.
int hexDigit(char c);

// The value of the hexadecimal digits a text starts with; reading stops at
// the first other character, and a text without any gives 0. A value too
// large for an int gives the largest int.
int hexPrefixValue(std::string_view text);

// The leading number of a text, 0 when it has none: blanks anywhere in the
// number are skipped, and reading stops at the first other character.
double leadingValue(std::string_view text);

} // namespace platform
