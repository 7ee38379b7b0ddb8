#pragma once
// Program-wide values of the radio data model: the memory image, the channel
// table the channel grid edits, the grid layout the codec follows, the band
// limits, the tone lists, the text-field converters and the volume table.
//
// One instance for the program (state()); every procedure of the model takes
// the state it works on by reference, so a test builds a fresh one.
// Everything runs on the user-interface thread.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace model {

// The 64 KB flash of the radio, indexed by flash address.
using Image = std::array<std::uint8_t, 65536>;

inline constexpr int ChTableLast = 260; // rows 1-260; only 1-256 have a record
inline constexpr int ChFieldLast = 20;
inline constexpr int ChColListItems = 50; // items 0-49 of one grid column
inline constexpr int ChColWidthLast = 50;

// The empty channel, transmit off.
inline constexpr std::int32_t NoFre = -1;

struct ModelState {
    Image IicDat{};

    // ---- Channel table ----
    // ChInfo[ch][f], ch 1-260 (row 0 unused). Field 0 edit marker, 1 receive
    // and 2 transmit frequency in 10 Hz (NoFre: empty channel / transmit off),
    // 3-4 unused, 5-20 the option value shown in grid column f.
    std::array<std::array<std::int32_t, ChFieldLast + 1>, ChTableLast + 1> ChInfo{};
    // Tone texts: [ch][0] receive, [ch][1] transmit ("67.0", "D023N", "D023I",
    // CtdcsNoneText; an empty text counts as off).
    std::array<std::array<std::string, 2>, ChTableLast + 1> ChCtdcs{};
    // Name codes: [ch][0-5] the six name-alphabet codes (0xFF blank); 6-8 unused.
    std::array<std::array<std::uint8_t, 9>, ChTableLast + 1> ChNameDat{};
    // Channels the user emptied in the channel grid since the last decode:
    // the encoder erases their tone codes too.
    std::array<bool, ChTableLast + 1> ChCleared{};

    // ---- Channel-grid layout, read from section ChInfo by ReadChInfo ----
    std::int16_t ChCount = 0;     // channel rows 1..ChCount (1-256); the codec handles only these
    std::int16_t ChRowHeight = 0; // twips
    std::int16_t ChColCount = 0;  // data columns 1..ChColCount (at most 20)
    std::string ChGridFormat;     // header texts and alignments, cells separated by '|'
    std::array<std::int16_t, ChColWidthLast + 1> ChColWidth{}; // [0] the channel-number column
    // ChColList[c][k], column c 1-20: item 0 key or drop-down list, 1 option
    // count, 2 default option value, v+3 the text of option value v.
    std::array<std::array<std::string, ChColListItems>, ChFieldLast + 1> ChColList{};

    // ---- Bands ----
    std::array<std::int32_t, 4> FreBandLimit{}; // box order: band 1 low, high, band 2 low, high
    // band 1 valid low, valid high (high - 500), low, high; then the same for band 2
    std::array<std::int32_t, 8> ValidFreRange{};
    std::int16_t FreRangeBusy = 0; // -1 while ShowFreRange fills the band boxes

    // ---- Tones ----
    std::string CtdcsNoneText; // the off text of the interface language
    std::array<std::string, 50> CtcssArray{};
    std::array<std::string, 105> DcsNArray{};
    std::array<std::string, 105> DcsIArray{};

    // ---- Converter buffers: the last conversion's result, read at once ----
    std::array<std::uint8_t, 4> SepDat{};
    std::array<std::int16_t, 31> ChNameCode{};
    std::array<std::int16_t, 31> PhoneBookNameCode{};
    std::array<std::int16_t, 16> AsciiDat{};
    std::string AsciiTxt;

    // ---- Text fields ----
    std::array<std::string, 45> ValidCharTbl{}; // the name alphabet, index = code
    // New read/write code: six radio character codes low byte first in 0-11;
    // all 16 bytes 0xFF when no code is set. Never stored in the image.
    std::array<std::uint8_t, 16> NewRdWrCode{};

    // ---- Volume ----
    std::array<std::uint8_t, 256> VolumeTbl{}; // volume step -> register byte
    std::int16_t VolumeMode = 0;               // 0 volume mode 1 (through VolumeTbl), 1 volume mode 2 (raw)
};

// The program's one instance, and a fresh one for a test.
ModelState& state();
void ResetModel();
inline Image& IicDat() {
    return state().IicDat;
}

} // namespace model
