#pragma once
// The name alphabet and the fields that use it: channel names, phone-book
// names and the two power-on message lines. One byte per position, the
// alphabet code: "0"-"9" 0-9, "A"-"Z" 10-35, space 36, "+" 37, "=" 38,
// "%" 39, "/" 40, "[" 41, "]" 42, "-" 43, "_" 44. 0xFF is a blank position and
// every code above 44 shows as a space.
//
// Storing a text in n positions keeps the accepted characters among its
// first n, completes a short non-empty text with spaces and leaves one 0xFF
// at the end for each dropped character; an empty text is n blanks.
#include "model/Model.h"

#include <cstdint>
#include <span>
#include <string>

namespace model {

inline constexpr std::uint8_t SpaceCode = 36;
inline constexpr std::uint8_t BlankCode = 0xFF;
inline constexpr int MaxNameCodes = 31; // size of the converter buffers
inline constexpr int ChNameColumn = 11;
inline constexpr int PhoneBookNameColumn = 2;
inline constexpr int PowerOnMsgBox = 8; // txtPc(8) line 1, txtPc(9) line 2

// Builds ValidCharTbl; once at start-up.
void GetValidCharTbl(ModelState& m);

// The n codes of text (1-31) into ChNameCode, as typed (no upper-casing).
void ChNameCharSol(ModelState& m, const std::string& text, int n);
// The same, upper-cased first, into PhoneBookNameCode.
void PhoneBookCharToSave(ModelState& m, const std::string& text, int n);

// The text of six name codes: empty when none is a character; trailing
// spaces kept.
std::string NameCodesToText(const ModelState& m, std::span<const std::uint8_t, 6> codes);

// Shows ChNameDat(channel, 0-5) in name cell (channel, 11) of the channel grid.
void ChNameCharShow(ModelState& m, int channel);
// Shows phone-book name n (1-25) from the image in cell (n, 2) of the phone-book grid.
void PhoneBookNameShow(ModelState& m, int n);

// Stores both power-on message lines from txtPc(8) and txtPc(9).
void PowerOnMsgToSave(ModelState& m);
// Shows both lines in txtPc(8) and txtPc(9), trailing spaces removed.
void ShowPowerOnMsg(ModelState& m);

} // namespace model
