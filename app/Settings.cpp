#include "app/Settings.h"

#include "app/Shell.h"

#include "platform/IniFile.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace app {

std::string& SettingsFile() {
    return shell().SettingsFile;
}

const SettingKey& FreBandKey(int box) {
    static const SettingKey* const all[4] = {&keys::FreBandFre0, &keys::FreBandFre1, &keys::FreBandFre2,
                                             &keys::FreBandFre3};
    return *all[std::clamp(box, 0, 3)];
}

int ChInfoBase(int langIndex) {
    return 1000 + 2000 * (ClampLang(langIndex) - 1);
}

std::string ReadIniText(const std::string& section, const std::string& key, const std::string& defaultValue,
                        int n, int s, const std::string& file) {
    int units = std::min(n, s);
    return platform::IniFile::read(file, section, key, defaultValue, units);
}

std::string ReadSetting(const SettingKey& k, const std::string& file) {
    return ReadIniText(k.section, k.key, k.defaultValue, k.n, k.s, file);
}

std::string ReadSetting(const SettingKey& k, const std::string& defaultValue, const std::string& file) {
    return ReadIniText(k.section, k.key, defaultValue, k.n, k.s, file);
}

std::string ReadChInfo(const SettingKey& shape, int keyNumber, const std::string& file) {
    return ReadIniText(shape.section, std::to_string(keyNumber), shape.defaultValue, shape.n, shape.s, file);
}

std::int32_t ReadIniNum(const std::string& section, const std::string& key, const std::string& defaultValue,
                        int size, const std::string& file) {
    std::string text = ReadIniText(section, key, defaultValue, size, size, file);
    return platform::toInt32(text.empty() ? defaultValue : text);
}

std::int32_t ReadSettingNumber(const SettingKey& k, std::int32_t lo, std::int32_t hi,
                               const std::string& file) {
    const std::int32_t fallback = platform::toInt32(k.defaultValue);
    return platform::wholeNumber(ReadSetting(k, file), lo, hi).value_or(fallback);
}

platform::IoResult WriteIniStr(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& file) {
    return platform::IniFile::write(file, section, key, value);
}

platform::IoResult WriteSetting(const SettingKey& k, const std::string& value, const std::string& file) {
    return WriteIniStr(k.section, k.key, value, file);
}

platform::IoResult RestoreShippedSettings(const std::string& file,
                                          std::vector<platform::IniAddition>& restored) {
    restored.clear();
    if (!platform::IniSection(file, ChInfoCount.section).empty()) return {};
    return platform::IniFile::addMissing(file, ShippedSettings(), restored);
}

} // namespace app
