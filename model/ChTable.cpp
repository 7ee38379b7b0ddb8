#include "model/ChTable.h"

#include "model/Bands.h"
#include "model/ChannelWindow.h"
#include "model/Frequency.h"
#include "model/ImageMap.h"
#include "model/Tones.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace model {
namespace {

using map::Addr;

int channelLimit(const ModelState& m) {
    return std::clamp<int>(m.ChCount, 0, map::ChannelCount);
}
int columnLimit(const ModelState& m) {
    return std::clamp<int>(m.ChColCount, 0, ChFieldLast);
}

std::uint8_t* record(ModelState& m, int ch) {
    return m.IicDat.data() + map::ChRecordAddr(ch);
}
std::uint8_t* nameSlot(ModelState& m, int ch) {
    return m.IicDat.data() + map::ChNameAddr(ch);
}

// ---- Option bits of record bytes 12-15 ----
// A choice stores 1..top and stores 0 for any other value; bits above top
// are not valid, decode as 0 and are cleared in the image. A count above top
// is set to top in the table; a negative one cannot be stored and keeps the
// image's bits.
enum class OptionKind { Choice, Count };
struct OptionBits {
    int field;
    int byte; // of the record
    int shift;
    int width;
    OptionKind kind;
    std::int32_t top;
};
using enum OptionKind;
constexpr OptionBits Options[] = {
    {18, 12, 7, 1, Choice, 1}, {9, 12, 6, 1, Choice, 1},  {6, 12, 5, 1, Choice, 1},
    {5, 12, 4, 1, Choice, 1},  {7, 12, 2, 1, Choice, 1},  {8, 12, 0, 2, Choice, 2},
    {17, 13, 6, 2, Choice, 3}, {10, 13, 5, 1, Choice, 1}, {14, 13, 0, 4, Count, 15},
    {12, 14, 6, 2, Choice, 3}, {16, 14, 0, 5, Count, 31}, {13, 15, 6, 2, Choice, 3},
    {15, 15, 0, 5, Count, 31},
};
constexpr int OptionBytes = 4;
// Bit 3 of byte 12 is no field's and not valid: it goes. The other bits no
// field owns (byte 13 bit 4, bytes 14 and 15 bit 5) pass through.
constexpr std::array<std::uint8_t, OptionBytes> ClearedBits{0x08, 0x00, 0x00, 0x00};

constexpr std::uint8_t mask(const OptionBits& o) {
    return static_cast<std::uint8_t>(((1u << o.width) - 1) << o.shift);
}
constexpr bool OptionsApart() {
    std::array<std::uint8_t, OptionBytes> used = ClearedBits;
    for (const auto& o : Options) {
        const int i = o.byte - static_cast<int>(map::RecOptions);
        if (i < 0 || i >= OptionBytes || o.shift + o.width > 8 || o.top < 1 || o.top >= (1 << o.width) ||
            (used[i] & mask(o)) != 0)
            return false;
        used[i] |= mask(o);
    }
    return true;
}
static_assert(OptionsApart(), "each option bit belongs to one field, and each top fits its width");

void IcChParaSol(ModelState& m, int ch) {
    std::uint8_t* r = record(m, ch);
    auto& f = m.ChInfo[ch];
    for (const auto& o : Options) {
        std::int32_t v = (r[o.byte] & mask(o)) >> o.shift;
        if (v > o.top) {
            v = 0;
            r[o.byte] = static_cast<std::uint8_t>(r[o.byte] & ~mask(o));
        }
        f[o.field] = v;
    }
    for (int i = 0; i < OptionBytes; ++i)
        r[map::RecOptions + i] &= static_cast<std::uint8_t>(~ClearedBits[i]);
    std::copy_n(nameSlot(m, ch), map::NameLength, m.ChNameDat[ch].begin());
}

void CiChParaSol(ModelState& m, int ch) {
    std::uint8_t* r = record(m, ch);
    auto& f = m.ChInfo[ch];
    for (int i = 0; i < OptionBytes; ++i)
        r[map::RecOptions + i] &= static_cast<std::uint8_t>(~ClearedBits[i]);
    for (const auto& o : Options) {
        std::int32_t& v = f[o.field];
        std::int32_t stored = 0;
        if (o.kind == Choice) {
            stored = v >= 1 && v <= o.top ? v : 0;
        } else {
            if (v < 0) continue;
            if (v > o.top) v = o.top;
            stored = v;
        }
        r[o.byte] = static_cast<std::uint8_t>((r[o.byte] & ~mask(o)) | (stored << o.shift));
    }
    std::copy_n(m.ChNameDat[ch].begin(), map::NameLength, nameSlot(m, ch));
}

void storeFre(ModelState& m, int ch, Addr offset, std::int32_t f, const char* tag) {
    Addr at = map::ChRecordAddr(ch) + offset;
    if (f == NoFre) {
        std::fill_n(m.IicDat.begin() + static_cast<std::ptrdiff_t>(at), 4, map::Erased);
    } else if (!StoreBcdFre(m, at, f)) {
        app::VbErrNumDes(tag, platform::Failure("Channel " + std::to_string(ch) + ": frequency " +
                                                std::to_string(f) + " cannot be stored"));
    }
}

void storeTone(ModelState& m, int ch, Addr offset, const std::string& text) {
    if (!QtDqtCharToIic(m, text)) return; // no code: the record keeps its tone
    record(m, ch)[offset] = m.SepDat[0];
    record(m, ch)[offset + 1] = m.SepDat[1];
}

void decodeEmpty(ModelState& m, int ch, const std::array<std::int32_t, ChFieldLast + 1>& defaults, int cols) {
    auto& f = m.ChInfo[ch];
    f[1] = NoFre;
    f[2] = NoFre;
    f[3] = 0;
    f[4] = 0;
    for (int c = 5; c <= cols; ++c) f[c] = defaults[c];
}

} // namespace

