#include "channels/SerialList.h"

#include "channels/SideTexts.h"

#include "model/ImageMap.h"

#include "charcode/HanZi.h"
#include "charcode/Utf16.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace channels {
namespace {

constexpr int SerialValueBuffer = 100;

void storeLine1(model::Image& image, const std::string& text) {
    const std::vector<std::uint8_t> codes =
        charcode::TextToHanZi(charcode::HanZiTbl(), text, model::map::MessageLineChars);
    std::copy(codes.begin(), codes.end(),
              image.begin() + static_cast<std::ptrdiff_t>(model::map::MessageLine1));
}

} // namespace

SerialListState& serialList() {
    static SerialListState s;
    return s;
}

void ResetSerialList() {
    serialList() = SerialListState{};
}

std::string SerialEntryText(const SerialEntry& e) {
    std::string key = std::to_string(e.key);
    if (key.size() < 4) key.insert(0, 4 - key.size(), '0');
    return key + " -- " + e.value;
}

std::string SerialExampleText() {
    return "SN Example:\n[SerialNo]\n1=SN First\n2=SN Second\n3=SN Third";
}

std::vector<SerialEntry> ReadSerialList(const std::string& path) {
    std::vector<SerialEntry> entries;
    // One reading of the file: a list may hold thousands of numbers.
    const platform::IniSection section(path, "SerialNo");
    for (int key = 1; key <= SerialKeysLast; ++key) {
        std::string value = section.read(std::to_string(key), "", SerialValueBuffer);
        if (value.empty()) break;
        entries.push_back({key, std::move(value)});
    }
    return entries;
}

std::string SerialLineText(const SerialEntry& e) {
    std::u16string units = charcode::toUtf16(e.value);
    if (units.size() > static_cast<std::size_t>(SerialLineChars)) units.resize(SerialLineChars);
    return charcode::toUtf8(units);
}

std::string SerialBoxText(const SerialListState& s) {
    if (s.UsedUp || s.ListIndex < 0 || s.ListIndex >= static_cast<int>(s.Entries.size())) return {};
    return SerialLineText(s.Entries[static_cast<std::size_t>(s.ListIndex)]);
}

bool ImportSerialList(SerialListState& s, model::Image& image, const std::string& path) {
    if (path.empty()) return false;
    const int before = s.ListIndex;
    s.Entries = ReadSerialList(path);
    s.ListIndex = -1;
    s.UsedUp = false;
    const bool found = !s.Entries.empty();
    if (found) ChooseSerialEntry(s, image, 0);
    s.SwitchVisible = found;
    s.AutoVisible = found;
    if (found)
        s.ExampleVisible = false;
    else if (before < 0)
        s.ExampleVisible = true;
    return true;
}

bool ChooseSerialEntry(SerialListState& s, model::Image& image, int index) {
    if (index < 0 || index >= static_cast<int>(s.Entries.size())) return false;
    s.ListIndex = index;
    s.UsedUp = false;
    // The value itself, not a cut of the list text: a key of five digits
    // must not shift the number.
    storeLine1(image, s.Entries[static_cast<std::size_t>(index)].value);
    return true;
}

bool SeqSwitch(SerialListState& s, model::Image& image, int index) {
    const int count = static_cast<int>(s.Entries.size());
    if (count == 0) return false;
    if (s.ListIndex < 0) return ChooseSerialEntry(s, image, 0);
    if (index == 0) return s.ListIndex > 0 && ChooseSerialEntry(s, image, s.ListIndex - 1);
    return s.ListIndex < count - 1 && ChooseSerialEntry(s, image, s.ListIndex + 1);
}

SerialAdvance AdvanceAfterWrite(SerialListState& s, model::Image& image) {
    if (s.Entries.empty() || s.AutoNextSn != 1) return SerialAdvance::None;
    if (SeqSwitch(s, image, 1)) return SerialAdvance::Next;
    // The radio just written took the last number.
    s.AutoNextSn = 0;
    s.UsedUp = true;
    storeLine1(image, "");
    return SerialAdvance::UsedUp;
}

std::string SerialListUsedUpText(int langIndex) {
    return SideText(SideTextId::SerialListUsedUp, langIndex);
}

} // namespace channels
