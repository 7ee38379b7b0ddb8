#pragma once
// Text inside the program is UTF-8; the radio's text rules count UTF-16 code
// units (a character outside the Basic Multilingual Plane is two units).
#include <string>
#include <string_view>

namespace charcode {

// Invalid UTF-8 becomes U+FFFD, one per bad byte.
std::u16string toUtf16(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view utf16);

} // namespace charcode
