#include "model/ChGridLayout.h"

#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <cstdint>

namespace model {
namespace {

// A layout number, or its default when the text is none or lies outside [lo, hi].
std::int16_t layoutNumber(const app::SettingKey& shape, int key, int lo, int hi) {
    std::string text = app::ReadChInfo(shape, key);
    std::optional<std::int16_t> number;
    app::Guarded("modChMem->ReadChInfo", [&] {
        std::int16_t v = platform::toInt16(text);
        if (v < lo || v > hi)
            throw platform::Failure("Key " + std::to_string(key) + " = " + text + " out of range");
        number = v;
    });
    return number ? *number : platform::toInt16(shape.defaultValue);
}

} // namespace

void ReadChInfo(ModelState& m) {
    const int base = app::ChInfoBase(app::CheckedLangIndex());
    m.ChCount = layoutNumber(app::ChInfoCount, base, 1, map::ChannelCount);
    m.ChRowHeight = layoutNumber(app::ChInfoRowHeight, base + 1, INT16_MIN, INT16_MAX);
    // No data column at all is a layout too: the channel numbers alone.
    m.ChColCount = layoutNumber(app::ChInfoColCount, base + 2, 0, ChFieldLast);
    m.ChGridFormat = app::ReadChInfo(app::ChInfoFormat, base + 3);
    for (int i = 0; i <= m.ChColCount; ++i)
        m.ChColWidth[i] = layoutNumber(app::ChInfoColWidth, base + 100 + i, INT16_MIN, INT16_MAX);

    const std::string& endMark = app::shell().EndItemMark;
    for (auto& list : m.ChColList) list.fill("");
    for (int c = 1; c <= m.ChColCount; ++c) {
        const int first = base + 200 + ChColListItems * (c - 1);
        bool ended = false;
        for (int k = 0; k < ChColListItems && !ended; ++k) {
            std::string item = app::ReadChInfo(app::ChInfoListItem, first + k);
            if (item == endMark)
                ended = true;
            else
                m.ChColList[c][k] = item;
        }
        // Item 50 is also the next column's key: only the end mark may stand
        // there. A list without it ends the reading, as any failing key does.
        if (!ended && app::ReadChInfo(app::ChInfoListItem, first + ChColListItems) != endMark) {
            app::VbErrNumDes("modChMem->ReadChInfo",
                             platform::Failure("Column " + std::to_string(c) + " has no end mark within " +
                                               std::to_string(ChColListItems) + " items"));
            return;
        }
    }
}

} // namespace model
