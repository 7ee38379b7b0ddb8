#pragma once
// The map of the 64 KB memory image: pages, the page sets that travel
// together, and the areas that more than one field or part of the program
// reaches. The areas' codecs live with their owners (channel records and text
// fields here in model/, the settings block in the channel editor, page 58
// and 62 in the alignment tools), whose field tables give each field's own
// address.
//
// Conventions of every area: multi-byte values are stored least significant
// byte first; 0xFF (erased flash) marks an empty field; frequencies are 8
// packed BCD digits of 10 Hz units, lowest digit pair first.
#include <array>
#include <cstddef>
#include <cstdint>

namespace model::map {

using Addr = std::size_t;

// Pages
inline constexpr Addr PageSize = 1024;
constexpr Addr PageStart(int page) {
    return static_cast<Addr>(page) * PageSize;
}

inline constexpr int FirmwareFirstPage = 7, FirmwareLastPage = 49; // what a firmware update writes

// Page sets
// Read and written by the main window's read/write dialog.
inline constexpr std::array<int, 9> FrequencyPageSet{50, 51, 52, 53, 54, 55, 56, 57, 59};
// Read and written by the alignment window; also the pages of a data file.
inline constexpr std::array<int, 11> AlignmentPageSet{50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 62};
// The areas of the page sets, as a radio write keeps them around a firmware load.
inline constexpr int ChannelFirstPage = 50, ChannelLastPage = 57;
inline constexpr int AlignmentPage = 58, SettingsPage = 59, AlignmentTablePage = 62;

// Bounds of the Intel HEX loaders
inline constexpr Addr FlashLastAddr = 0xFFFF; // the whole image
inline constexpr Addr SoftLastAddr = 0xC7FF;  // program area of a built-in firmware image
inline constexpr std::uint8_t HexFillByte = 0xA5;
inline constexpr std::uint8_t Erased = 0xFF;
inline constexpr std::uint8_t UsedMarker = 0x5A; // two-tone record in use, volume table in use

// ---- Pages 50-57 (0xC800-0xE7FF) ----
inline constexpr int ChannelCount = 256;
inline constexpr Addr ChRecordBase = 0xC800; // 16 bytes per channel
inline constexpr Addr ChRecordSize = 16;
inline constexpr Addr ChNameBase = 0xD800; // 8-byte name slot per channel, bytes 0-5 the name
inline constexpr Addr ChNameSlotSize = 8;
inline constexpr int NameLength = 6;
constexpr Addr ChRecordAddr(int ch) {
    return ChRecordBase + ChRecordSize * static_cast<Addr>(ch - 1);
}
constexpr Addr ChNameAddr(int ch) {
    return ChNameBase + ChNameSlotSize * static_cast<Addr>(ch - 1);
}
// Offsets inside a channel record
inline constexpr Addr RecRxFre = 0, RecTxFre = 4, RecRxTone = 8, RecTxTone = 10, RecOptions = 12;

// DTMF byte-code fields
inline constexpr Addr AutoDialBase = 0xE000; // 16 memories of 16 bytes
inline constexpr Addr AutoDialSize = 16;
constexpr Addr AutoDialAddr(int j) {
    return AutoDialBase + AutoDialSize * static_cast<Addr>(j);
}

// Phone book, entries 1-25
inline constexpr int PhoneBookCount = 25;
inline constexpr Addr PhoneBookCallIdBase = 0xE150; // 16 DTMF bytes per entry
inline constexpr Addr PhoneBookCallIdSize = 16;
inline constexpr Addr PhoneBookNameBase = 0xE2F0; // 8 bytes per entry: 0-5 name, 6 = 0x00 after a store
inline constexpr Addr PhoneBookNameSlotSize = 8;
constexpr Addr PhoneBookCallIdAddr(int n) {
    return PhoneBookCallIdBase + PhoneBookCallIdSize * static_cast<Addr>(n - 1);
}
constexpr Addr PhoneBookNameAddr(int n) {
    return PhoneBookNameBase + PhoneBookNameSlotSize * static_cast<Addr>(n - 1);
}

// Two-tone list, records 1-32 of 8 bytes; byte 7 = UsedMarker when in use
inline constexpr Addr TwoToneBase = 0xE400;
inline constexpr Addr TwoToneSize = 8;

// Message lines: 16 radio character codes each (32 bytes)
inline constexpr Addr MessageLine1 = 0xE610, MessageLine2 = 0xE630;
inline constexpr int MessageLineChars = 16;

// FM broadcast stations 1-25, 4 bytes of frequency encoding each
inline constexpr Addr FmStationBase = 0xE650;
inline constexpr Addr FmStationSize = 4;

// Power-on message: two lines of six name-alphabet codes (0xE6D6 and 0xE6DD untouched)
inline constexpr Addr PowerOnMsgLine1 = 0xE6D0, PowerOnMsgLine2 = 0xE6D7;
inline constexpr Addr PowerOnCode = 0xE6E0; // six digit values 0-5, 0xFF after the last

// Frequency-range block: band 1 low/high, band 2 low/high, 4 bytes each
inline constexpr Addr FreRangeBlock = 0xE700;
inline constexpr Addr FreRangeBlockSize = 16;
constexpr Addr BandLimitAddr(int box) {
    return FreRangeBlock + 4 * static_cast<Addr>(box);
}
// Band 1 is a placeholder far below every channel: 4.60000-4.70000 MHz.
inline constexpr std::array<std::uint8_t, 8> Band1Placeholder{0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00};
inline constexpr Addr ModelByte = 0xE710;    // kept with the band block across File New
inline constexpr Addr BandAndModelSize = 17; // 0xE700-0xE710

inline constexpr Addr FullResetCode = 0xE717;     // as the power-on code
inline constexpr Addr VoxLevelBase = 0xE720;      // level i (1-10) at VoxLevelBase + i
inline constexpr Addr VolumeLevelBase = 0xE730;   // level i (0-10) at VolumeLevelBase + i
inline constexpr Addr VolumeTableMarker = 0xE73B; // UsedMarker or 0xFF
inline constexpr Addr RdWrCode = 0xE780;          // six radio character codes (12 bytes)
inline constexpr int RdWrCodeChars = 6;

// ---- Page 58 (0xE800-0xEBFF): alignment values ----
inline constexpr Addr Reg34H = 0xE841;        // word, default 0x2986
inline constexpr Addr Reg65HWide = 0xE847;    // word, default 0x248A
inline constexpr Addr Reg65HNarrow = 0xE849;  // word, default 0x2494
inline constexpr Addr RxVoiceGain = 0xE84B;   // value + 128
inline constexpr Addr HighSpeedPara = 0xE890; // 0 high speed, 150 otherwise
inline constexpr Addr PowerOutput = 0xE900;   // 3 levels
inline constexpr Addr BatteryPara = 0xE907;   // 17 bytes
// A radio write keeps the alignment pages of a loaded firmware image only when
// the image's first battery byte is at least this.
inline constexpr std::uint8_t AlignmentKeptFrom = 0x21;
inline constexpr Addr WriteMarkBytes = 0xE951; // 10 bytes, 0x8F..0x98 before every frequency write
inline constexpr Addr FreRangeCopy = 0xE960;   // copy of the frequency-range block
inline constexpr Addr MenuOrderBase = 0xEA80;  // row r at MenuOrderBase + r - 1

// ---- Page 59 (0xEC00-0xEFFF): radio-wide settings block ----
inline constexpr Addr SharedCrystalByte = 0xECA2; // bits 7-6 crystal, bit 4 chkPc(35), bit 1 FM 32.768 kHz
// The settings a frequency write fixes before it sends the page: four the
// settings pages show (their rows in the channel editor's byte map name
// them here), two that nothing else uses.
inline constexpr Addr MenuShowTime = 0xEC58;                                              // cboPc(10)
inline constexpr Addr WaitBackLight = 0xEC08, TxBackLight = 0xEC09, RxBackLight = 0xEC0A; // cboPc(42)-(44)
inline constexpr Addr WriteSetByte = 0xEC99;                                              // set to 0xFF
inline constexpr Addr WriteClearedBit = 0xECA0; // bit 1 cleared, the others kept

// ---- Page 62 (0xF800-0xFBFF): alignment tables ----
inline constexpr Addr PowerTable = 0xF800; // 51 bytes
inline constexpr int PowerTableSize = 51;
inline constexpr Addr PowerTableSum = 0xF833; // 0x5A5A + the 51 bytes, low byte first
inline constexpr std::uint16_t PowerTableSeed = 0x5A5A;

} // namespace model::map
