#pragma once
// The part fill (frmPartFill): one byte value into an address range of the
// flash image, the internal RAM or the external RAM. The dialog keeps its
// controls in a PartFillDialog; the range last typed stays in ToolState.
#include "flashtool/ToolState.h"

#include <array>
#include <optional>
#include <string>

namespace flashtool {

// The value box's number base, by list index.
inline constexpr std::array<const char*, 3> FillBases = {"H", "D", "B"};
enum FillBase { BaseHex = 0, BaseDecimal = 1, BaseBinary = 2 };

struct PartFillDialog {
    int optGridFlashRam = FillFlash; // FillTarget
    std::string txtFillData = "FF";
    int cboFillData = BaseHex;
    std::string txtStartAddr;
    std::string txtEndAddr;
};

// Opening: base "H", the start and end boxes from the stored range in four
// upper-case hex digits.
void PartFillLoad(const ToolState& t, PartFillDialog& d);

// A change of the start or end box stores its value when it is a hex
// number 0-FFFF; any other text (an emptied box while typing) keeps the
// stored one.
void txtStartAddr_Change(ToolState& t, PartFillDialog& d);
void txtEndAddr_Change(ToolState& t, PartFillDialog& d);

// Choosing the target. "In Ram": a stored start or end outside 0x30-0xFF
// becomes 30 / FF; "Ext Ram": one above 0xAFF becomes 000 / AFF; the tool
// window's grid tabs follow.
void optGridFlashRam_Click(ToolState& t, PartFillDialog& d, int target);

// The value of the value box: hex digits, a decimal whole number or binary
// digits as its base says; values 256-32767 count as 255. nullopt for a
// text that is no number of that base, is negative, or above 32767.
std::optional<std::uint8_t> FillValueOf(const std::string& text, int base);
// The last address of a target: 0xFFFF, 0xFF, 0xAFF.
std::uint32_t TargetLastAddr(int target);

struct FillOutcome {
    bool filled = false;
    std::string message; // why nothing was filled
    std::uint32_t first = 0, last = 0;
};
// cmdFillData: checks the value, the start and the end (hex within the
// target), then fills start..end (nothing when start is above end) and
// shows the range again; a flash fill also runs the alignment display.
// Anything refused changes nothing.
FillOutcome cmdFillData_Click(ToolState& t, const PartFillDialog& d);

} // namespace flashtool
