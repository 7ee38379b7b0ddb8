#pragma once
// Code fields of the image and the fields stored in the radio character code.
//
// Power-on and full-reset codes: up to six digits 0-5, one digit value per
// byte, 0xFF after the last. DTMF byte code, one byte per character: "0"-"9"
// as 0x30-0x39, "A"-"D" 0x41-0x44, "*" 0x2A and "#" 0x23 (typed and shown as
// "E" and "F"), space 0x20, 0xFF no character. Message lines and read/write
// codes: radio character codes (charcode/HanZi.h).
#include "model/ImageMap.h"
#include "model/Model.h"

#include <string>

namespace model {

inline constexpr int MessageLineBox = 2;  // txtPc(2) line 1, txtPc(3) line 2
inline constexpr int PowerOnCodeBox = 10; // txtPc(10)
inline constexpr int FullResetCodeBox = 11;
inline constexpr int PhoneBookCallIdColumn = 1;
inline constexpr int DtmfCodeChars = 16; // size of AsciiDat

// Store txtPc(10) / txtPc(11): the digits 0-5 among its first six characters.
void PowerOnCodeToSave(ModelState& m);
void FullResetCodeToSave(ModelState& m);
// Show them: the power-on code skips bytes above 5, the full-reset code ends
// at the first one.
void ShowPowerOnCode(ModelState& m);
void ShowFullResetCode(ModelState& m);

// The text with only the characters of the kind: 0 DTMF code fields (digits,
// "A"-"D", "E" for "*"/"e", "F" for "#"/"f", space), 1 digits and "A"-"C",
// 2 digits; lower-case letters come back upper-cased. Any other kind keeps
// nothing.
std::string DelInvalidChar(const std::string& text, int kind);

// The DTMF bytes of the first 16 characters of text into AsciiDat (0xFF for
// the rest and for characters without a byte).
void TextToAscii(ModelState& m, const std::string& text);
// The text of the 16 entries of AsciiDat into AsciiTxt, untrimmed.
void AsciiToTxt(ModelState& m);
// A DTMF field of length bytes (at most 16) at `at`: its text, read from
// exactly the field's own bytes; and text stored into it, its first length
// characters' bytes and 0xFF after them. Both pass through AsciiDat.
std::string DtmfFieldText(ModelState& m, map::Addr at, int length);
void StoreDtmfField(ModelState& m, map::Addr at, int length, const std::string& text);
// Shows the CALL ID of phone-book entry n (1-25) in cell (n, 1) of the phone-book grid.
void PhoneBookCallIdShow(ModelState& m, int n);

// Show the message lines in txtPc(2) and txtPc(3), the read/write code in
// txtRdWrCode and NewRdWrCode in txtNewRdWrCode.
void ShowTextLines(ModelState& m);
void ShowRdWrCode(ModelState& m);
void ShowNewRdWrCode(ModelState& m);

} // namespace model
