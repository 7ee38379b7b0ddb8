#pragma once
// The byte map of the settings pages: for every stored control its field in
// the image, how the value is held there and what a load makes of a byte the
// control cannot show. The rows stand in the order InitOpt loads them.
#include "model/ImageMap.h"

#include <cstdint>
#include <span>

namespace channels {

using model::map::Addr;

// How a combo's list position is held in its field.
enum class ComboForm {
    List,      // the byte is the position (0/1 flags included)
    ModeField, // two bits at `bit`: position 0 -> 2, 1 -> 1, 2 -> 0; loads low bit first
    Bit,       // one bit: position 1 sets it
    StunGroup, // a character: "A"-"D", "*", "#" for positions 1-6, 0 for position 0
    Volume,    // a volume register byte: the position is its volume step
};

inline constexpr int NoRepair = -1; // a byte above the limit leaves the list unselected

struct ComboField {
    int index; // cboPc(index)
    Addr addr;
    ComboForm form;
    int bit;      // ModeField: lowest bit of the field; Bit: the bit
    int items;    // length of the option list
    int limit;    // List: the largest byte shown as it is
    int repairTo; // List: what a byte above limit becomes on load, or NoRepair
};

enum class CheckForm {
    ByteSet,  // byte: not 0 ticks the box and is written back as 1
    ByteKept, // byte: not 0 ticks the box and stays as it is
    Bit,      // one bit of a shared byte
};

struct CheckField {
    int index; // chkPc(index)
    Addr addr;
    CheckForm form;
    int bit;
};

enum class TextForm {
    RadioChars,    // 16-bit radio character codes, low byte first
    DtmfCodes,     // one DTMF byte per character, 0xFF after the text
    PowerOnMsg,    // six name-alphabet codes
    PowerOnCode,   // six digit values 0-5, 0xFF after the last
    FullResetCode, // as the power-on code, shown up to the first other byte
};

struct TextField {
    int index; // txtPc(index)
    Addr addr;
    TextForm form;
    int length; // characters the field holds
};

std::span<const ComboField> ComboFields();
std::span<const CheckField> CheckFields();
std::span<const TextField> TextFields();

// The field of a control, or nullptr for an index that stores nothing.
const ComboField* ComboFieldOf(int index);
const CheckField* CheckFieldOf(int index);
const TextField* TextFieldOf(int index);

// The longest text each txtPc box accepts.
int PcTextMaxLength(int index);

// The fields of the other controls of the pages.
inline constexpr Addr VoxLevelAddr(int level) { // level 1-10
    return model::map::VoxLevelBase + static_cast<Addr>(level);
}
inline constexpr std::uint8_t VoxDefaults[11] = {0,  170, 155, 140, 125, 110,
                                                 95, 80,  65,  50,  35};     // levels 1-10
inline constexpr Addr KeyAddr[5] = {0xEC24, 0xEC25, 0xEC26, 0xEC27, 0xEC36}; // PF1, PF2, KEY1-3
inline constexpr int KeyHighest[5] = {15, 15, 13, 13, 13};                   // highest function of each key

// The stun group's characters by list position (0: none).
inline constexpr std::uint8_t StunGroupChars[7] = {0x00, 0x41, 0x42, 0x43, 0x44, 0x2A, 0x23};

// The combos whose bytes SetOptList repairs as soon as their lists exist:
// the digit times and the ID group code.
inline constexpr int OptListRepairs[4] = {45, 46, 47, 50};

// A List field's byte above its limit becomes its repair value; false when
// the field has none and the byte stays as it is.
bool RepairListByte(std::uint8_t& b, const ComboField& f);

// Combos the pages' logic names.
inline constexpr int TxAlarmTime = 35, RxAlarmTime = 36; // cboPc(36) enabled while cboPc(35) is not 0
inline constexpr int VolumeCombo = 57;                   // keeps the byte list it was designed with

// The alignment bits of the shared byte 0xECA2: crystal (7-6), FM crystal (1).
inline constexpr std::uint8_t AlignmentBitsOfEca2 = 0xC2;

} // namespace channels