void IicDatToChInfo(ModelState& m) {
    const int count = channelLimit(m), cols = columnLimit(m);
    std::array<std::int32_t, ChFieldLast + 1> defaults{};
    // A column without a usable default starts at its first option.
    for (int c = 5; c <= cols; ++c) {
        const std::string& text = m.ChColList[c][2];
        if (text.empty()) continue;
        app::Guarded("modChMem->IicDatToChInfo", [&] { defaults[c] = platform::toInt16(text); });
    }
    for (int ch = 1; ch <= count; ++ch) {
        m.ChCleared[ch] = false;
        const std::uint8_t* r = record(m, ch);
        std::optional<std::int32_t> rx;
        if (r[3] >= 0x11 && r[3] <= 0x99) {
            rx = ReadBcdFre(m.IicDat, map::ChRecordAddr(ch) + map::RecRxFre);
            if (!rx)
                app::VbErrNumDes(
                    "modChMem->IicDatToChInfo",
                    platform::Failure("Channel " + std::to_string(ch) + ": receive frequency unreadable"));
        }
        if (!rx || !InValidRange(m, *rx)) {
            decodeEmpty(m, ch, defaults, cols);
            continue;
        }
        IcChParaSol(m, ch);
        m.ChInfo[ch][1] = *rx;
        std::optional<std::int32_t> tx;
        if (r[7] >= 0x01 && r[7] <= 0x99) {
            tx = ReadBcdFre(m.IicDat, map::ChRecordAddr(ch) + map::RecTxFre);
            if (!tx)
                app::VbErrNumDes(
                    "modChMem->IcTxFreSol",
                    platform::Failure("Channel " + std::to_string(ch) + ": transmit frequency unreadable"));
        }
        m.ChInfo[ch][2] = tx.value_or(NoFre);
        m.ChCtdcs[ch][0] = QtDqtIicToChar(m, r[9], r[8]);
        m.ChCtdcs[ch][1] = QtDqtIicToChar(m, r[11], r[10]);
    }
}

void ChInfoToIicDat(ModelState& m) {
    const int count = channelLimit(m);
    for (int ch = 1; ch <= count; ++ch) {
        const auto& f = m.ChInfo[ch];
        if (f[1] == NoFre) {
            storeFre(m, ch, map::RecRxFre, NoFre, "modChMem->CiRxFreSol");
            storeFre(m, ch, map::RecTxFre, NoFre, "modChMem->CiTxFreSol");
            // The tones of a channel the user cleared go with it; an absent
            // record keeps what the table never held.
            if (m.ChCleared[ch]) {
                storeTone(m, ch, map::RecRxTone, m.ChCtdcs[ch][0]);
                storeTone(m, ch, map::RecTxTone, m.ChCtdcs[ch][1]);
            }
            continue;
        }
        CiChParaSol(m, ch);
        storeFre(m, ch, map::RecRxFre, f[1], "modChMem->CiRxFreSol");
        storeFre(m, ch, map::RecTxFre, f[2], "modChMem->CiTxFreSol");
        storeTone(m, ch, map::RecRxTone, m.ChCtdcs[ch][0]);
        storeTone(m, ch, map::RecTxTone, m.ChCtdcs[ch][1]);
    }
}

void DelOneChannel(ModelState& m, int ch) {
    app::Guarded("modChMem->DelOneChannel", [&] {
        if (ch < 1 || ch > map::ChannelCount) throw platform::Failure("No channel " + std::to_string(ch));
        auto& f = m.ChInfo[ch];
        f[0] = 1;
        f[1] = NoFre;
        f[2] = NoFre;
        // The record is erased whole; tone texts left in the table stay out of it.
        m.ChCleared[ch] = false;
        std::fill_n(record(m, ch), map::ChRecordSize, map::Erased);
        std::fill_n(nameSlot(m, ch), map::ChNameSlotSize, map::Erased);
        ChannelWindow& w = frmChMem();
        // Channels beyond the grid's rows live in the table and the image only.
        if (ch <= m.ChCount) {
            for (int c = 1; c <= columnLimit(m); ++c) {
                w.SetChGridText(ch, c, "");
                w.SetChGridTextColor(ch, c, platform::toInt32(app::shell().EmptyCellColor));
            }
        }
        w.HideCtdcs();
    });
}

void InitChTable(ModelState& m, std::int16_t groupA, std::int16_t groupB) {
    if (groupA == -1)
        for (int ch = 1; ch <= 128; ++ch) DelOneChannel(m, ch);
    if (groupB == -1)
        for (int ch = 129; ch <= map::ChannelCount; ++ch) DelOneChannel(m, ch);
}

} // namespace model
