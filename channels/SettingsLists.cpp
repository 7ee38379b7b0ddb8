#include "channels/SettingsLists.h"

#include "channels/SettingsMap.h"

#include "app/Shell.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace channels {
namespace {

using Items = std::vector<std::string>;

const std::string& T(int n) {
    return PageText(n);
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
    {{4, -1, -1},   [] { return offThen(260, 20, [](int p) { return N(30 * p) + T(261); }); }},
    {{5, -1, -1},   [] { return offThen(262, 10, [](int p) { return N(p) + T(261); }); }},
    {{6, -1, -1},   [] { return texts({263, 264, 265}); }},
    {{7, -1, -1},   [] { return offThen(266, 5, [](int p) { return T(267) + N(p); }); }},
    {{8, -1, -1},   [] { return numbers(9, [](int p) { return N(p); }); }},
    {{9, -1, -1},   [] {
         Items out = texts({710});
         appendSpaced(out, 711, {5, 10, 20, 30});
         appendSpaced(out, 712, {5, 10, 20, 30});
         return out;
     }},
    {{10, -1, -1},  [] { return offThen(260, 30, [](int p) { return N(p) + T(261); }); }},
    {{11, 12, -1},  [] { return texts({713, 714, 715}); }},
    {{13, -1, -1},  [] { return textRange(285, 292); }},
    {{14, -1, -1},  [] { return offThen(716, 24, [](int p) { return N(p) + T(717); }); }},
    {{15, -1, -1},  [] { return numbers(9, [](int p) { return N(p + 1); }); }},
    {{16, -1, -1},  [] { return textRange(296, 301); }},
    {{20, -1, -1},  [] { return texts({720, 721, 722}); }},
    {{21, 22, -1},  [] { return offThen(313, 25, [](int p) { return N(p) + T(312); }); }},
    {{23, -1, -1},  [] { return offThen(293, 10, [](int p) { return "1 - " + N(p); }); }},
    {{24, -1, -1},  [] { return texts({353, 347, 348}); }},
    {{25, -1, -1},  [] { return offThen(293, 250, [](int p) { return N(p) + T(294); }); }},
    {{26, 27, -1},  [] { return numbers(150, [](int p) { return hundredths(5 * p) + T(395); }); }},
    {{28, -1, -1},  [] { return texts({723, 724}); }},
    {{29, -1, -1},  [] { return numbers(31, [](int p) { return N(p + 1); }); }},
    {{30, -1, -1},  [] { return numbers(15, [](int p) { return N(p + 1); }); }},
    {{31, -1, -1},  [] { return numbers(24, [](int p) { return N(p + 1); }); }},
    {{32, -1, -1},  [] { return texts({725, 726, 727}); }},
    {{33, -1, -1},  [] { return texts({331, 332}); }},
    {{34, 35, -1},  [] { return offThen(728, 255, [](int p) { return N(p) + T(729); }); }},
    {{36, -1, -1},  [] { return offThen(725, 255, [](int p) { return N(p) + T(729); }); }},
    {{37, -1, -1},  [] { return offThen(725, 255, [](int p) { return N(p); }); }},
    {{38, -1, -1},  [] { return texts({730, 731}); }},
    {{39, -1, -1},  [] { return texts({732, 733}); }},
    {{40, 66, 70},  [] { return offThen(320, 128, [](int p) { return T(718) + " " + N(p); }); }},
    {{41, -1, -1},  [] {
         Items out = texts({734, 735});
         appendSpaced(out, 736, {2, 5, 10, 15, 20, 25});
         return out;
     }},
    {{42, 43, 44},  [] { return texts({740, 737, 738, 739}); }},
    {{45, -1, -1},  [] { return numbers(250, [](int p) { return N(20 * p); }); }},
    {{46, 47, -1},  [] { return numbers(242, [](int p) { return N(80 + 10 * p); }); }},
    {{49, -1, -1},  [] { return offThen(295, 250, [](int p) { return N(p) + T(294); }); }},
    {{50, 52, -1},  [] { return textRange(313, 319); }},
    {{51, -1, -1},  [] {
         Items out = texts({320, 366});
         for (int p = 2; p <= 250; ++p) out.push_back(T(321) + N(10 * p) + T(322));
         return out;
     }},
    {{53, -1, -1},  [] { return texts({323, 324}); }},
    {{54, -1, -1},  [] { return numbers(250, [](int p) { return N(p) + T(294); }); }},
    {{55, -1, -1},  [] { return offThen(295, 250, [](int p) { return N(20 * p); }); }},
    {{56, 65, 69},  [] { return offThen(320, 199, [](int p) { return T(719) + N(p); }); }},
    {{59, -1, -1},  [] { return offThen(740, 10, [](int p) { return N(p); }); }},
    {{61, -1, -1},  [] { return offThen(741, 128, [](int p) { return "A  " + N(p); }); }},
    {{62, -1, -1},  [] { return offThen(741, 128, [](int p) { return "B  " + N(p); }); }},
    {{68, -1, -1},  [] { return offThen(293, 250, [](int p) { return N(p) + T(294); }); }},
    {{71, -1, -1},  [] { return textRange(437, 441); }},
    {{72, -1, -1},  [] { return textRange(269, 279); }},
};
// clang-format on

constexpr int VolumeCombo = 57; // keeps the list it was designed with

} // namespace

const std::string& PageText(int n) {
    static const std::string none;
    const auto& table = app::shell().FaceText;
    return n >= 0 && n < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(n)] : none;
}

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
    GuardFlag loading(p.OptLoading);
    for (int i = 0; i < PcComboCount; ++i) {
        if (i == VolumeCombo) continue;
        ComboBox& c = p.cboPc[static_cast<std::size_t>(i)];
        c.items = OptListItems(i);
        c.ListIndex = -1;
        if (p.Changed) p.Changed(Ctl::Pc, i);
    }
    for (const ListRepair& r : OptListRepairs)
        if (m.IicDat[r.addr] > r.limit) m.IicDat[r.addr] = static_cast<std::uint8_t>(r.repairTo);
}

std::vector<std::string> KeyListItems(int key) {
    Items out;
    for (int f = 0; f <= KeyHighest[key]; ++f) out.push_back(T(811 + f));
    return out;
}

std::string VoxTip(std::uint8_t level) {
    // level x 3300 / 255 never ends in a half, so plain rounding is exact.
    return std::to_string(std::lround(level * 3300.0 / 255.0)) + "mv";
}

} // namespace channels
