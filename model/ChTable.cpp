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
// A 1-bit field is set exactly for 1; a 2-bit field holds 1-3, anything else 00.
std::uint8_t bit(std::int32_t field, int at) {
    return field == 1 ? static_cast<std::uint8_t>(1u << at) : 0;
}
std::uint8_t twoBits(std::int32_t field, int at) {
    return field >= 1 && field <= 3 ? static_cast<std::uint8_t>(field << at) : 0;
}

// A count field clamped to its top in the table; a negative one cannot be
// stored and keeps the image's bits.
std::uint8_t countBits(std::int32_t& field, std::uint8_t top, std::uint8_t old) {
    if (field < 0) return old & top;
    if (field >= top) field = top;
    return static_cast<std::uint8_t>(field);
}

void IcChParaSol(ModelState& m, int ch) {
    std::uint8_t* r = record(m, ch);
    auto& f = m.ChInfo[ch];
    const std::uint8_t b12 = r[12], b13 = r[13], b14 = r[14], b15 = r[15];
    f[18] = (b12 >> 7) & 1;
    f[9] = (b12 >> 6) & 1;
    f[6] = (b12 >> 5) & 1;
    f[5] = (b12 >> 4) & 1;
    f[7] = (b12 >> 2) & 1;
    const int b8 = b12 & 0x03;
    f[8] = b8 == 1 || b8 == 2 ? b8 : 0;
    // Bit 3 and the pattern 11 in bits 1-0 are not valid; they go.
    r[12] = static_cast<std::uint8_t>((b12 & ~0x08) & (b8 == 3 ? ~0x03 : 0xFF));
    f[17] = (b13 >> 6) & 3;
    f[10] = (b13 >> 5) & 1;
    f[14] = b13 & 0x0F;
    f[12] = (b14 >> 6) & 3;
    f[16] = b14 & 0x1F;
    f[13] = (b15 >> 6) & 3;
    f[15] = b15 & 0x1F;
    std::copy_n(nameSlot(m, ch), map::NameLength, m.ChNameDat[ch].begin());
}

void CiChParaSol(ModelState& m, int ch) {
    std::uint8_t* r = record(m, ch);
    auto& f = m.ChInfo[ch];
    r[12] =
        static_cast<std::uint8_t>(bit(f[18], 7) | bit(f[9], 6) | bit(f[6], 5) | bit(f[5], 4) | bit(f[7], 2) |
                                  (f[8] == 1   ? 0x01
                                   : f[8] == 2 ? 0x02
                                               : 0x00));
    r[13] = static_cast<std::uint8_t>(twoBits(f[17], 6) | bit(f[10], 5) | (r[13] & 0x10) |
                                      countBits(f[14], 15, r[13]));
    r[14] = static_cast<std::uint8_t>(twoBits(f[12], 6) | (r[14] & 0x20) | countBits(f[16], 31, r[14]));
    r[15] = static_cast<std::uint8_t>(twoBits(f[13], 6) | (r[15] & 0x20) | countBits(f[15], 31, r[15]));
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
