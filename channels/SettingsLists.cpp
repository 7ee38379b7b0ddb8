#include "channels/SettingsLists.h"

#include "channels/ChannelTexts.h"
#include "channels/SettingsMap.h"

#include "app/FaceText.h"
#include "platform/ScopedFlag.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace channels {
namespace {

using Items = std::vector<std::string>;

const std::string& T(int n) {
    return app::text(n);
}
std::string N(int v) {
    return std::to_string(v);
}

// Item 0 is text `off`; items 1..last are item(p).
template <class F> Items offThen(int off, int last, F item) {
    Items out{T(off)};
    for (int p = 1; p <= last; ++p) out.push_back(item(p));
    return out;
}

// Items 0..last are item(p).
template <class F> Items numbers(int last, F item) {
    Items out;
    for (int p = 0; p <= last; ++p) out.push_back(item(p));
    return out;
}

Items texts(std::initializer_list<int> entries) {
    Items out;
    for (int n : entries) out.push_back(T(n));
    return out;
}
Items textRange(int first, int last) {
    Items out;
    for (int n = first; n <= last; ++n) out.push_back(T(n));
    return out;
}

// text & " " & value, for each value.
void appendSpaced(Items& out, int text, std::initializer_list<int> values) {
    for (int v : values) out.push_back(T(text) + " " + N(v));
}

// v hundredths with two decimals: 15 -> "0.15".
std::string hundredths(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d.%02d", v / 100, v % 100);
    return buf;
}

struct ListDef {
    std::array<int, 3> combos; // -1 pads
    Items (*build)();
};

// clang-format off
const ListDef kLists[] = {
    {{4, -1, -1},   [] { return offThen(kTextTimeOff, 20, [](int p) { return N(30 * p) + T(kTextSeconds); }); }},
    {{5, -1, -1},   [] { return offThen(kTextPreAlertOff, 10, [](int p) { return N(p) + T(kTextSeconds); }); }},
    {{6, -1, -1},   [] { return textRange(kTextFirstVoice, kTextFirstVoice + 2); }},
    {{7, -1, -1},   [] { return offThen(kTextPowerOnToneOff, 5, [](int p) { return T(kTextPowerOnTone) + N(p); }); }},
    {{8, -1, -1},   [] { return numbers(9, [](int p) { return N(p); }); }},
    {{9, -1, -1},   [] {
         Items out = texts({kTextKeyLockManual});
         appendSpaced(out, kTextKeyLockAuto, {5, 10, 20, 30});
         appendSpaced(out, kTextKeyLockAutoSave, {5, 10, 20, 30});
         return out;
     }},
    {{10, -1, -1},  [] { return offThen(kTextTimeOff, 30, [](int p) { return N(p) + T(kTextSeconds); }); }},
    {{11, 12, -1},  [] { return textRange(kTextFirstWorkMode, kTextFirstWorkMode + 2); }},
    {{13, -1, -1},  [] { return textRange(kTextFirstTailDel, kTextFirstTailDel + 7); }},
    {{14, -1, -1},  [] { return offThen(kTextPowerOffOff, 24, [](int p) { return N(p) + T(kTextHours); }); }},
    {{15, -1, -1},  [] { return numbers(9, [](int p) { return N(p + 1); }); }},
    {{16, -1, -1},  [] { return textRange(kTextFirstVoxDelay, kTextFirstVoxDelay + 5); }},
    {{20, -1, -1},  [] { return textRange(kTextFirstScanMode, kTextFirstScanMode + 2); }},
    {{21, 22, -1},  [] { return offThen(kTextFirstGroupCode, 25, [](int p) { return N(p) + T(kTextDropoutSeconds); }); }},
    {{23, -1, -1},  [] { return offThen(kTextIntervalOff, 10, [](int p) { return "1 - " + N(p); }); }},
    {{24, -1, -1},  [] { return texts({kTextLowBatToneOff, kTextLowBatTone1, kTextLowBatTone2}); }},
    {{25, -1, -1},  [] { return offThen(kTextIntervalOff, 250, [](int p) { return N(p) + T(kTextIntervalSeconds); }); }},
    {{26, 27, -1},  [] { return numbers(150, [](int p) { return hundredths(5 * p) + T(kTextHoldSeconds); }); }},
    {{28, -1, -1},  [] { return textRange(kTextFirstRadioMode, kTextFirstRadioMode + 1); }},
    {{29, -1, -1},  [] { return numbers(31, [](int p) { return N(p + 1); }); }},
    {{30, -1, -1},  [] { return numbers(15, [](int p) { return N(p + 1); }); }},
    {{31, -1, -1},  [] { return numbers(24, [](int p) { return N(p + 1); }); }},
    {{32, -1, -1},  [] { return textRange(kTextFirstShowMode, kTextFirstShowMode + 2); }},
    {{33, -1, -1},  [] { return textRange(kTextFirstAlarmType, kTextFirstAlarmType + 1); }},
    {{34, 35, -1},  [] { return offThen(kTextAlarmContinue, 255, [](int p) { return N(p) + T(kTextAlarmSeconds); }); }},
    {{36, -1, -1},  [] { return offThen(kTextFirstShowMode, 255, [](int p) { return N(p) + T(kTextAlarmSeconds); }); }},
    {{37, -1, -1},  [] { return offThen(kTextFirstShowMode, 255, [](int p) { return N(p); }); }},
    {{38, -1, -1},  [] { return textRange(kTextFirstNoYes, kTextFirstNoYes + 1); }},
    {{39, -1, -1},  [] { return textRange(kTextFirstChannelSel, kTextFirstChannelSel + 1); }},
    {{40, 66, 70},  [] { return offThen(kTextChannelOff, 128, [](int p) { return T(kTextGroupAChannel) + " " + N(p); }); }},
    {{41, -1, -1},  [] {
         Items out = textRange(kTextFirstLed, kTextFirstLed + 1);
         appendSpaced(out, kTextLedAuto, {2, 5, 10, 15, 20, 25});
         return out;
     }},
    {{42, 43, 44},  [] { return texts({kTextBacklightOff, kTextFirstColour, kTextFirstColour + 1, kTextFirstColour + 2}); }},
    {{45, -1, -1},  [] { return numbers(250, [](int p) { return N(20 * p); }); }},
    {{46, 47, -1},  [] { return numbers(242, [](int p) { return N(80 + 10 * p); }); }},
    {{49, -1, -1},  [] { return offThen(kTextResetOff, 250, [](int p) { return N(p) + T(kTextIntervalSeconds); }); }},
    {{50, 52, -1},  [] { return textRange(kTextFirstGroupCode, kTextFirstGroupCode + 6); }},
    {{51, -1, -1},  [] {
         Items out = texts({kTextChannelOff, kTextContinuous});
         for (int p = 2; p <= 250; ++p) out.push_back(T(kTextGlint) + N(10 * p) + T(kTextGlintSeconds));
         return out;
     }},
    {{53, -1, -1},  [] { return textRange(kTextFirstStunType, kTextFirstStunType + 1); }},
    {{54, -1, -1},  [] { return numbers(250, [](int p) { return N(p) + T(kTextIntervalSeconds); }); }},
    {{55, -1, -1},  [] { return offThen(kTextResetOff, 250, [](int p) { return N(20 * p); }); }},
    {{56, 65, 69},  [] { return offThen(kTextChannelOff, 199, [](int p) { return T(kTextChannelPrefix) + N(p); }); }},
    {{59, -1, -1},  [] { return offThen(kTextBacklightOff, 10, [](int p) { return N(p); }); }},
    {{61, -1, -1},  [] { return offThen(kTextPriorityNone, 128, [](int p) { return "A  " + N(p); }); }},
    {{62, -1, -1},  [] { return offThen(kTextPriorityNone, 128, [](int p) { return "B  " + N(p); }); }},
    {{68, -1, -1},  [] { return offThen(kTextIntervalOff, 250, [](int p) { return N(p) + T(kTextIntervalSeconds); }); }},
    {{71, -1, -1},  [] { return textRange(kTextFirstTxSelect, kTextFirstTxSelect + 4); }},
    {{72, -1, -1},  [] { return textRange(kTextFirstStep, kTextFirstStep + 10); }},
};
// clang-format on

} // namespace

