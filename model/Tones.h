#pragma once
// Tone codes and their texts, and the tone list of the channel grid's tone
// drop-down.
//
// A tone code is 16 bits, stored low byte first: 600-2650 a CTCSS tone of
// code / 10 Hz ("67.0"), 0x2800-0x29FF a normal DCS code ("D023N"),
// 0xA800-0xA9FF an inverted one ("D023I"); every other code, 0xFFFF
// included, is off and shows as CtdcsNoneText.
#include "model/Model.h"

#include <cstdint>
#include <string>

namespace model {

inline constexpr std::uint16_t ToneOff = 0xFFFF;

// The text of the tone code 256 x high + low. Never fails.
std::string QtDqtIicToChar(const ModelState& m, std::uint8_t high, std::uint8_t low);

// The code of a tone text into SepDat(0) (low byte) and SepDat(1) (high
// byte). The off text or an empty text gives 0xFFFF; a number gives ten times
// it, rounded half to even; anything else is read as DCS: characters 2-4 are
// the digits, a fifth character "N" makes it normal, any other inverted.
// A text none of these can convert is reported and gives false, leaving
// SepDat as it was.
bool QtDqtCharToIic(ModelState& m, const std::string& text);

// Fills CtcssArray, DcsNArray and DcsIArray with their fixed lists.
void GetCtdcsArray(ModelState& m);

// Sets CtdcsNoneText by LangIndex ("无", "無", "None"; outside 1-3 counts as
// 3 and is made 3), fills the three lists and refills the channel window's
// tone drop-down with the 261 entries. Run once at start-up, before the
// first decode.
void GenCtdcsList(ModelState& m);

} // namespace model
