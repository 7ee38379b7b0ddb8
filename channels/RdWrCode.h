#pragma once
// The read/write code boxes of the channel window's hidden holder, without a
// display. The code is six radio characters at 0xE780 (0xE780-0xE78D all
// 0xFF when there is none); the new code is kept in NewRdWrCode only.
//
// A load shows the code and stores nothing, so loading the same file twice
// gives the same image: the model's ShowRdWrCode reaches SetRdWrCodeText
// through the channel window, which only shows. A change of the box's text
// stores it and shows what was kept; the shown text coming back from the box
// stores nothing, which ends the store-and-show chain.
#include "model/Model.h"

#include <cstdint>
#include <string>

namespace channels {

struct RdWrCodeState {
    std::string RdWrCodeText;      // txtRdWrCode
    std::string NewRdWrCodeText;   // txtNewRdWrCode
    int NewRdWrCodeValue = 0;      // chkNewRdWrCode, 1 ticked
    bool NewRdWrCodeShown = false; // lblNewRdWrCode, txtNewRdWrCode and lblRdWrCodeHint(1)
    // -1 while what the user typed is stored: a re-show that differs from it
    // only by trailing spaces leaves it standing.
    std::int16_t RdWrCodeTyping = 0, NewRdWrCodeTyping = 0;
};

// Which box a change names (SettingsPagesHost::Changed with Ctl::RdWrCode).
inline constexpr int RdWrCodeBox = 0, NewRdWrCodeBox = 1;

// The channel window's SetRdWrCodeText and SetNewRdWrCodeText: the box shows
// text. Stores nothing.
void SetRdWrCodeText(RdWrCodeState& s, const std::string& text);
void SetNewRdWrCodeText(RdWrCodeState& s, const std::string& text);

// txtRdWrCode now holds text: stores its first six characters (a blank text
// empties the code) and shows the stored code, but keeps the typed text
// where the two differ only by its trailing spaces (they store the same).
// A shown text that differs otherwise is stored in turn, as the box shows it.
void RdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text);
// The same for txtNewRdWrCode and NewRdWrCode (all 16 bytes 0xFF when blank).
void NewRdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text);
// chkNewRdWrCode clicked to value (1 ticked): shows or hides the new code.
void NewRdWrCodeClick(RdWrCodeState& s, int value);

} // namespace channels
