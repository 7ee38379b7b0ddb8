#include "channels/SideGrids.h"

#include "channels/SettingsState.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"
#include "model/NameFields.h"

#include "app/FaceText.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace channels {
namespace {

constexpr int BlockSize = 20;

// Column widths in twips by language; the headers are named texts.
struct FaceLayout {
    app::TextKey headers;
    std::vector<const char*> widths[3];
};

const FaceLayout kTwoToneLayout{app::TextKey::TwoToneHeaders,
                                {{"600", "1400", "1250", "1400", "1250", "1300"},
                                 {"600", "1400", "1250", "1400", "1250", "1300"},
                                 {"600", "1400", "1250", "1400", "1250", "1300"}}};
const FaceLayout kRadioLayout{app::TextKey::RadioHeaders,
                              {{"600", "1200"}, {"600", "1200"}, {"600", "1200"}}};
const FaceLayout kPhoneBookLayout{
    app::TextKey::PhoneBookHeaders,
    {{"600", "2300", "1250"}, {"600", "2300", "1200"}, {"600", "2300", "1200"}}};

void fillFace(SideGridFace& face, const FaceLayout& layout) {
    face.fill(std::string());
    for (int lang = 1; lang <= 3; ++lang) {
        const int b = (lang - 1) * BlockSize;
        face[b] = app::text(layout.headers, lang);
        const auto& widths = layout.widths[lang - 1];
        for (std::size_t c = 0; c < widths.size(); ++c) face[b + 1 + c] = widths[c];
    }
}

std::vector<std::string> headerCells(const std::string& format) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = format.find('|', from);
        cells.push_back(format.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
        if (bar == std::string::npos) return cells;
        from = bar + 1;
    }
}

void layOut(SideGrid& g, const SideGridFace& face, int langIndex, int cols, int rows, int rowHeight) {
    const int b = SideGridBlock(langIndex);
    g = SideGrid{};
    g.Rows = rows;
    g.Cols = cols;
    g.RowHeight = rowHeight;
    g.FormatString = face[b];
    g.Cells.assign(static_cast<std::size_t>((rows + 1) * cols), std::string());
    const std::vector<std::string> headers = headerCells(g.FormatString);
    for (int c = 0; c < cols && c < static_cast<int>(headers.size()); ++c) g.SetText(0, c, headers[c]);
    for (int r = 1; r <= rows; ++r) g.SetText(r, 0, std::to_string(r));
    for (int c = 0; c < cols; ++c) g.ColWidth.push_back(platform::toInt32(face[b + 1 + c]));
    g.ColComboList.assign(static_cast<std::size_t>(cols), std::string());
    g.ColFormat.assign(static_cast<std::size_t>(cols), std::string());
    g.CurRow = 1;
    g.CurCol = 1;
}

// Tenths as "0.0": 3 -> "0.3", 1080 -> "108.0".
std::string tenthsText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string listOfTenths(int first, int last, int after) {
    std::string list;
    for (int t = first; t <= last; ++t) list += (t == first ? "" : "|") + tenthsText(t);
    // An empty item, then the largest value.
    return list + "||" + tenthsText(after);
}

} // namespace

int SideGridBlock(int langIndex) {
    return langIndex == 2 || langIndex == 3 ? (langIndex - 1) * BlockSize : 0;
}

std::size_t SideGrid::CellIndex(int row, int col) const {
    if (row < 0 || row > Rows || col < 0 || col >= Cols)
        throw platform::Failure("No cell " + std::to_string(row) + ", " + std::to_string(col));
    return static_cast<std::size_t>(row * Cols + col);
}

const std::string& SideGrid::Text(int row, int col) const {
    return Cells[CellIndex(row, col)];
}

void SideGrid::SetText(int row, int col, std::string text) {
    Cells[CellIndex(row, col)] = std::move(text);
}

void InitTwoToneFace(SideGridFace& face) {
    fillFace(face, kTwoToneLayout);
}
void InitRadioChFace(SideGridFace& face) {
    fillFace(face, kRadioLayout);
}
void InitPhoneBookFace(SideGridFace& face) {
    fillFace(face, kPhoneBookLayout);
}

