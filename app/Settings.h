#pragma once
// The settings file beside the program and the rule every read follows:
// a fixed buffer per key, blanks dropped, the value cut to the key's length,
// a missing key giving the reader's default. Nothing is cached.
#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Full path of tavorin.def; set once by the start-up.
std::string& SettingsFile();

// One key as its readers see it: section, key, default, buffer n, platform size s.
struct SettingKey {
    const char* section;
    const char* key;
    const char* defaultValue;
    int n;
    int s;
};

namespace keys {
// [Setting]
inline constexpr SettingKey FirRun{"Setting", "FirRun", "2", 3, 3};
inline constexpr SettingKey Language{"Setting", "Language", "2", 9, 10};
inline constexpr SettingKey EngFont{"Setting", "EngFont", "Times New Roman", 30, 30};
inline constexpr SettingKey ChsFont{"Setting", "ChsFont", "宋体", 30, 30};
inline constexpr SettingKey SettingCom{"Setting", "COM", "1", 9, 10};
// Black: an emptied row keeps its text colour for the channel typed into it
// later, whose option, tone and name texts must show on the white cells.
inline constexpr SettingKey DefColor{"Setting", "DefColor", "0", 30, 30};
inline constexpr SettingKey FreBandFre0{"Setting", "FreBandFre0", "136.00000", 15, 15};
inline constexpr SettingKey FreBandFre1{"Setting", "FreBandFre1", "174.00000", 15, 15};
inline constexpr SettingKey FreBandFre2{"Setting", "FreBandFre2", "400.00000", 15, 15};
inline constexpr SettingKey FreBandFre3{"Setting", "FreBandFre3", "470.00000", 15, 15};
inline constexpr SettingKey ChannelLock{"Setting", "ChannelLock", "ShowNo", 15, 15};
inline constexpr SettingKey VolumeMode{"Setting", "VolumeMode", "0", 30, 30};
// [Config]
inline constexpr SettingKey ConfigCom{"Config", "COM", "1", 9, 10};
inline constexpr SettingKey Tm{"Config", "Tm", "0", 9, 10};
inline constexpr SettingKey AutoWrInterval{"Config", "AutoWrInterval", "", 0, 0};
// [Soft], read through ReadIniNum
inline constexpr SettingKey Update{"Soft", "Update", "1", 5, 5};
inline constexpr SettingKey ModelSelect{"Soft", "ModelSelect", "0", 10, 10};
inline constexpr SettingKey SoftFileAddr{"Soft", "SoftFileAddr", "0", 200, 200};
} // namespace keys

// The band keys by box number 0-3.
const SettingKey& FreBandKey(int box);

// [ChInfo] keys are numbers from the language's base.
int ChInfoBase(int langIndex); // 1000, 3000, 5000 (outside 1-3 counts as 3)
inline constexpr SettingKey ChInfoCount{"ChInfo", "", "16", 5, 20};
inline constexpr SettingKey ChInfoRowHeight{"ChInfo", "", "240", 5, 20};
inline constexpr SettingKey ChInfoColCount{"ChInfo", "", "9", 5, 20};
inline constexpr SettingKey ChInfoFormat{"ChInfo", "", "0|0|0|0|0|0|0|0|0|0", 200, 200};
inline constexpr SettingKey ChInfoColWidth{"ChInfo", "", "1000", 10, 20};
inline constexpr SettingKey ChInfoListItem{"ChInfo", "", "0", 200, 100};

// The read rule: the value (or the default) cut to min(n, s) - 1 units.
std::string ReadIniText(const std::string& section, const std::string& key, const std::string& defaultValue,
                        int n, int s, const std::string& file);
std::string ReadSetting(const SettingKey& k, const std::string& file = SettingsFile());
// The same key with another reader's default (FirRun has two).
std::string ReadSetting(const SettingKey& k, const std::string& defaultValue, const std::string& file);
// A [ChInfo] key given by number.
std::string ReadChInfo(const SettingKey& shape, int keyNumber, const std::string& file = SettingsFile());

// Reads by the rule with n = s = size; an empty result converts the
// default. A text that is not a number fails (throws platform::Failure).
std::int32_t ReadIniNum(const std::string& section, const std::string& key, const std::string& defaultValue,
                        int size, const std::string& file);

// A whole-number setting that can never stop the program: an empty value,
// a text that is not a whole number, or one outside [lo, hi], gives the
// key's default number.
std::int32_t ReadSettingNumber(const SettingKey& k, std::int32_t lo, std::int32_t hi,
                               const std::string& file = SettingsFile());

// Creates or replaces the key; the result says whether the file now holds it.
platform::IoResult WriteIniStr(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& file);
platform::IoResult WriteSetting(const SettingKey& k, const std::string& value,
                                const std::string& file = SettingsFile());

// The settings file as shipped beside the program (data/tavorin.def), built
// into the program.
std::string_view ShippedSettings();

// A settings file without the channel grid's layout (no key in [ChInfo]: a
// missing or empty file, bytes that are no settings, a file of the user's
// own) is given every section and key of the shipped file that it lacks;
// every line it holds stays as it is. `restored` says what was added, and
// is empty when the file needed nothing or could not take it.
platform::IoResult RestoreShippedSettings(const std::string& file,
                                          std::vector<platform::IniAddition>& restored);

} // namespace app
