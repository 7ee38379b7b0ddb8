#pragma once
// The two-tone, FM station and phone-book grids of the settings pages
// without a display. Each grid is a table of cell texts with its layout
// (row 0 the headers, column 0 the entry numbers); the window mirrors a row
// onto its Grid when told (SettingsPagesHost::Changed). The image is the only
// store: a load fills the cells from it, an edit stores its own row and shows
// what was kept. The phone book is shown through the model's displays
// (PhoneBookCallIdShow, PhoneBookNameShow), which reach SetPhoneBookText
// through the channel window.
//
// Image areas: two-tone entry n (1-32) 8 bytes at 0xE400 + 8(n-1): A and B
// tone in 0.1 Hz (16 bits), their durations and the interval in 0.1 s, byte
// 7 0x5A when in use. FM station n (1-25) 4 bytes at 0xE650 + 4(n-1), packed
// BCD 10 Hz units lowest pair first, 0xFF x 4 none. Phone-book entry n
// (1-25): CALL ID 16 DTMF bytes at 0xE150 + 16(n-1), name 6 alphabet codes
// at 0xE2F0 + 8(n-1) with byte 6 0x00 after a store.
#include "model/Model.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace channels {

inline constexpr int TwoToneRows = 32;
inline constexpr int RadioRows = 25;
inline constexpr int PhoneBookRows = 25;

// Two-tone columns.
inline constexpr int TwoToneAFre = 1, TwoToneATime = 2, TwoToneBFre = 3, TwoToneBTime = 4;
inline constexpr int TwoToneInterval = 5;
// FM station column.
inline constexpr int RadioFre = 1;
// Phone-book columns.
inline constexpr int PhoneBookCallId = 1, PhoneBookName = 2;

// The cell text of an FM row without a station.
inline constexpr const char* NoStation = " ";

// Layout table of one grid. For each language block b (0 Simplified Chinese,
// 20 Traditional Chinese, 40 English) entry b is the format string (headers
// separated by "|") and entries b + 1 onwards the column widths in twips.
using SideGridFace = std::array<std::string, 51>;
// The block of a LangIndex: 2 gives 20, 3 gives 40, any other value 0.
int SideGridBlock(int langIndex);

// One grid. Every column is centred and the text size is 10 points.
struct SideGrid {
    int Rows = 0;      // data rows 1..Rows, below the header row 0
    int Cols = 0;      // columns 0..Cols-1, column 0 the entry number
    int RowHeight = 0; // twips, the header row's too
    std::string FormatString;
    std::vector<int> ColWidth;             // twips, by column
    std::vector<std::string> ColComboList; // drop-down items separated by "|"; empty: free text
    std::vector<std::string> ColFormat;    // display format of a decimal column; empty: text
    int CurRow = 0, CurCol = 0;            // the current cell after set-up
    std::vector<std::string> Cells;        // (Rows + 1) x Cols texts, row by row

    // A cell outside the grid fails (throws platform::Failure).
    const std::string& Text(int row, int col) const;
    void SetText(int row, int col, std::string text);
    std::size_t CellIndex(int row, int col) const;
};

struct SideGridsState {
    SideGridFace TwoToneFace{};
    SideGridFace RadioChFace{};
    SideGridFace PhoneBookFace{};
    SideGrid TwoTone;   // vsfgGridTwoTone(0)
    SideGrid Radio;     // vsfgGridRadio
    SideGrid PhoneBook; // vsfgGridPhoneBook
};

// The layout tables of the three languages.
void InitTwoToneFace(SideGridFace& face);
void InitRadioChFace(SideGridFace& face);
void InitPhoneBookFace(SideGridFace& face);

// Fill the grid's layout table, then lay the grid out in the language of
// langIndex with empty data cells; once, when the channel window loads.
void InitTwoToneGrid(SideGridsState& s, int langIndex);
void InitRadioChGrid(SideGridsState& s, int langIndex);
void InitPhoneBookGrid(SideGridsState& s, int langIndex);

// The drop-down lists: durations 0.3-9.7 s, an empty item and 10.0; intervals
// 0.0-1.9 s, an empty item and 2.0; " " then 87.0-108.0 MHz.
std::string TwoToneTimeList();
std::string TwoToneIntervalList();
std::string RadioStationList();

// ---- Loads, after every load of the image ----
// Two-tone entries; a duration above 10.0 s is repaired to 1.0 s and an
// interval above 2.0 s to 0.5 s in the image. A frequency outside
// 288.5-3106.0 Hz shows empty.
void TwoToneShow(model::ModelState& m, SideGridsState& s);
// FM stations; a station outside 87.0-108.0 MHz, or bytes that are not
// decimal digits, show NoStation. Changes nothing in the image.
void RadioChShow(const model::ModelState& m, SideGridsState& s);
// CALL IDs and names of the phone book (through the channel window). Changes
// nothing in the image.
void PhoneBookShow(model::ModelState& m);
// The three in the order of the settings load: phone book, two-tone, FM.
void ShowSideGrids(model::ModelState& m, SideGridsState& s);

// The channel window's SetPhoneBookText: cell (row, col) of the phone book
// shows text.
void SetPhoneBookText(SideGridsState& s, int row, int col, const std::string& text);

// ---- Edits: the user left cell (row, col) holding text ----
// Each stores the edited row only (the phone book only the edited field) and
// leaves the row's cells as stored; rows not edited keep their bytes and
// cells. A cell outside the data cells changes nothing. The settings pages'
// loading guard is the caller's: no store while the pages are being filled.
void TwoToneAfterEdit(model::ModelState& m, SideGridsState& s, int row, int col, const std::string& text);
void RadioAfterEdit(model::ModelState& m, SideGridsState& s, int row, int col, const std::string& text);
void PhoneBookAfterEdit(model::ModelState& m, SideGridsState& s, int row, int col, const std::string& text);

} // namespace channels
