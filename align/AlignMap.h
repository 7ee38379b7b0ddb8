#pragma once
// The byte map of the alignment area (pages 58 and 62 and the alignment bits
// of 0xECA2) as one table: for every control of the alignment window
// (frmAdjMode) and of the register window (frmAdjMore) that stores a value,
// where the value lands, in which bits, and how it is encoded.
//
// A value is what the control holds: a list's chosen position (counted from
// 0), 1/0 for a box, a scroll bar's value. Bits of a byte that a field does
// not name keep their value.
#include "model/ImageMap.h"
#include "model/Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace align {

using model::map::Addr;

// Every control array that stores a value; an array's elements are indexes.
enum class Control : std::uint8_t {
    // frmAdjMode
    cboPwrAdj, // 0 frequency fine-tune, 1-50 power points
    cboCryFre,
    chkRadioFre,
    chkBpsHlPara,
    cboFreBand, // 0-2
    cboCompanName,
    // frmAdjMore
    cboSqlWide,       // 0-30
    cboSqlNarrow,     // 0-30
    hscWideDev134174, // element 0 tone deviation, 1 CD/VOI deviation
    hscNarrowDev134174,
    hscWideDev200260,
    hscNarrowDev200260,
    hscWideDev400520,
    hscNarrowDev400520,
    cboCdVoiSub, // 0-5
    cboRxResp42L,
    cboRxResp42H,
    cboRxResp43L,
    cboRxResp43H,
    cboVoiceGainTx41H,
    cboGainTx44H,
    cboPgaGain0AH,
    cboVoiceGainRx41H,
    cboSqlThreshold,  // 0-17
    cboReg5A,         // 0-4, written together
    chkEnableSqlCacl, // 0-7, written together
    chkReg34_Interval_Dr,
    chkReg34_Tone_Step_Dr,
    chkReg34_Limit_Sel,
    cboReg34_Over_Th_Sel,
    cboReg34_Dig_Gain,
    cboReg34_Agc_Thd,
    cboReg65H_Weak_Wide,
    cboReg65H_Strong_Wide,
    cboReg65H_Weak_Narr,
    cboReg65H_Strong_Narr,
    chkSoftMute,
    cboMuteTime,
    cboSoftMuteGain,
    chkOffMindBaseCry,
    chkOffAfcFunc,
    cboBatVoltPara,       // 0-16
    cboRda1846SPwrOutput, // 0 low, 1 medium, 2 high power
    cboTimeTone,          // 0-3
    vsfgGridMenu,         // rows 1-4 of the menu grid
};
inline constexpr int kControlCount = static_cast<int>(Control::vsfgGridMenu) + 1;

enum class Window : std::uint8_t { AdjMode, AdjMore };
enum class Kind : std::uint8_t { List, Box, Scroll, GridRow };

enum class Form : std::uint8_t {
    Bits,       // the value's bits spread over the pieces
    Choice,     // position or tick 0/1 picks one of two whole values
    PowerTable, // a byte of the power table; the table's sum follows
    Group,      // bits of a set of controls written together (5AH counts, enables)
    MenuRow,    // position p of the row's list: 255 for p < 1, else p - 1
};

// Value bits valueLo.. (width of them) go to bits lo.. of the byte at addr;
// `clears` bits of the byte become 0 and `sets` bits 1 with them.
struct Piece {
    std::uint16_t addr = 0;
    std::uint8_t lo = 0;
    std::uint8_t width = 0;
    std::uint8_t valueLo = 0;
    std::uint8_t clears = 0;
    std::uint8_t sets = 0;
};

// The texts of the lists that do not show numbers.
inline constexpr std::array<const char*, 4> kCryFreEntries{"12.8MHz", "13.0MHz", "25.6MHz", "26.0MHz"};
inline constexpr std::array<const char*, 2> kFreBandEntries{"VHF段", "UHF段"};
inline constexpr std::array<const char*, 3> kCompanNameEntries{"无", "中文", "英文"};
inline constexpr std::array<const char*, 8> kPwrOutputEntries{"-12.5dBm", "-11.9dBm", "3", "4",
                                                              "5",        "6",        "7", "8"};

// One row of the map: elements first..first+count-1 of a control array.
// Element i uses the pieces moved by stride x (i - first) bytes.
struct FieldRow {
    Control control;
    const char* name;
    int first;
    int count;
    int stride;
    Kind kind;
    Form form;
    std::array<Piece, 2> pieces;
    int pieceCount;
    // Choice: the value of position (or tick) 0 and 1, written as `bytes`
    // bytes low first; the display shows `exact` only for exactly its value.
    std::array<std::uint16_t, 2> choice;
    int bytes;
    int exact;
    // A list's entries as designed: numbers firstNumber.. (listCount of
    // them), or the fixed texts; shownCount > 0 when the alignment display
    // refills the list with the numbers 0..shownCount-1.
    int listCount;
    int firstNumber;
    std::span<const char* const> texts;
    int shownCount;
};

// The whole map, in the order of the Control enumeration.
std::span<const FieldRow> FieldTable();

// One element resolved: its pieces at their absolute addresses.
struct Field {
    const FieldRow* row = nullptr;
    int index = 0;
    std::array<Piece, 2> pieces{};
};
// The field of element `index`; nothing for an element the array lacks.
std::optional<Field> FieldOf(Control control, int index);
// The row of the control's element `index` (the first row when it has none).
const FieldRow& RowOf(Control control, int index = -1);

Window WindowOf(Control control);
const char* NameOf(Control control);
// Number of elements of the control array, and the first one.
int ElementCount(Control control);
int FirstElement(Control control);

// Writes the value into the field's bits. A PowerTable field also rewrites
// the sum; a Group field writes only its own bits (the group's writer
// writes them all).
void StoreField(model::Image& image, const Field& field, int value);
// The value the field's bits hold, as the alignment display reads it.
int FieldValue(const model::Image& image, const Field& field);

// The power table's sum: 0x5A5A plus the 51 bytes, low byte at 0xF833.
std::uint16_t PowerTableSum(const model::Image& image);
void StorePowerTableSum(model::Image& image);

// The register defaults of the register window's two buttons.
inline constexpr std::uint16_t kReg34HDefault = 0x2986;
inline constexpr std::uint16_t kReg65HWideDefault = 0x248A;
inline constexpr std::uint16_t kReg65HNarrowDefault = 0x2494;
// What the display writes into the receive voice gain when its bit 7 is clear.
inline constexpr std::uint8_t kRxVoiceGainRepair = 142;
// The display brings a power-output byte above this down to it.
inline constexpr std::uint8_t kPwrOutputLimit = 15;
inline constexpr std::uint8_t kHighSpeedOff = 150;
inline constexpr Addr kMenuRowBase = model::map::MenuOrderBase - 1; // row r at kMenuRowBase + r
inline constexpr int kMenuRows = 4;

} // namespace align
