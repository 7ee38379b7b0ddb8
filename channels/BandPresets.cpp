#include "channels/BandPresets.h"

#include "model/Bands.h"
#include "model/ImageMap.h"

#include "app/FaceText.h"

#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace channels {
namespace {

constexpr std::int32_t CustomLowest = 12000000;  // 120 MHz
constexpr std::int32_t CustomHighest = 52000000; // 520 MHz
constexpr std::int32_t Mhz = 100000;

std::int32_t fre(const std::string& mhzText) {
    return platform::toInt32(platform::toDouble(mhzText) * Mhz);
}

// A limit as the band boxes end up keeping it: on the raster, then cut to
// whole megahertz.
std::int32_t keptLimit(std::int32_t f) {
    return model::ModifyTxRxFre(std::to_string(f)).value_or(0) / Mhz * Mhz;
}

} // namespace

void ChooseModel(model::ModelState& m, int listIndex) {
    m.IicDat[model::map::ModelByte] = static_cast<std::uint8_t>(std::max(0, listIndex));
}

Band2 PresetBand(int index) {
    if (index < 0 || index >= static_cast<int>(model::BandPresets.size()))
        throw platform::Failure("No band preset " + std::to_string(index));
    return {fre(model::BandPresets[index].low), fre(model::BandPresets[index].high)};
}

Band2 BoxBand(model::ChannelWindow& w) {
    return {fre(w.FreBandText(2)), fre(w.FreBandText(3))};
}

void ApplyBand2(model::ModelState& m, model::ChannelWindow& w, Band2 band) {
    m.ValidFreRange = {69, 71, 68, 72, band.low, band.high - model::ValidRangeMargin, band.low, band.high};
    w.SetFreBandText(0, "69");
    w.SetFreBandText(1, "70");
    w.SetFreBandText(2, std::to_string(band.low / Mhz));
    w.SetFreBandText(3, std::to_string(band.high / Mhz));
    model::FreBandSol(m, 2);
    model::FreBandSol(m, 3);
}

CustomBandCheck CheckCustomBand(const std::string& minText, const std::string& maxText) {
    std::optional<double> lowMhz = platform::parseNumber(minText), highMhz = platform::parseNumber(maxText);
    if (!lowMhz || !highMhz) return CustomBandCheck::NotNumbers;
    const double low = platform::roundHalfEven(*lowMhz * Mhz), high = platform::roundHalfEven(*highMhz * Mhz);
    if (low < CustomLowest || low > CustomHighest || high < CustomLowest || high > CustomHighest)
        return CustomBandCheck::OutOfRange;
    // Equal limits leave no valid range (it ends 5 kHz below the high limit).
    if (keptLimit(static_cast<std::int32_t>(high)) <= keptLimit(static_cast<std::int32_t>(low)))
        return CustomBandCheck::NoValidRange;
    return CustomBandCheck::Ok;
}

std::string CustomBandRefusal(CustomBandCheck check, int langIndex) {
    switch (check) {
    case CustomBandCheck::NotNumbers:
        return app::text(app::TextKey::CustomBandNotNumbers, langIndex);
    case CustomBandCheck::OutOfRange:
        return app::text(app::TextKey::CustomBandOutOfRange, langIndex);
    case CustomBandCheck::NoValidRange:
        return app::text(app::TextKey::CustomBandNoRoom, langIndex);
    case CustomBandCheck::Ok:
        break;
    }
    return {};
}

std::string WholeMhzText(const std::string& boxText) {
    const double mhz = platform::toDouble(boxText);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%03lld", static_cast<long long>(std::llround(mhz)));
    return buf;
}

} // namespace channels
