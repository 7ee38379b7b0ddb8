#pragma once
// The virtual keypad's logic (frmVitualKey): its buttons over the link's key
// commands. Each button sends the radio one control command carrying its
// key's code; the three side keys send their second code while their hold
// box is ticked.
#include "align/AlignState.h"
#include "link/LinkState.h"

#include <array>
#include <cstdint>
#include <string>

namespace align {

// Captions of the side keys cmdKeyPf(0..2) and the main keys cmdKeyMa(0..17).
inline constexpr std::array<const char*, 3> kSideKeyCaptions{"PTT", "SK1", "SK2"};
inline constexpr std::array<const char*, 18> kMainKeyCaptions{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "▲", "▼", "Menu", "V/M", "Exit", "AB", "#", "*"};

// The code side key `index` sends: its first code, or its second while its
// hold box is ticked.
std::uint8_t SideKeyButtonCode(const VitualKeyWindow& w, int index);

// The keypad window, created in its design state on first use.
VitualKeyWindow& VitualKey(AlignState& a);
// chkKeyPf(index): the hold box beside a side key.
void chkKeyPf_Click(AlignState& a, int index, int value);

// A click on a side key (0-2) or main key (0-17): the keypad is disabled,
// the key's command runs with its retries, and the keypad is enabled again
// whatever the outcome (ComFail). False, with nothing sent, for a key the
// keypad lacks or while another link operation runs.
bool cmdKeyPf_Click(AlignState& a, radiolink::LinkState& link, int index);
bool cmdKeyMa_Click(AlignState& a, radiolink::LinkState& link, int index);

} // namespace align
