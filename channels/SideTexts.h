#pragma once
// The texts of the two-tone, FM and phone-book grids and of the serial-number
// list, in the three interface languages. Everything reads them through
// SideText, so where the texts live can change in one place.
#include <string>

namespace channels {

enum class SideTextId {
    TwoToneHeaders,   // format string of the two-tone grid
    RadioHeaders,     // format string of the FM station grid
    PhoneBookHeaders, // format string of the phone-book grid
    SerialListUsedUp, // told after the write that used the last serial number
};

// The text in language lang: 1 Simplified Chinese, 2 Traditional Chinese,
// 3 English; any other value gives English.
std::string SideText(SideTextId id, int lang);

// The language of the side grids' headers: 2 and 3 as they are, any other
// LangIndex Simplified Chinese.
int SideGridLang(int langIndex);

} // namespace channels
