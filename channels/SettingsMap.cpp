#include "channels/SettingsMap.h"

#include <algorithm>

namespace channels {
namespace {

namespace map = model::map;
using F = ComboForm;
constexpr int None = NoRepair;

// clang-format off
// index, field, form, bit, list length, limit, value a byte above it becomes
constexpr ComboField kCombos[] = {
    {4,  0xEC0C, F::List,      0, 21,  20,  2},    // Time-out Timer
    {5,  0xEC43, F::List,      0, 11,  10,  0},    // TOT Pre-alert
    {6,  0xEC16, F::List,      0, 3,   2,   0},    // Voice Annunciation
    {7,  0xEC42, F::List,      0, 6,   5,   0},    // Power On Tone Sort
    {8,  0xEC05, F::List,      0, 10,  9,   5},    // Squelch Level
    {9,  0xEC15, F::List,      0, 9,   8,   0},    // Key Lock Mode
    {10, map::MenuShowTime,  F::List,      0, 31,  30,  10},   // Menu Show Time
    {11, 0xEC92, F::ModeField, 0, 3,   0,   None}, // A Group Mode
    {12, 0xEC92, F::ModeField, 2, 3,   0,   None}, // Channel Work Mode
    {13, 0xEC41, F::List,      0, 8,   7,   4},    // Tail Del Mode
    {14, 0xEC23, F::List,      0, 25,  24,  0},    // Auto Power Off
    {15, 0xEC03, F::List,      0, 10,  9,   4},    // VOX Gain Level
    {16, 0xEC46, F::List,      0, 6,   5,   2},    // VOX Delay Time
    {20, 0xEC14, F::List,      0, 3,   2,   None}, // Scan Mode
    {21, 0xEC4E, F::List,      0, 26,  25,  3},    // Dropout Delay Time
    {22, 0xEC1D, F::List,      0, 26,  25,  3},    // Tx Dwell Time
    {59, 0xEC9F, F::List,      0, 11,  10,  10},   // Two Way Radio Vol Level
    {61, 0xEC4C, F::List,      0, 129, 128, 0},    // A Group Pri Ch
    {62, 0xEC4D, F::List,      0, 129, 128, 0},    // B Group Pri Ch
    {23, 0xEC13, F::List,      0, 11,  10,  0},    // Save Mode
    {24, 0xEC48, F::List,      0, 3,   2,   None}, // Low Battery Tone Sort
    {25, 0xEC49, F::List,      0, 251, 250, 30},   // Low Bat Alarm Interval
    {26, 0xEC9B, F::List,      0, 151, 150, 150},  // SK1 Hold Time
    {27, 0xEC9C, F::List,      0, 151, 150, 150},  // SK2 Hold Time
    {28, 0xEC9A, F::Bit,       3, 2,   0,   None}, // Radio Work Mode
    {29, 0xEC44, F::List,      0, 32,  31,  17},   // Radio Sql
    {30, 0xEC45, F::List,      0, 16,  15,  15},   // Radio Volume
    {31, 0xEC93, F::List,      0, 25,  24,  0},    // Radio CH
    {32, 0xEC17, F::List,      0, 3,   2,   0},    // Show Mode
    {33, 0xEC5D, F::List,      0, 2,   1,   1},    // Alarm Type: any byte but 0 is 1
    {34, 0xE712, F::List,      0, 256, 255, None}, // Local Alarm Time
    {35, 0xE713, F::List,      0, 256, 255, None}, // Tx Time Distance Alarm
    {36, 0xE714, F::List,      0, 256, 255, None}, // Rx Time Distance Alarm
    {37, 0xE715, F::List,      0, 256, 255, None}, // Alarm Cycle
    {38, 0xE711, F::Bit,       2, 2,   0,   None}, // Tx Ani
    {39, 0xEC5E, F::List,      0, 2,   1,   1},    // Channel Select: any byte but 0 is 1
    {40, 0xEC5C, F::List,      0, 129, 128, 0},    // A Group Alarm Ch
    {56, 0xEC5A, F::List,      0, 200, 199, 0},    // Alarm Channel
    {70, 0xEC32, F::List,      0, 129, 128, 0},    // A Group Fir CH
    {69, 0xEC33, F::List,      0, 200, 199, 0},    // First Channel
    {68, 0xEC31, F::List,      0, 251, 250, 10},   // Time Back Fir CH
    {66, 0xEC34, F::List,      0, 129, 128, 0},    // A Group Sec CH
    {65, 0xEC35, F::List,      0, 200, 199, 0},    // Second Channel
    {71, 0xEC01, F::List,      0, 5,   4,   4},    // Tx Select
    {72, 0xEC21, F::List,      0, 11,  10,  7},    // Step
    {41, 0xEC07, F::List,      0, 8,   7,   4},    // LED
    {42, map::WaitBackLight, F::List,      0, 4,   3,   1},    // Wait Back Light
    {43, map::TxBackLight,   F::List,      0, 4,   3,   0},    // Tx Back Light
    {44, map::RxBackLight,   F::List,      0, 4,   3,   0},    // Rx Back Light
    {45, 0xEC2D, F::List,      0, 251, 250, 40},   // First Digit Delay Time
    {46, 0xEC2E, F::List,      0, 243, 242, 242},  // Digit Last Time
    {47, 0xEC2F, F::List,      0, 243, 242, 242},  // Digit Interval Time
    {49, 0xEC37, F::List,      0, 251, 250, 250},  // Auto Reset Timer
    {50, 0xEC38, F::List,      0, 7,   6,   0},    // ID Group Code
    {51, 0xEC39, F::List,      0, 251, 250, 0},    // Call Alert
    {52, 0xE146, F::StunGroup, 0, 7,   0,   None}, // Stun Group Code
    {53, 0xE149, F::List,      0, 2,   1,   0},    // Stun Type: any byte but 1 is 0
    {54, 0xEC3E, F::List,      0, 251, 250, 250},  // Auto Reset Timer (2-tone)
    {55, 0xEC5F, F::List,      0, 251, 250, 250},  // First Digit Delay Time (2-tone)
    {57, 0xE602, F::Volume,    0, 256, 0,   None}, // 2-Tone, Tail Tone, DTMF Volume
};

using C = CheckForm;
constexpr CheckField kChecks[] = {
    {2,  0xEC1B, C::ByteSet,  0}, // CH Name Show
    {3,  0xEC0B, C::ByteSet,  0}, // Beep
    {4,  0xEC0E, C::ByteSet,  0}, // Tx End Tone
    {5,  0xEC9A, C::Bit,      5}, // Monitor End Tone
    {6,  0xEC9A, C::Bit,      1}, // Rx tail tone without decode
    {7,  0xEC9A, C::Bit,      0}, // Tx tail tone without encode
    {33, 0xEC9D, C::Bit,      5}, // Key Lock
    {34, 0xEC60, C::ByteKept, 0}, // Up/Down Enable
    {35, 0xECA2, C::Bit,      4}, // Enable Vox When No MicroPhone
    {8,  0xEC29, C::ByteSet,  0}, // Ani (hidden view of 0xEC29)
    {9,  0xEC47, C::ByteSet,  0}, // Transmit Inhibit while Receiving
    {11, 0xEC9A, C::Bit,      6}, // Scan Start Beep
    {12, 0xEC9A, C::Bit,      7}, // Scan Exit Beep
    {13, 0xEC50, C::ByteSet,  0}, // Scan Light
    {15, 0xEC4B, C::ByteSet,  0}, // Low Bat Can Tx
    {17, 0xEC59, C::ByteSet,  0}, // Orange Light On Low
    {18, 0xEC4A, C::ByteSet,  0}, // Low Bat Annunciation
    {20, 0xEC9A, C::Bit,      4}, // Notice Bat Voltage When Power On
    {21, 0xEC9D, C::Bit,      0}, // Power off on high battery voltage
    {22, 0xEC9D, C::Bit,      1}, // Power off on low battery voltage
    {23, 0xEC9D, C::Bit,      2}, // Enable Radio
    {24, 0xEC0F, C::ByteSet,  0}, // Enable Rx When Radio On
    {26, 0xEC2B, C::ByteSet,  0}, // Side Tone
    {29, 0xEC2C, C::ByteKept, 0}, // DTMF Key Lock
    {30, 0xEC29, C::ByteKept, 0}, // Ani (DTMF page view of 0xEC29)
    {31, 0xEC3F, C::ByteKept, 0}, // Show Phone Book
    {32, 0xEC5B, C::ByteKept, 0}, // Double Work
    {27, 0xEC3A, C::ByteSet,  0}, // Call Alert Tone
    {28, 0xEC3D, C::ByteSet,  0}, // Side Tone (2-tone page)
};

using T = TextForm;
constexpr TextField kTexts[] = {
    {2,  0xE610, T::RadioChars,    16}, // Message1
    {3,  0xE630, T::RadioChars,    16}, // Message2
    {4,  0xE100, T::DtmfCodes,     16}, // PTT ID Begin of Tx
    {5,  0xE110, T::DtmfCodes,     16}, // PTT ID End of Tx
    {6,  0xE120, T::DtmfCodes,     10}, // ID Code
    {7,  0xE130, T::DtmfCodes,     10}, // Stun Code
    {8,  0xE6D0, T::PowerOnMsg,    6},  // Power On Msg A (line 1)
    {9,  0xE6D7, T::PowerOnMsg,    6},  // Power On Msg (line 2)
    {10, 0xE6E0, T::PowerOnCode,   6},  // Power On Code
    {11, 0xE717, T::FullResetCode, 6},  // Full Reset Code
};

// txtPc 0-11
constexpr int kTextMaxLength[12] = {3, 3, 16, 16, 16, 16, 10, 10, 7, 7, 7, 7};
// clang-format on

template <class Row> const Row* find(std::span<const Row> rows, int index) {
    auto it = std::find_if(rows.begin(), rows.end(), [index](const Row& r) { return r.index == index; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

std::span<const ComboField> ComboFields() {
    return kCombos;
}
std::span<const CheckField> CheckFields() {
    return kChecks;
}
std::span<const TextField> TextFields() {
    return kTexts;
}

const ComboField* ComboFieldOf(int index) {
    return find(ComboFields(), index);
}
const CheckField* CheckFieldOf(int index) {
    return find(CheckFields(), index);
}
const TextField* TextFieldOf(int index) {
    return find(TextFields(), index);
}

bool RepairListByte(std::uint8_t& b, const ComboField& f) {
    if (b <= f.limit) return true;
    if (f.repairTo == NoRepair) return false;
    b = static_cast<std::uint8_t>(f.repairTo);
    return true;
}

int PcTextMaxLength(int index) {
    return index >= 0 && index < 12 ? kTextMaxLength[index] : 0;
}

} // namespace channels
