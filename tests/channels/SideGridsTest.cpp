// The two-tone, FM station and phone-book grids: their layouts, what a load
// shows, and the bytes an edit stores, its own row only.
#include "tests/channels/SideFixture.h"

#include "channels/RdWrCode.h"
#include "model/CodeFields.h"

namespace sidetest {
namespace {

using namespace channels;
using Cells = std::vector<std::string>;
namespace map = model::map;

std::vector<std::string> split(const std::string& list) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (std::size_t bar; (bar = list.find('|', from)) != std::string::npos; from = bar + 1)
        items.push_back(list.substr(from, bar - from));
    items.push_back(list.substr(from));
    return items;
}

map::Addr twoTone(int n) {
    return map::TwoToneBase + 8 * static_cast<map::Addr>(n - 1);
}
map::Addr station(int n) {
    return map::FmStationBase + 4 * static_cast<map::Addr>(n - 1);
}

// ---- Layout ----

TEST_F(SideTest, LayoutsFollowTheLanguageAndTakeOtherLanguagesAsSimplifiedChinese) {
    struct Case {
        int lang;
        Cells twoTone, radio, phoneBook;
        int nameWidth;
    } cases[] = {
        {1,
         {"序号", "A音频率", "A音时间", "B音频率", "B音时间", "间隔时间"},
         {"序号", "频率(MHz)"},
         {"序号", "CALL ID", "名称"},
         1250},
        {2,
         {"序號", "A音頻率", "A音時間", "B音頻率", "B音時間", "間隔時間"},
         {"序號", "頻率(MHz)"},
         {"序號", "CALL ID", "名稱"},
         1200},
        {3,
         {"No.", "A Fre", "A Time", "B Fre", "B Time", "Interval"},
         {"No.", "Freq.(MHz)"},
         {"No.", "CALL ID", "Name"},
         1200},
        {7,
         {"序号", "A音频率", "A音时间", "B音频率", "B音时间", "间隔时间"},
         {"序号", "频率(MHz)"},
         {"序号", "CALL ID", "名称"},
         1250},
    };
    auto headers = [](const SideGrid& g) {
        Cells h;
        for (int c = 0; c < g.Cols; ++c) h.push_back(g.Text(0, c));
        return h;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        SideGridsState t;
        InitTwoToneGrid(t, c.lang);
        InitRadioChGrid(t, c.lang);
        InitPhoneBookGrid(t, c.lang);
        EXPECT_EQ(headers(t.TwoTone), c.twoTone);
        EXPECT_EQ(headers(t.Radio), c.radio);
        EXPECT_EQ(headers(t.PhoneBook), c.phoneBook);
        EXPECT_EQ(t.TwoTone.ColWidth, (std::vector<int>{600, 1400, 1250, 1400, 1250, 1300}));
        EXPECT_EQ(t.Radio.ColWidth, (std::vector<int>{600, 1200}));
        EXPECT_EQ(t.PhoneBook.ColWidth, (std::vector<int>{600, 2300, c.nameWidth}));
        // The layout tables hold all three languages whatever the language.
        EXPECT_EQ(t.PhoneBookFace[0], "序号|CALL ID|名称");
        EXPECT_EQ(t.PhoneBookFace[23], "1200");
        EXPECT_EQ(t.RadioChFace[40], "No.|Freq.(MHz)");
    }
}

TEST_F(SideTest, GridsHaveTheirRowsNumbersListsAndFormats) {
    EXPECT_EQ(s.TwoTone.Rows, 32);
    EXPECT_EQ(s.TwoTone.RowHeight, 260);
    EXPECT_EQ(s.Radio.Rows, 25);
    EXPECT_EQ(s.Radio.RowHeight, 260);
    EXPECT_EQ(s.PhoneBook.Rows, 25);
    EXPECT_EQ(s.PhoneBook.RowHeight, 280);
    EXPECT_EQ(s.TwoTone.Text(32, 0), "32");
    EXPECT_EQ(s.PhoneBook.Text(1, 0), "1");
    EXPECT_EQ(s.TwoTone.CurRow, 1);
    EXPECT_EQ(s.TwoTone.CurCol, 1);
    EXPECT_EQ(s.TwoTone.ColFormat, (std::vector<std::string>{"", "###.#", "", "###.#", "", ""}));
    EXPECT_EQ(s.TwoTone.ColComboList[TwoToneATime], TwoToneTimeList());
    EXPECT_EQ(s.TwoTone.ColComboList[TwoToneBTime], TwoToneTimeList());
    EXPECT_EQ(s.TwoTone.ColComboList[TwoToneInterval], TwoToneIntervalList());
    EXPECT_EQ(s.Radio.ColComboList[RadioFre], RadioStationList());
    EXPECT_TRUE(s.PhoneBook.ColComboList[PhoneBookName].empty());

    const auto times = split(TwoToneTimeList());
    ASSERT_EQ(times.size(), 97u);
    EXPECT_EQ(times[0], "0.3");
    EXPECT_EQ(times[94], "9.7");
    EXPECT_EQ(times[95], "");
    EXPECT_EQ(times[96], "10.0");
    const auto intervals = split(TwoToneIntervalList());
    ASSERT_EQ(intervals.size(), 22u);
    EXPECT_EQ(intervals[0], "0.0");
    EXPECT_EQ(intervals[19], "1.9");
    EXPECT_EQ(intervals[20], "");
    EXPECT_EQ(intervals[21], "2.0");
    const auto stations = split(RadioStationList());
    ASSERT_EQ(stations.size(), 212u);
    EXPECT_EQ(stations[0], " ");
    EXPECT_EQ(stations[1], "87.0");
    EXPECT_EQ(stations[12], "88.1");
    EXPECT_EQ(stations[211], "108.0");
}

TEST_F(SideTest, ACellOutsideTheGridFails) {
    EXPECT_THROW(s.TwoTone.Text(33, 1), platform::Failure);
    EXPECT_THROW(s.Radio.Text(1, 2), platform::Failure);
    EXPECT_THROW(s.PhoneBook.SetText(-1, 0, "x"), platform::Failure);
}

// ---- Two-tone ----

TEST_F(SideTest, TwoToneLoadShowsTheShownRangeAndRepairsLongTimes) {
    struct Case {
        const char* what;
        Bytes stored, repaired;
        Cells cells;
    } cases[] = {
        {"entry not in use",
         {0x10, 0x27, 5, 0x20, 0x4E, 5, 3, 0x00},
         {0x10, 0x27, 5, 0x20, 0x4E, 5, 3, 0x00},
         {"", "", "", "", ""}},
        {"both tones",
         {0x10, 0x27, 5, 0x20, 0x4E, 7, 3, 0x5A},
         {0x10, 0x27, 5, 0x20, 0x4E, 7, 3, 0x5A},
         {"1000.0", "0.5", "2000.0", "0.7", "0.3"}},
        {"lowest shown 288.5 Hz",
         {0x45, 0x0B, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {0x45, 0x0B, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"288.5", "0.5", "", "", ""}},
        {"below it",
         {0x44, 0x0B, 5, 0x20, 0x4E, 5, 30, 0x5A},
         {0x44, 0x0B, 5, 0x20, 0x4E, 5, 30, 0x5A},
         {"", "", "2000.0", "0.5", ""}},
        {"highest shown 3106.0 Hz",
         {0xFF, 0xFF, 0xFF, 0x54, 0x79, 100, 0xFF, 0x5A},
         {0xFF, 0xFF, 0xFF, 0x54, 0x79, 100, 0xFF, 0x5A},
         {"", "", "3106.0", "10.0", ""}},
        {"above it",
         {0xFF, 0xFF, 0xFF, 0x55, 0x79, 5, 0xFF, 0x5A},
         {0xFF, 0xFF, 0xFF, 0x55, 0x79, 5, 0xFF, 0x5A},
         {"", "", "", "", ""}},
        {"durations above 10.0 s and interval above 2.0 s",
         {0x10, 0x27, 101, 0x20, 0x4E, 0xFF, 21, 0x5A},
         {0x10, 0x27, 10, 0x20, 0x4E, 10, 5, 0x5A},
         {"1000.0", "1.0", "2000.0", "1.0", "0.5"}},
        {"interval 2.0 s kept",
         {0x10, 0x27, 3, 0x20, 0x4E, 3, 20, 0x5A},
         {0x10, 0x27, 3, 0x20, 0x4E, 3, 20, 0x5A},
         {"1000.0", "0.3", "2000.0", "0.3", "2.0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(twoTone(8), c.stored);
        TwoToneShow(m, s);
        EXPECT_EQ(bytes(twoTone(8), 8), c.repaired);
        EXPECT_EQ(row(s.TwoTone, 8), c.cells);
    }
}

TEST_F(SideTest, TwoToneEditStoresItsOwnRowByTheStoreRules) {
    const Bytes erased(8, 0xFF);
    const Bytes aOnly{0x10, 0x27, 5, 0xFF, 0xFF, 0xFF, 9, 0x5A};
    const Bytes both{0x10, 0x27, 5, 0x20, 0x4E, 5, 3, 0x5A};
    struct Case {
        const char* what;
        Bytes before;
        int col;
        const char* text;
        Bytes after;
        Cells cells;
    } cases[] = {
        {"inside the range",
         erased,
         TwoToneAFre,
         "1000",
         {0x10, 0x27, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1000", "0.3", "", "", ""}},
        {"lowest kept",
         erased,
         TwoToneAFre,
         "350",
         {0xAC, 0x0D, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"350", "0.3", "", "", ""}},
        {"just below",
         erased,
         TwoToneAFre,
         "349.9",
         {0xAC, 0x0D, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"350", "0.3", "", "", ""}},
        {"far below",
         erased,
         TwoToneAFre,
         "100",
         {0xAC, 0x0D, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"350", "0.3", "", "", ""}},
        {"highest kept",
         erased,
         TwoToneAFre,
         "3000",
         {0x30, 0x75, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"3000", "0.3", "", "", ""}},
        {"just above",
         erased,
         TwoToneAFre,
         "3000.1",
         {0x30, 0x75, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"3000", "0.3", "", "", ""}},
        {"far above",
         erased,
         TwoToneAFre,
         "5000",
         {0x30, 0x75, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"3000", "0.3", "", "", ""}},
        {"not a number",
         erased,
         TwoToneAFre,
         "abc",
         {0x98, 0x3A, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1500.0", "0.3", "", "", ""}},
        {"too large to convert",
         erased,
         TwoToneAFre,
         "1e20",
         {0x98, 0x3A, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1500.0", "0.3", "", "", ""}},
        {"tenths rounded",
         erased,
         TwoToneAFre,
         "1234.56",
         {0x3A, 0x30, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1234.56", "0.3", "", "", ""}},
        {"emptied entry keeps its interval byte",
         aOnly,
         TwoToneAFre,
         "",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 9, 0xFF},
         {"", "", "", "", ""}},
        {"B tone only",
         erased,
         TwoToneBFre,
         "1000.0",
         {0xFF, 0xFF, 0xFF, 0x10, 0x27, 3, 0xFF, 0x5A},
         {"", "", "1000.0", "0.3", ""}},
        {"second tone brings an interval",
         aOnly,
         TwoToneBFre,
         "2000",
         {0x10, 0x27, 5, 0x20, 0x4E, 3, 3, 0x5A},
         {"1000.0", "0.5", "2000", "0.3", "0.3"}},
        {"empty duration item",
         aOnly,
         TwoToneATime,
         "",
         {0x10, 0x27, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1000.0", "0.3", "", "", ""}},
        {"longest listed duration",
         aOnly,
         TwoToneATime,
         "10.0",
         {0x10, 0x27, 100, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1000.0", "10.0", "", "", ""}},
        {"duration that is no number",
         aOnly,
         TwoToneATime,
         "x",
         {0x10, 0x27, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1000.0", "0.3", "", "", ""}},
        {"duration without its tone",
         aOnly,
         TwoToneBTime,
         "0.9",
         {0x10, 0x27, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"1000.0", "0.5", "", "", ""}},
        {"interval",
         both,
         TwoToneInterval,
         "2.0",
         {0x10, 0x27, 5, 0x20, 0x4E, 5, 20, 0x5A},
         {"1000.0", "0.5", "2000.0", "0.5", "2.0"}},
        {"empty interval item",
         both,
         TwoToneInterval,
         "",
         {0x10, 0x27, 5, 0x20, 0x4E, 5, 3, 0x5A},
         {"1000.0", "0.5", "2000.0", "0.5", "0.3"}},
        {"A tone stored below the shown range is dropped",
         {0x44, 0x0B, 5, 0x10, 0x27, 5, 3, 0x5A},
         TwoToneBTime,
         "0.4",
         {0xFF, 0xFF, 0xFF, 0x10, 0x27, 4, 0xFF, 0x5A},
         {"", "", "1000.0", "0.4", ""}},
        {"300.0 Hz stored is raised to 350",
         {0xB8, 0x0B, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         TwoToneATime,
         "0.4",
         {0xAC, 0x0D, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"350", "0.4", "", "", ""}},
        {"3106.0 Hz stored is lowered to 3000",
         {0x54, 0x79, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         TwoToneATime,
         "0.4",
         {0x30, 0x75, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A},
         {"3000", "0.4", "", "", ""}},
    };
    // Neighbours a store of the whole list would change: 300.0 Hz (raised
    // to 350) and 288.4 Hz (erased).
    const Bytes low{0xB8, 0x0B, 5, 0x44, 0x0B, 7, 3, 0x5A};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(twoTone(4), low);
        put(twoTone(5), c.before);
        put(twoTone(6), low);
        ShowSideGrids(m, s);
        const model::Image loaded = m.IicDat;
        const Cells neighbour = row(s.TwoTone, 4);

        TwoToneAfterEdit(m, s, 5, c.col, c.text);
        EXPECT_EQ(bytes(twoTone(5), 8), c.after);
        EXPECT_EQ(row(s.TwoTone, 5), c.cells);
        EXPECT_TRUE(m.IicDat == withArea(loaded, m.IicDat, twoTone(5), 8)) << "another entry changed";
        EXPECT_EQ(row(s.TwoTone, 4), neighbour);
        EXPECT_EQ(row(s.TwoTone, 6), neighbour);
    }
}

TEST_F(SideTest, TwoToneEditOutsideTheDataCellsChangesNothing) {
    ShowSideGrids(m, s);
    const model::Image loaded = m.IicDat;
    TwoToneAfterEdit(m, s, 0, TwoToneAFre, "1000");
    TwoToneAfterEdit(m, s, 33, TwoToneAFre, "1000");
    TwoToneAfterEdit(m, s, 3, 0, "1000");
    TwoToneAfterEdit(m, s, 3, 6, "1000");
    EXPECT_TRUE(m.IicDat == loaded);
}

// ---- FM stations ----

TEST_F(SideTest, StationLoadShowsDecimalStationsInRangeAndGoesOnPastOthers) {
    const StoredShown cases[] = {
        {"98.1 MHz", {0x00, 0x00, 0x81, 0x09}, "98.1"},
        {"98.15 MHz shows its 0.1 MHz step", {0x00, 0x50, 0x81, 0x09}, "98.1"},
        {"lowest 87.0 MHz", {0x00, 0x00, 0x70, 0x08}, "87.0"},
        {"just below", {0x99, 0x99, 0x69, 0x08}, " "},
        {"highest 108.0 MHz", {0x00, 0x00, 0x80, 0x10}, "108.0"},
        {"108.09999 MHz", {0x99, 0x99, 0x80, 0x10}, "108.0"},
        {"just above", {0x00, 0x00, 0x81, 0x10}, " "},
        {"no station", {0xFF, 0xFF, 0xFF, 0xFF}, " "},
        {"zero", {0x00, 0x00, 0x00, 0x00}, " "},
        {"a nibble above 9", {0x00, 0x00, 0x8A, 0x09}, " "},
        {"a high nibble above 9", {0x00, 0x00, 0x81, 0xA9}, " "},
    };
    put(station(25), {0x00, 0x00, 0x81, 0x09});
    for (const StoredShown& c : cases) {
        SCOPED_TRACE(c.what);
        put(station(1), c.stored);
        const model::Image before = m.IicDat;
        RadioChShow(m, s);
        EXPECT_EQ(s.Radio.Text(1, RadioFre), c.shown);
        EXPECT_EQ(s.Radio.Text(25, RadioFre), "98.1") << "the load stopped";
        EXPECT_TRUE(m.IicDat == before);
    }
}

TEST_F(SideTest, StationEditStoresItsOwnRow) {
    struct Case {
        const char* text;
        Bytes after;
        const char* cell;
    } cases[] = {
        {"98.1", {0x00, 0x00, 0x81, 0x09}, "98.1"},   {"87.0", {0x00, 0x00, 0x70, 0x08}, "87.0"},
        {"108.0", {0x00, 0x00, 0x80, 0x10}, "108.0"}, {"86.9", {0xFF, 0xFF, 0xFF, 0xFF}, " "},
        {"108.1", {0xFF, 0xFF, 0xFF, 0xFF}, " "},     {" ", {0xFF, 0xFF, 0xFF, 0xFF}, " "},
        {"", {0xFF, 0xFF, 0xFF, 0xFF}, " "},          {"abc", {0xFF, 0xFF, 0xFF, 0xFF}, " "},
        {"-98.1", {0xFF, 0xFF, 0xFF, 0xFF}, " "},
    };
    // Stations a store of the whole list would change: 98.15 MHz (to 98.10),
    // one with a nibble above 9 and one outside the band (both erased).
    put(station(1), {0x00, 0x50, 0x81, 0x09});
    put(station(2), {0x00, 0x00, 0x8A, 0x09});
    put(station(3), {0x00, 0x00, 0x00, 0x00});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        put(station(7), {0x00, 0x00, 0x00, 0x09});
        ShowSideGrids(m, s);
        const model::Image loaded = m.IicDat;
        RadioAfterEdit(m, s, 7, RadioFre, c.text);
        EXPECT_EQ(bytes(station(7), 4), c.after);
        EXPECT_EQ(s.Radio.Text(7, RadioFre), c.cell);
        EXPECT_TRUE(m.IicDat == withArea(loaded, m.IicDat, station(7), 4)) << "another station changed";
        EXPECT_EQ(s.Radio.Text(1, RadioFre), "98.1");
    }
}

// ---- Phone book ----

TEST_F(SideTest, PhoneBookEditStoresTheEditedFieldOnly) {
    const map::Addr callId = map::PhoneBookCallIdAddr(9);
    const map::Addr name = map::PhoneBookNameAddr(9);
    auto pad = [](Bytes b) {
        b.resize(16, 0xFF);
        return b;
    };
    struct Case {
        const char* what;
        int col;
        const char* text;
        map::Addr at;
        Bytes after;
        const char* cell;
    } cases[] = {
        {"star and hash", PhoneBookCallId, "*12#", callId, pad({0x2A, 0x31, 0x32, 0x23}), "E12F"},
        {"lower-case letters", PhoneBookCallId, "abcd", callId, pad({0x41, 0x42, 0x43, 0x44}), "ABCD"},
        {"outer blanks dropped, inner kept", PhoneBookCallId, "  1 2  ", callId, pad({0x31, 0x20, 0x32}),
         "1 2"},
        {"sixteen of twenty characters",
         PhoneBookCallId,
         "12345678901234567890",
         callId,
         {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36},
         "1234567890123456"},
        {"emptied", PhoneBookCallId, "", callId, pad({}), ""},
        {"no DTMF character", PhoneBookCallId, "xyz?", callId, pad({}), ""},
        {"dropped character leaves a blank code",
         PhoneBookName,
         "ab?c",
         name,
         {10, 11, 12, 36, 36, 0xFF, 0x00, 0x77},
         "ABC   "},
        {"short name", PhoneBookName, "A", name, {10, 36, 36, 36, 36, 36, 0x00, 0x77}, "A     "},
        {"six characters", PhoneBookName, "CH-001", name, {12, 17, 43, 0, 0, 1, 0x00, 0x77}, "CH-001"},
        {"first six of eight",
         PhoneBookName,
         "ABCDEFGH",
         name,
         {10, 11, 12, 13, 14, 15, 0x00, 0x77},
         "ABCDEF"},
        {"emptied name is no name",
         PhoneBookName,
         "",
         name,
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x77},
         ""},
        {"blanks only", PhoneBookName, "   ", name, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x77}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(callId, pad({0x39, 0x39}));
        put(name, {10, 10, 10, 10, 10, 10, 0x55, 0x77});
        put(map::PhoneBookNameAddr(8), {45, 46, 47, 48, 49, 50, 0x55, 0x77});
        ShowSideGrids(m, s);
        const model::Image loaded = m.IicDat;
        PhoneBookAfterEdit(m, s, 9, c.col, c.text);
        EXPECT_EQ(bytes(c.at, c.after.size()), c.after);
        EXPECT_EQ(s.PhoneBook.Text(9, c.col), c.cell);
        EXPECT_TRUE(m.IicDat == withArea(loaded, m.IicDat, c.at, c.after.size())) << "another field changed";
    }
}

TEST_F(SideTest, PhoneBookLoadShowsCallIdsAndNames) {
    put(map::PhoneBookCallIdAddr(1), {0x31, 0x45, 0x46, 0x2A, 0x23, 0x20, 0x47, 0xFF, 0x32});
    put(map::PhoneBookNameAddr(1), {0xFF, 10, 0xFF, 0xFF, 0xFF, 0xFF});
    put(map::PhoneBookNameAddr(2), {45, 46, 47, 48, 49, 0xFF});
    const model::Image before = m.IicDat;
    PhoneBookShow(m);
    EXPECT_EQ(s.PhoneBook.Text(1, PhoneBookCallId), "1EFEF 2");
    EXPECT_EQ(s.PhoneBook.Text(1, PhoneBookName), " A    ");
    EXPECT_EQ(s.PhoneBook.Text(2, PhoneBookName), "");
    EXPECT_EQ(s.PhoneBook.Text(25, PhoneBookCallId), "");
    EXPECT_TRUE(m.IicDat == before);
}

TEST_F(SideTest, PhoneBookEditOfTheNumberColumnChangesNothing) {
    ShowSideGrids(m, s);
    const model::Image loaded = m.IicDat;
    PhoneBookAfterEdit(m, s, 4, 0, "12");
    PhoneBookAfterEdit(m, s, 26, PhoneBookName, "AB");
    EXPECT_TRUE(m.IicDat == loaded);
}

// ---- A load ----

TEST_F(SideTest, LoadingTheSameFileTwiceGivesTheSameImage) {
    // A file's image with everything a load could be tempted to rewrite.
    put(twoTone(1), {0x44, 0x0B, 101, 0xB8, 0x0B, 0xFF, 21, 0x5A});
    put(station(1), {0x00, 0x00, 0x8A, 0x09});
    put(station(2), {0x00, 0x50, 0x81, 0x09});
    put(map::PhoneBookNameAddr(1), {45, 10, 0xFF, 0xFF, 0xFF, 0xFF, 0x55, 0x77});
    // "A", a code that shows nothing, "B", a space code, then erased codes.
    put(map::RdWrCode, {0x41, 0x00, 0xC8, 0x00, 0x42, 0x00, 0x20, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34});
    const model::Image file = m.IicDat;
    RdWrCodeState& code = p.rdWr;
    code.RdWrCodeText = "OLD";
    auto load = [&](const model::Image& image) {
        m.IicDat = image;
        ShowSideGrids(m, s);
        model::ShowRdWrCode(m);
        // The window puts the shown code into its box, whose change handler
        // then runs with that text.
        RdWrCodeChange(m, code, code.RdWrCodeText);
    };

    load(file);
    const model::Image first = m.IicDat;
    EXPECT_EQ(code.RdWrCodeText, "AB");
    EXPECT_EQ(bytes(map::RdWrCode, 14),
              Bytes(file.begin() + map::RdWrCode, file.begin() + map::RdWrCode + 14));
    // Only the repair of a long time of a shown tone differs from the file.
    EXPECT_EQ(bytes(twoTone(1), 8), (Bytes{0x44, 0x0B, 101, 0xB8, 0x0B, 10, 21, 0x5A}));
    EXPECT_TRUE(first == withArea(file, first, twoTone(1), 8));

    model::Image other{};
    other.fill(0xFF);
    load(other);
    load(file);
    EXPECT_TRUE(m.IicDat == first);
    load(m.IicDat);
    EXPECT_TRUE(m.IicDat == first);
}

} // namespace
} // namespace sidetest