std::string TwoToneTimeList() {
    return listOfTenths(3, 97, 100);
}
std::string TwoToneIntervalList() {
    return listOfTenths(0, 19, 20);
}
std::string RadioStationList() {
    std::string list = NoStation;
    for (int t = 870; t <= 1080; ++t) list += "|" + tenthsText(t);
    return list;
}

void InitTwoToneGrid(SideGridsState& s, int langIndex) {
    InitTwoToneFace(s.TwoToneFace);
    SideGrid& g = s.TwoTone;
    layOut(g, s.TwoToneFace, langIndex, 6, TwoToneRows, 260);
    for (int c : {TwoToneAFre, TwoToneBFre}) g.ColFormat[c] = "###.#";
    for (int c : {TwoToneATime, TwoToneBTime}) g.ColComboList[c] = TwoToneTimeList();
    g.ColComboList[TwoToneInterval] = TwoToneIntervalList();
}

void InitRadioChGrid(SideGridsState& s, int langIndex) {
    InitRadioChFace(s.RadioChFace);
    layOut(s.Radio, s.RadioChFace, langIndex, 2, RadioRows, 260);
    s.Radio.ColComboList[RadioFre] = RadioStationList();
}

void InitPhoneBookGrid(SideGridsState& s, int langIndex) {
    InitPhoneBookFace(s.PhoneBookFace);
    layOut(s.PhoneBook, s.PhoneBookFace, langIndex, 3, PhoneBookRows, 280);
}

// ---- Loads and stores ----