std::vector<std::string> OptListItems(int index) {
    for (const ListDef& d : kLists)
        for (int c : d.combos)
            if (c == index) return d.build();
    return {};
}

std::vector<std::string> ByteList() {
    return numbers(255, [](int p) { return N(p); });
}

void SetOptList(SettingsPages& p, model::ModelState& m) {
    platform::ScopedFlag loading(p.OptLoading);
    for (int i = 0; i < PcComboCount; ++i) {
        if (i == VolumeCombo) continue;
        ComboBox& c = p.cboPc[static_cast<std::size_t>(i)];
        c.items = OptListItems(i);
        c.ListIndex = -1;
        platform::host<SettingsPagesHost>().Changed(Ctl::Pc, i);
    }
    for (int key = 0; key < KeyCount; ++key) {
        ListBox& l = p.listSkKey[static_cast<std::size_t>(key)];
        l.items = KeyListItems(key);
        l.ListIndex = -1;
        platform::host<SettingsPagesHost>().Changed(Ctl::Key, key);
    }
    for (int i : OptListRepairs) {
        const ComboField* f = ComboFieldOf(i);
        RepairListByte(m.IicDat[f->addr], *f);
    }
}

std::vector<std::string> KeyListItems(int key) {
    Items out;
    for (int f = 0; f <= KeyHighest[key]; ++f) out.push_back(T(kTextFirstKeyFunction + f));
    return out;
}

std::string VoxTip(std::uint8_t level) {
    // level x 3300 / 255 never ends in a half, so plain rounding is exact.
    return std::to_string(std::lround(level * 3300.0 / 255.0)) + "mv";
}

} // namespace channels
