#include "channels/SerialList.h"

#include "channels/SettingsPages.h"
#include "channels/SettingsSupport.h"
#include "model/CodeFields.h"

#include "app/FaceText.h"
#include "app/Reasons.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include <filesystem>
#include <map>

namespace channels {
namespace {

constexpr int SerialValueBuffer = 100;

// Message line 1 takes text through its box; the bytes follow even when the
// box shows that text already.
void storeLine1(SettingsPages& p, model::ModelState& m, const std::string& text) {
    if (p.txtPc[model::MessageLineBox].Text == detail::fitted(text, p.txtPc[model::MessageLineBox].MaxLength))
        txtPc_Change(p, m, model::MessageLineBox);
    else
        SetPcText(p, m, model::MessageLineBox, text);
}

void shown() {
    detail::notify(Ctl::Serial, 0);
}

void refuse(const std::string& why) {
    platform::dialogs().message(why, app::text(app::kTextNotice), platform::Buttons::Ok,
                                platform::Icon::Critical);
}

} // namespace

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
    return detail::fitted(e.value, SerialLineChars);
}

SerialListCheck CheckSerialList(const std::vector<SerialEntry>& entries) {
    SerialListCheck c;
    c.noEntries = entries.empty();
    // Message line 1's codes of each number, as the radio will hold it.
    std::map<std::vector<std::uint8_t>, const SerialEntry*> lines;
    for (const SerialEntry& e : entries) {
        if (detail::units(e.value) > SerialLineChars) {
            if (c.longCount == 0) c.firstLong = e;
            ++c.longCount;
        }
        if (!c.sameLine.empty()) continue;
        auto codes = charcode::TextToHanZi(charcode::HanZiTbl(), e.value, SerialLineChars);
        const auto [at, added] = lines.emplace(codes, &e);
        if (added) continue;
        c.sameLine = {*at->second, e};
        c.sameLineText = charcode::HanZiToText(charcode::HanZiTbl(), codes, SerialLineChars);
    }
    return c;
}

std::string SerialListRefusal(const SerialListCheck& c, const std::string& path, bool listInUse) {
    using app::TextKey;
    std::string t = app::text(TextKey::SerialListNotImported);
    if (c.noEntries) t += "\n" + app::text(TextKey::SerialListNoEntries, path);
    if (!c.sameLine.empty()) {
        t += "\n" + app::text(TextKey::SerialListSameLine, c.sameLineText);
        for (const SerialEntry& e : c.sameLine) t += "\n" + SerialEntryText(e);
    }
    if (c.longCount > 0)
        t += "\n" + app::text(TextKey::SerialListTooLong, std::to_string(c.longCount)) + "\n" +
             SerialEntryText(c.firstLong);
    if (listInUse) t += "\n" + app::text(TextKey::SerialListKept);
    return t;
}

SerialImport ImportSerialList(SettingsPages& p, model::ModelState& m, const std::string& path) {
    if (path.empty()) return SerialImport::Cancelled;
    SerialListState& s = p.serial;
    const bool inUse = !s.Entries.empty();
    // Whether the file can be read at all: its first byte, not the whole of it.
    platform::Bytes first;
    if (const platform::IoResult r = platform::readFile(path, first, 1); !r) {
        refuse(app::text(app::TextKey::SerialListNotImported) + "\n" + app::IoText(r) +
               (inUse ? "\n" + app::text(app::TextKey::SerialListKept) : ""));
        return SerialImport::Refused;
    }
    std::vector<SerialEntry> entries = ReadSerialList(path);
    const SerialListCheck check = CheckSerialList(entries);
    if (!check.passed()) {
        // The form a list takes, when none was chosen before.
        if (check.noEntries && s.ListIndex < 0 && !s.ExampleVisible) {
            s.ExampleVisible = true;
            shown();
        }
        refuse(SerialListRefusal(check, path, inUse));
        return SerialImport::Refused;
    }
    s.Entries = std::move(entries);
    s.ListIndex = -1;
    s.UsedUp = false;
    s.SwitchVisible = true;
    s.AutoVisible = true;
    s.ExampleVisible = false;
    shown();
    ChooseSerialEntry(p, m, 0);
    return SerialImport::Imported;
}

bool ChooseSerialEntry(SettingsPages& p, model::ModelState& m, int index) {
    SerialListState& s = p.serial;
    if (index < 0 || index >= static_cast<int>(s.Entries.size())) return false;
    s.ListIndex = index;
    s.UsedUp = false;
    shown();
    // The value itself, not a cut of the list text: a key of five digits
    // must not shift the number.
    storeLine1(p, m, SerialLineText(s.Entries[static_cast<std::size_t>(index)]));
    return true;
}

bool SeqSwitch(SettingsPages& p, model::ModelState& m, int index) {
    const SerialListState& s = p.serial;
    const int count = static_cast<int>(s.Entries.size());
    if (count == 0) return false;
    if (s.ListIndex < 0) return ChooseSerialEntry(p, m, 0);
    if (index == 0) return s.ListIndex > 0 && ChooseSerialEntry(p, m, s.ListIndex - 1);
    return s.ListIndex < count - 1 && ChooseSerialEntry(p, m, s.ListIndex + 1);
}

radiolink::SerialStep AdvanceAfterWrite(SettingsPages& p, model::ModelState& m) {
    SerialListState& s = p.serial;
    if (s.Entries.empty() || s.AutoNextSn != 1) return radiolink::SerialStep::None;
    if (SeqSwitch(p, m, 1)) return radiolink::SerialStep::Next;
    // The radio just written took the last number.
    s.AutoNextSn = 0;
    s.UsedUp = true;
    shown();
    storeLine1(p, m, "");
    return radiolink::SerialStep::UsedUp;
}

bool UserImportSerialList(SettingsPages& p, model::ModelState& m) {
    if (detail::locked()) return false;
    platform::FileRequest request;
    request.initialDir = std::filesystem::path(app::shell().CurFilePath).parent_path().string();
    const std::optional<std::string> chosen = platform::dialogs().openFile(request);
    ImportSerialList(p, m, chosen.value_or(""));
    return true;
}

bool UserChooseSerialEntry(SettingsPages& p, model::ModelState& m, int index) {
    if (detail::locked()) return false;
    ChooseSerialEntry(p, m, index);
    return true;
}

bool UserSeqSwitch(SettingsPages& p, model::ModelState& m, int index) {
    if (detail::locked()) return false;
    SeqSwitch(p, m, index);
    return true;
}

bool UserTickAutoNextSn(SettingsPages& p, int value) {
    if (detail::locked()) return false;
    p.serial.AutoNextSn = value;
    return true;
}

int SerialNumbers::ListCount() {
    return static_cast<int>(p_.serial.Entries.size());
}

int SerialNumbers::AutoNextValue() {
    return p_.serial.AutoNextSn;
}

} // namespace channels