namespace {

namespace map = model::map;
using Addr = map::Addr;

// Two-tone frequencies in 0.1 Hz: what a load shows, and what a store keeps.
constexpr int ShownFreLow = 2885, ShownFreHigh = 31060;
constexpr int StoredFreLow = 3500, StoredFreHigh = 30000;
constexpr int FreForNoNumber = 15000;
// Load repairs of durations and intervals in 0.1 s.
constexpr std::uint8_t DurationTop = 100, DurationRepair = 10;
constexpr std::uint8_t IntervalTop = 20, IntervalRepair = 5;
constexpr const char* ShortestTime = "0.3";
constexpr int ShortestTenths = 3;
// FM stations in 10 Hz units; a load shows 0.1 MHz steps.
constexpr std::int32_t StationLow = 8700000, StationHigh = 10800000;

// Offsets inside a two-tone record.
constexpr Addr AFre = 0, ATime = 2, BFre = 3, BTime = 5, Interval = 6, Marker = 7;

Addr twoToneAddr(int n) {
    return map::TwoToneBase + map::TwoToneSize * static_cast<Addr>(n - 1);
}
Addr stationAddr(int n) {
    return map::FmStationBase + map::FmStationSize * static_cast<Addr>(n - 1);
}

// The number of a cell times ten, to the nearest whole number (halves to
// even), or nullopt for a text that is not a number or a value outside
// [lo, hi].
std::optional<std::int64_t> tenthsOf(const std::string& text, double lo, double hi) {
    const std::optional<double> x = platform::parseNumber(text);
    if (!x) return std::nullopt;
    const double t = platform::roundHalfEven(*x * 10);
    if (!(t >= lo && t <= hi)) return std::nullopt;
    return static_cast<std::int64_t>(t);
}

bool inRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// ---- Two-tone ----

void showTwoTone(model::Image& img, SideGrid& g, int n) {
    const Addr a = twoToneAddr(n);
    if (img[a + Marker] != map::UsedMarker) {
        for (int c = TwoToneAFre; c <= TwoToneInterval; ++c) g.SetText(n, c, "");
        return;
    }
    auto frequency = [&](Addr at, int col) {
        const int f = img[at] + 256 * img[at + 1];
        g.SetText(n, col, inRange(f, ShownFreLow, ShownFreHigh) ? tenthsText(f) : "");
    };
    auto tenths = [&](int governing, Addr at, std::uint8_t top, std::uint8_t repair, int col) {
        if (g.Text(n, governing).empty()) {
            g.SetText(n, col, "");
            return;
        }
        if (img[at] > top) img[at] = repair;
        g.SetText(n, col, tenthsText(img[at]));
    };
    frequency(a + AFre, TwoToneAFre);
    frequency(a + BFre, TwoToneBFre);
    tenths(TwoToneAFre, a + ATime, DurationTop, DurationRepair, TwoToneATime);
    tenths(TwoToneBFre, a + BTime, DurationTop, DurationRepair, TwoToneBTime);
    if (g.Text(n, TwoToneAFre).empty() || g.Text(n, TwoToneBFre).empty())
        g.SetText(n, TwoToneInterval, "");
    else
        tenths(TwoToneAFre, a + Interval, IntervalTop, IntervalRepair, TwoToneInterval);
}

void storeFrequency(model::Image& img, SideGrid& g, int row, int col, Addr at) {
    const std::string text = g.Text(row, col);
    if (text.empty()) {
        img[at] = img[at + 1] = map::Erased;
        return;
    }
    std::int64_t v = FreForNoNumber;
    if (auto t = tenthsOf(text, std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max()))
        v = *t;
    else
        g.SetText(row, col, tenthsText(FreForNoNumber));
    if (v < StoredFreLow) {
        v = StoredFreLow;
        g.SetText(row, col, std::to_string(StoredFreLow / 10));
    } else if (v > StoredFreHigh) {
        v = StoredFreHigh;
        g.SetText(row, col, std::to_string(StoredFreHigh / 10));
    }
    img[at] = static_cast<std::uint8_t>(v & 0xFF);
    img[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A duration or interval: emptied with its frequency, else at least "0.3".
void storeTenths(model::Image& img, SideGrid& g, int row, int col, Addr at, bool frequencyPresent) {
    if (!frequencyPresent) {
        g.SetText(row, col, "");
        img[at] = map::Erased;
        return;
    }
    std::optional<std::int64_t> t = tenthsOf(g.Text(row, col), 0, 255);
    if (!t) {
        g.SetText(row, col, ShortestTime);
        t = ShortestTenths;
    }
    img[at] = static_cast<std::uint8_t>(*t);
}

void storeTwoTone(model::Image& img, SideGrid& g, int row) {
    const Addr a = twoToneAddr(row);
    storeFrequency(img, g, row, TwoToneAFre, a + AFre);
    storeFrequency(img, g, row, TwoToneBFre, a + BFre);
    const bool hasA = !g.Text(row, TwoToneAFre).empty();
    const bool hasB = !g.Text(row, TwoToneBFre).empty();
    storeTenths(img, g, row, TwoToneATime, a + ATime, hasA);
    storeTenths(img, g, row, TwoToneBTime, a + BTime, hasB);
    if (!hasA && !hasB) {
        // An entry without tones is free; its interval byte stays.
        img[a + Marker] = map::Erased;
        g.SetText(row, TwoToneInterval, "");
        return;
    }
    img[a + Marker] = map::UsedMarker;
    storeTenths(img, g, row, TwoToneInterval, a + Interval, hasA && hasB);
}

// ---- FM stations ----

// The station in 10 Hz units, or nullopt when a byte holds a nibble above 9.
std::optional<std::int32_t> stationUnits(const model::Image& img, int n) {
    const Addr a = stationAddr(n);
    std::int32_t units = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = img[a + static_cast<Addr>(i)];
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return std::nullopt;
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return units;
}

void showStation(const model::Image& img, SideGrid& g, int n) {
    const std::optional<std::int32_t> units = stationUnits(img, n);
    const int v = units ? *units / 10000 : 0;
    g.SetText(n, RadioFre,
              units && inRange(v, StationLow / 10000, StationHigh / 10000) ? tenthsText(v) : NoStation);
}

void storeStation(model::Image& img, SideGrid& g, int row) {
    const Addr a = stationAddr(row);
    const std::optional<double> mhz = platform::parseNumber(g.Text(row, RadioFre));
    const double units = mhz ? platform::roundHalfEven(*mhz * 100000) : -1;
    if (!(units >= StationLow && units <= StationHigh)) {
        // No station, or a text no station can have.
        for (Addr i = 0; i < map::FmStationSize; ++i) img[a + i] = map::Erased;
        g.SetText(row, RadioFre, NoStation);
        return;
    }
    auto u = static_cast<std::int32_t>(units);
    for (Addr i = 0; i < map::FmStationSize; ++i, u /= 100) {
        const int pair = u % 100;
        img[a + i] = static_cast<std::uint8_t>((pair / 10) << 4 | pair % 10);
    }
}

// ---- Phone book ----

std::string trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

void storeCallId(model::ModelState& m, int row, const std::string& text) {
    // Only DTMF characters, no outer blanks, at most 16 of them (all ASCII).
    std::string kept = trimmed(model::DelInvalidChar(text + std::string(17, ' '), 0));
    if (kept.size() > static_cast<std::size_t>(model::DtmfCodeChars)) kept.resize(model::DtmfCodeChars);
    model::StoreDtmfField(m, map::PhoneBookCallIdAddr(row), model::DtmfCodeChars, kept);
}

void storeName(model::ModelState& m, int row, const std::string& text) {
    const Addr at = map::PhoneBookNameAddr(row);
    if (trimmed(text).empty()) {
        // A cleared name is no name, not six blanks.
        for (int i = 0; i < map::NameLength; ++i) m.IicDat[at + static_cast<Addr>(i)] = map::Erased;
    } else {
        model::PhoneBookCharToSave(m, text + std::string(17, ' '), map::NameLength);
        for (int i = 0; i < map::NameLength; ++i)
            m.IicDat[at + static_cast<Addr>(i)] = static_cast<std::uint8_t>(m.PhoneBookNameCode[i]);
    }
    m.IicDat[at + map::NameLength] = 0x00;
}

// The window shows the row again.
void shown(Ctl grid, int row) {
    platform::host<SettingsPagesHost>().Changed(grid, row);
}

bool isDataCell(const SideGrid& g, int row, int col) {
    return row >= 1 && row <= g.Rows && col >= 1 && col < g.Cols;
}

} // namespace

void TwoToneShow(model::ModelState& m, SideGridsState& s) {
    for (int n = 1; n <= TwoToneRows; ++n) {
        showTwoTone(m.IicDat, s.TwoTone, n);
        shown(Ctl::TwoTone, n);
    }
}

void RadioChShow(const model::ModelState& m, SideGridsState& s) {
    for (int n = 1; n <= RadioRows; ++n) {
        showStation(m.IicDat, s.Radio, n);
        shown(Ctl::Radio, n);
    }
}

void PhoneBookShow(model::ModelState& m) {
    for (int n = 1; n <= PhoneBookRows; ++n) {
        model::PhoneBookCallIdShow(m, n);
        model::PhoneBookNameShow(m, n);
    }
}

void ShowSideGrids(model::ModelState& m, SideGridsState& s) {
    PhoneBookShow(m);
    TwoToneShow(m, s);
    RadioChShow(m, s);
}

void SetPhoneBookText(SideGridsState& s, int row, int col, const std::string& text) {
    s.PhoneBook.SetText(row, col, text);
    shown(Ctl::PhoneBook, row);
}

void TwoToneAfterEdit(model::ModelState& m, SideGridsState& s, int row, int col, const std::string& text) {
    if (!isDataCell(s.TwoTone, row, col)) return;
    s.TwoTone.SetText(row, col, text);
    storeTwoTone(m.IicDat, s.TwoTone, row);
    shown(Ctl::TwoTone, row);
}

void RadioAfterEdit(model::ModelState& m, SideGridsState& s, int row, int col, const std::string& text) {
    if (!isDataCell(s.Radio, row, col)) return;
    s.Radio.SetText(row, col, text);
    storeStation(m.IicDat, s.Radio, row);
    shown(Ctl::Radio, row);
}

void PhoneBookAfterEdit(model::ModelState& m, SideGridsState&, int row, int col, const std::string& text) {
    if (row < 1 || row > PhoneBookRows) return;
    if (col == PhoneBookCallId) {
        storeCallId(m, row, text);
        model::PhoneBookCallIdShow(m, row);
    } else if (col == PhoneBookName) {
        storeName(m, row, text);
        model::PhoneBookNameShow(m, row);
    }
}

} // namespace channels
