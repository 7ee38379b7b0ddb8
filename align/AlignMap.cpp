#include "align/AlignMap.h"

#include <algorithm>

namespace align {
namespace {

using C = Control;

constexpr Piece P(unsigned addr, int lo, int width, int valueLo = 0, int clears = 0, int sets = 0) {
    return Piece{static_cast<std::uint16_t>(addr),  static_cast<std::uint8_t>(lo),
                 static_cast<std::uint8_t>(width),  static_cast<std::uint8_t>(valueLo),
                 static_cast<std::uint8_t>(clears), static_cast<std::uint8_t>(sets)};
}

struct Entries {
    int count = 0;
    int first = 0;
    std::span<const char* const> texts{};
    int shown = 0;
};
constexpr Entries numbers(int count, int first = 0, int shown = 0) {
    return Entries{count, first, {}, shown};
}
constexpr Entries textsOf(std::span<const char* const> texts) {
    return Entries{static_cast<int>(texts.size()), 0, texts, 0};
}
constexpr Entries kNone{};
constexpr Entries L8 = numbers(8), L16 = numbers(16), L32 = numbers(32), L128 = numbers(128),
                  L256 = numbers(256);
// Lists designed with the entries "1"-"8" that the display refills.
constexpr Entries oneToEight(int shown) {
    return numbers(8, 1, shown);
}

constexpr FieldRow row(C c, const char* name, int first, int count, int stride, Kind kind, Form form,
                       Entries e, Piece a, Piece b, int pieces) {
    return FieldRow{c,      name,   first, count, stride,  kind,    form,    {a, b},
                    pieces, {0, 0}, 0,     0,     e.count, e.first, e.texts, e.shown};
}
constexpr FieldRow bits(C c, const char* name, int first, int count, int stride, Kind kind, Entries e,
                        Piece a) {
    return row(c, name, first, count, stride, kind, Form::Bits, e, a, {}, 1);
}
constexpr FieldRow bits2(C c, const char* name, Kind kind, Entries e, Piece a, Piece b) {
    return row(c, name, 0, 1, 0, kind, Form::Bits, e, a, b, 2);
}
constexpr FieldRow one(C c, const char* name, Kind kind, Entries e, Piece a) {
    return bits(c, name, 0, 1, 0, kind, e, a);
}
constexpr FieldRow group(C c, const char* name, int index, Kind kind, Entries e, Piece a, Piece b = {},
                         int pieces = 1) {
    return row(c, name, index, 1, 0, kind, Form::Group, e, a, b, pieces);
}
constexpr FieldRow choice(C c, const char* name, int first, int count, Kind kind, Entries e, unsigned addr,
                          unsigned v0, unsigned v1, int bytes, int exact) {
    FieldRow r = row(c, name, first, count, 1, kind, Form::Choice, e, P(addr, 0, 8 * bytes), {}, 1);
    r.choice = {static_cast<std::uint16_t>(v0), static_cast<std::uint16_t>(v1)};
    r.bytes = bytes;
    r.exact = exact;
    return r;
}
// Threshold n: even n in bits 6-0 of its byte; odd n in bits 5-0 of its
// byte (whose bits 7-6 it clears) and bit 7 of the byte before.
constexpr FieldRow threshold(int n) {
    const unsigned a = 0xE820 + n;
    const Entries e = oneToEight(128);
    if (n % 2 == 0)
        return row(C::cboSqlThreshold, "cboSqlThreshold", n, 1, 0, Kind::List, Form::Bits, e, P(a, 0, 7), {},
                   1);
    return row(C::cboSqlThreshold, "cboSqlThreshold", n, 1, 0, Kind::List, Form::Bits, e, P(a, 0, 6, 1, 0xC0),
               P(a - 1, 7, 1), 2);
}
constexpr FieldRow enable(int n) {
    return group(C::chkEnableSqlCacl, "chkEnableSqlCacl", n, Kind::Box, kNone, P(0xE81E, n, 1));
}

const FieldRow kTable[] = {
    // ---- frmAdjMode ----
    row(C::cboPwrAdj, "cboPwrAdj", 0, 51, 1, Kind::List, Form::PowerTable, L256, P(0xF800, 0, 8), {}, 1),
    one(C::cboCryFre, "cboCryFre", Kind::List, textsOf(kCryFreEntries), P(0xECA2, 6, 2)),
    one(C::chkRadioFre, "chkRadioFre", Kind::Box, kNone, P(0xECA2, 1, 1)),
    choice(C::chkBpsHlPara, "chkBpsHlPara", 0, 1, Kind::Box, kNone, 0xE890, kHighSpeedOff, 0, 1, 1),
    choice(C::cboFreBand, "cboFreBand", 0, 1, Kind::List, textsOf(kFreBandEntries), 0xE95D, 255, 150, 1, 1),
    choice(C::cboFreBand, "cboFreBand", 1, 2, Kind::List, textsOf(kFreBandEntries), 0xE95E, 150, 255, 1, 0),
    one(C::cboCompanName, "cboCompanName", Kind::List, textsOf(kCompanNameEntries), P(0xEA0A, 0, 8)),

    // ---- frmAdjMore: squelch tables ----
    bits(C::cboSqlWide, "cboSqlWide", 0, 31, 1, Kind::List, L256, P(0xF840, 0, 8)),
    bits(C::cboSqlNarrow, "cboSqlNarrow", 0, 31, 1, Kind::List, L256, P(0xF860, 0, 8)),

    // ---- deviation: element 0 the tone byte, element 1 bits 4-0 of the next ----
    bits(C::hscWideDev134174, "hscWideDev134174", 0, 1, 0, Kind::Scroll, kNone, P(0xE800, 0, 8)),
    bits(C::hscWideDev134174, "hscWideDev134174", 1, 1, 0, Kind::Scroll, kNone, P(0xE801, 0, 5)),
    bits(C::hscNarrowDev134174, "hscNarrowDev134174", 0, 1, 0, Kind::Scroll, kNone, P(0xE802, 0, 8)),
    bits(C::hscNarrowDev134174, "hscNarrowDev134174", 1, 1, 0, Kind::Scroll, kNone, P(0xE803, 0, 5)),
    bits(C::hscWideDev200260, "hscWideDev200260", 0, 1, 0, Kind::Scroll, kNone, P(0xE804, 0, 8)),
    bits(C::hscWideDev200260, "hscWideDev200260", 1, 1, 0, Kind::Scroll, kNone, P(0xE805, 0, 5)),
    bits(C::hscNarrowDev200260, "hscNarrowDev200260", 0, 1, 0, Kind::Scroll, kNone, P(0xE806, 0, 8)),
    bits(C::hscNarrowDev200260, "hscNarrowDev200260", 1, 1, 0, Kind::Scroll, kNone, P(0xE807, 0, 5)),
    bits(C::hscWideDev400520, "hscWideDev400520", 0, 1, 0, Kind::Scroll, kNone, P(0xE808, 0, 8)),
    bits(C::hscWideDev400520, "hscWideDev400520", 1, 1, 0, Kind::Scroll, kNone, P(0xE809, 0, 5)),
    bits(C::hscNarrowDev400520, "hscNarrowDev400520", 0, 1, 0, Kind::Scroll, kNone, P(0xE80A, 0, 8)),
    bits(C::hscNarrowDev400520, "hscNarrowDev400520", 1, 1, 0, Kind::Scroll, kNone, P(0xE80B, 0, 5)),
    bits(C::cboCdVoiSub, "cboCdVoiSub", 0, 6, 2, Kind::List, L8, P(0xE801, 5, 3)),

    // ---- receive response and gains ----
    one(C::cboRxResp42L, "cboRxResp42L", Kind::List, L256, P(0xE817, 0, 8)),
    one(C::cboRxResp42H, "cboRxResp42H", Kind::List, L256, P(0xE818, 0, 8)),
    one(C::cboRxResp43L, "cboRxResp43L", Kind::List, L256, P(0xE819, 0, 8)),
    one(C::cboRxResp43H, "cboRxResp43H", Kind::List, L256, P(0xE81A, 0, 8)),
    one(C::cboVoiceGainTx41H, "cboVoiceGainTx41H", Kind::List, L128, P(0xE81B, 0, 7)),
    one(C::cboGainTx44H, "cboGainTx44H", Kind::List, oneToEight(16), P(0xE81C, 0, 4)),
    bits2(C::cboPgaGain0AH, "cboPgaGain0AH", Kind::List, oneToEight(32), P(0xE81B, 7, 1, 4), P(0xE81C, 4, 4)),
    one(C::cboVoiceGainRx41H, "cboVoiceGainRx41H", Kind::List, L128, P(0xE84B, 0, 7, 0, 0, 0x80)),

    // ---- squelch thresholds, register 5AH counts, calculation enables ----
    // clang-format off
    threshold(0), threshold(1), threshold(2), threshold(3), threshold(4), threshold(5),
    threshold(6), threshold(7), threshold(8), threshold(9), threshold(10), threshold(11),
    threshold(12), threshold(13), threshold(14), threshold(15), threshold(16), threshold(17),
    // clang-format on
    group(C::cboReg5A, "cboReg5A", 0, Kind::List, oneToEight(8), P(0xE832, 0, 3)),
    group(C::cboReg5A, "cboReg5A", 1, Kind::List, oneToEight(8), P(0xE832, 3, 3)),
    group(C::cboReg5A, "cboReg5A", 2, Kind::List, oneToEight(8), P(0xE832, 6, 2), P(0xE833, 0, 1, 2), 2),
    group(C::cboReg5A, "cboReg5A", 3, Kind::List, oneToEight(8), P(0xE833, 1, 3)),
    group(C::cboReg5A, "cboReg5A", 4, Kind::List, oneToEight(8), P(0xE833, 4, 3, 0, 0x80)),
    // clang-format off
    enable(0), enable(1), enable(2), enable(3), enable(4), enable(5), enable(6), enable(7),
    // clang-format on

    // ---- register 34H (word 0xE841) ----
    one(C::chkReg34_Interval_Dr, "chkReg34_Interval_Dr", Kind::Box, kNone, P(0xE842, 7, 1)),
    one(C::chkReg34_Tone_Step_Dr, "chkReg34_Tone_Step_Dr", Kind::Box, kNone, P(0xE842, 6, 1)),
    one(C::chkReg34_Limit_Sel, "chkReg34_Limit_Sel", Kind::Box, kNone, P(0xE842, 5, 1)),
    one(C::cboReg34_Over_Th_Sel, "cboReg34_Over_Th_Sel", Kind::List, L8, P(0xE842, 2, 3)),
    bits2(C::cboReg34_Dig_Gain, "cboReg34_Dig_Gain", Kind::List, L32, P(0xE842, 0, 2, 3), P(0xE841, 5, 3)),
    one(C::cboReg34_Agc_Thd, "cboReg34_Agc_Thd", Kind::List, L32, P(0xE841, 0, 5)),

    // ---- register 65H (words 0xE847 wide, 0xE849 narrow) ----
    one(C::cboReg65H_Weak_Wide, "cboReg65H_Weak_Wide", Kind::List, L8, P(0xE848, 4, 3)),
    one(C::cboReg65H_Strong_Wide, "cboReg65H_Strong_Wide", Kind::List, L8, P(0xE848, 1, 3)),
    one(C::cboReg65H_Weak_Narr, "cboReg65H_Weak_Narr", Kind::List, L8, P(0xE84A, 4, 3)),
    one(C::cboReg65H_Strong_Narr, "cboReg65H_Strong_Narr", Kind::List, L8, P(0xE84A, 1, 3)),

    // ---- soft mute, local oscillator, AFC ----
    one(C::chkSoftMute, "chkSoftMute", Kind::Box, kNone, P(0xE840, 3, 1)),
    one(C::cboMuteTime, "cboMuteTime", Kind::List, L16, P(0xE840, 4, 4)),
    one(C::cboSoftMuteGain, "cboSoftMuteGain", Kind::List, L8, P(0xE840, 0, 3)),
    choice(C::chkOffMindBaseCry, "chkOffMindBaseCry", 0, 1, Kind::Box, kNone, 0xE843, 0x2A28, 0x0000, 2, 1),
    choice(C::chkOffAfcFunc, "chkOffAfcFunc", 0, 1, Kind::Box, kNone, 0xE845, 0x5320, 0x7320, 2, 1),

    // ---- battery, power output, delays, menu order ----
    bits(C::cboBatVoltPara, "cboBatVoltPara", 0, 17, 1, Kind::List, L256, P(0xE907, 0, 8)),
    bits(C::cboRda1846SPwrOutput, "cboRda1846SPwrOutput", 0, 2, 1, Kind::List, textsOf(kPwrOutputEntries),
         P(0xE900, 0, 8)),
    bits(C::cboRda1846SPwrOutput, "cboRda1846SPwrOutput", 2, 1, 0, Kind::List, numbers(8, 1),
         P(0xE902, 0, 8)),
    bits(C::cboTimeTone, "cboTimeTone", 0, 4, 1, Kind::List, L256, P(0xE92B, 0, 8)),
    row(C::vsfgGridMenu, "vsfgGridMenu", 1, kMenuRows, 1, Kind::GridRow, Form::MenuRow, kNone,
        P(model::map::MenuOrderBase, 0, 8), {}, 1),
};

std::uint8_t fieldMask(const Piece& p) {
    return static_cast<std::uint8_t>(((1u << p.width) - 1u) << p.lo);
}

unsigned readLittle(const model::Image& image, Addr at, int bytes) {
    unsigned v = 0;
    for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | image[at + k];
    return v;
}

} // namespace

std::span<const FieldRow> FieldTable() {
    return kTable;
}

const FieldRow& RowOf(Control control, int index) {
    const FieldRow* firstRow = nullptr;
    for (const FieldRow& r : kTable) {
        if (r.control != control) continue;
        if (!firstRow) firstRow = &r;
        if (index >= r.first && index < r.first + r.count) return r;
    }
    return *firstRow;
}

std::optional<Field> FieldOf(Control control, int index) {
    for (const FieldRow& r : kTable) {
        if (r.control != control || index < r.first || index >= r.first + r.count) continue;
        Field f{&r, index, r.pieces};
        for (int k = 0; k < r.pieceCount; ++k)
            f.pieces[k].addr = static_cast<std::uint16_t>(r.pieces[k].addr + r.stride * (index - r.first));
        return f;
    }
    return std::nullopt;
}

Window WindowOf(Control control) {
    return control <= Control::cboCompanName ? Window::AdjMode : Window::AdjMore;
}

const char* NameOf(Control control) {
    return RowOf(control).name;
}

int FirstElement(Control control) {
    return RowOf(control).first;
}

int ElementCount(Control control) {
    int n = 0;
    for (const FieldRow& r : kTable)
        if (r.control == control) n = std::max(n, r.first + r.count);
    return n - FirstElement(control);
}

void StoreField(model::Image& image, const Field& field, int value) {
    const FieldRow& r = *field.row;
    switch (r.form) {
    case Form::Choice: {
        unsigned v = r.choice[value != 0 ? 1 : 0];
        for (int k = 0; k < r.bytes; ++k, v >>= 8)
            image[field.pieces[0].addr + k] = static_cast<std::uint8_t>(v);
        return;
    }
    case Form::MenuRow:
        image[field.pieces[0].addr] = value < 1 ? 0xFF : static_cast<std::uint8_t>(value - 1);
        return;
    case Form::Bits:
    case Form::Group:
    case Form::PowerTable:
        for (int k = 0; k < r.pieceCount; ++k) {
            const Piece& p = field.pieces[k];
            const unsigned v = (static_cast<unsigned>(value) >> p.valueLo) & ((1u << p.width) - 1u);
            std::uint8_t& b = image[p.addr];
            b = static_cast<std::uint8_t>((b & ~(fieldMask(p) | p.clears)) | p.sets | (v << p.lo));
        }
        if (r.form == Form::PowerTable) StorePowerTableSum(image);
        return;
    }
}

int FieldValue(const model::Image& image, const Field& field) {
    const FieldRow& r = *field.row;
    switch (r.form) {
    case Form::Choice:
        return readLittle(image, field.pieces[0].addr, r.bytes) == r.choice[r.exact] ? r.exact : 1 - r.exact;
    case Form::MenuRow:
        return image[field.pieces[0].addr];
    case Form::Bits:
    case Form::Group:
    case Form::PowerTable:
        break;
    }
    int value = 0;
    for (int k = 0; k < r.pieceCount; ++k) {
        const Piece& p = field.pieces[k];
        value |= static_cast<int>((image[p.addr] & fieldMask(p)) >> p.lo) << p.valueLo;
    }
    return value;
}

std::uint16_t PowerTableSum(const model::Image& image) {
    unsigned sum = model::map::PowerTableSeed;
    for (int i = 0; i < model::map::PowerTableSize; ++i) sum += image[model::map::PowerTable + i];
    return static_cast<std::uint16_t>(sum);
}

void StorePowerTableSum(model::Image& image) {
    const std::uint16_t sum = PowerTableSum(image);
    image[model::map::PowerTableSum] = static_cast<std::uint8_t>(sum & 0xFF);
    image[model::map::PowerTableSum + 1] = static_cast<std::uint8_t>(sum >> 8);
}

} // namespace align
