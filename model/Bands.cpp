#include "model/Bands.h"

#include "model/ChannelWindow.h"
#include "model/Frequency.h"
#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "platform/ScopedFlag.h"

#include <cmath>
#include <cstdio>

namespace model {
namespace {

bool inBand(const ModelState& m, int band, std::int32_t f) {
    return f >= m.ValidFreRange[4 * band] && f <= m.ValidFreRange[4 * band + 1];
}

// The boxes' fallback; the window may itself be what failed.
void showFallbackBoxes(const char* tag) {
    app::Guarded(tag, [] {
        ChannelWindow& w = frmChMem();
        for (int k = 0; k < 4; ++k) w.SetFreBandText(k, FallbackBandTexts[k]);
    });
}

// A band box as a frequency in 10 Hz units.
std::int32_t boxFre(const std::string& text) {
    return platform::toInt32(platform::toDouble(text) * 100000);
}

// Whole MHz, at least three digits, rounded half away from zero as the
// caption's number format does.
std::string wholeMhzText(std::int32_t f) {
    long long mhz = (std::llabs(static_cast<long long>(f)) + 50000) / 100000;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%03lld", f < 0 ? "-" : "", mhz);
    return buf;
}

} // namespace

std::optional<std::int32_t> ModifyTxRxFre(const std::string& text) {
    std::optional<std::int32_t> f;
    app::Guarded("modChMem->ModifyTxRxFre:", [&] {
        double x = platform::toDouble(text);
        double a = platform::roundHalfEven(x / FreStep1) * FreStep1;
        double b = platform::roundHalfEven(x / FreStep2) * FreStep2;
        double da = platform::roundHalfEven(std::fabs(x - a));
        double db = platform::roundHalfEven(std::fabs(x - b));
        f = platform::toInt32(da < db ? a : b);
    });
    return f;
}

bool InBand1ValidRange(const ModelState& m, std::int32_t f) {
    return inBand(m, 0, f);
}

bool InValidRange(const ModelState& m, std::int32_t f) {
    return inBand(m, 0, f) || inBand(m, 1, f);
}

void ShowFreRange(ModelState& m) {
    // FreRangeBusy is -1 for exactly as long as the band boxes are being shown.
    platform::ScopedFlag busy(m.FreRangeBusy);
    const bool shown = app::Guarded("modChMem->ShowFreRange", [&] {
        std::copy(map::Band1Placeholder.begin(), map::Band1Placeholder.end(),
                  m.IicDat.begin() + static_cast<std::ptrdiff_t>(map::FreRangeBlock));
        ChannelWindow& w = frmChMem();
        for (int k = 0; k < 4; ++k) {
            auto f = ReadBcdFre(m.IicDat, map::BandLimitAddr(k));
            if (!f) throw platform::Failure("Band limit " + std::to_string(k) + " holds no frequency");
            w.SetFreBandText(k, FreBoxText(*f));
        }
        std::string low = w.FreBandText(2), high = w.FreBandText(3);
        int index = CustomPresetIndex;
        for (int i = 0; i < static_cast<int>(BandPresets.size()); ++i) {
            if (low == BandPresets[i].low && high == BandPresets[i].high) {
                index = i;
                break;
            }
        }
        w.SetFrequencyListIndex(index);
    });
    if (!shown) showFallbackBoxes("modChMem->ShowFreRange");
}

void FreBandSol(ModelState& m, int index) {
    const bool stored = app::Guarded("modChMem->FreBandSol", [&] {
        if (index < 0 || index > 3) throw platform::Failure("No band box " + std::to_string(index));
        ChannelWindow& w = frmChMem();
        platform::toInt16(w.FreBandText(index));

        std::array<std::int32_t, 4> f{};
        for (int k = 0; k < 4; ++k) {
            f[k] = ModifyTxRxFre(std::to_string(boxFre(w.FreBandText(k)))).value_or(0);
            // The image holds eight digits: 0 to 999.99999 MHz.
            if (f[k] < 0 || f[k] > MaxStoredFre)
                throw platform::Failure("Band limit " + FreBoxText(f[k]) + " MHz out of range");
            w.SetFreBandText(k, FreBoxText(f[k]));
        }

        // Only the edited band is ordered; the edited limit yields.
        const int low = index < 2 ? 0 : 2, high = low + 1;
        if (f[low] > f[high]) {
            if (index == low)
                f[low] = f[high];
            else
                f[high] = f[low];
            w.SetFreBandText(index, FreBoxText(f[index]));
        }

        std::array<std::int32_t, 4> limits{};
        for (int k = 0; k < 4; ++k) {
            limits[k] = boxFre(w.FreBandText(k));
            if (limits[k] < 0 || limits[k] > MaxStoredFre) throw platform::Failure("Band limit out of range");
        }
        m.FreBandLimit = limits;
        for (int k = 0; k < 4; ++k) StoreBcdFre(m, map::BandLimitAddr(k), limits[k]);
        const auto& L = m.FreBandLimit;
        m.ValidFreRange = {L[0], L[1] - ValidRangeMargin, L[0], L[1],
                           L[2], L[3] - ValidRangeMargin, L[2], L[3]};

        for (int k = 0; k < 4; ++k)
            app::shell().RetVal = app::WriteSetting(app::FreBandKey(k), w.FreBandText(k)) ? 1 : 0;

        std::string caption = w.FrequencyListText();
        if (w.FrequencyListIndex() == CustomPresetIndex)
            caption += "  " + wholeMhzText(L[2]) + " - " + wholeMhzText(L[3]) + " " + "MHz";
        w.SetCaption(caption);
    });
    if (!stored) showFallbackBoxes("modChMem->FreBandSol");
}

void SoftDisplay(ModelState& m) {
    ShowFreRange(m);
    // The loaded image's band decides which of its channels are present, so
    // the limits are taken before the decode.
    FreBandSol(m, 2);
    FreBandSol(m, 3);
    ChannelWindow& w = frmChMem();
    w.ShowChTblGrid();
    w.InitOpt();
}

} // namespace model
