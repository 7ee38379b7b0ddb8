#pragma once
// RAM ranges between the radio and the tool window's RAM images InRamDat
// (internal RAM, 0x30-0xFF) and ExtRamDat (external RAM, 0x000-0xAFF). Each
// takes its range from its pair of lists in LinkState::frmMain and is
// refused (ComFail = -1, the port untouched) while a list of the pair is
// empty. A range longer than one exchange carries goes in several
// exchanges of one attempt; a read changes its image only when the whole
// range came in. False only when the link refused the request.
#include "link/LinkState.h"

namespace radiolink {

bool ComReadInRam(LinkState& s);
bool ComWriteInRam(LinkState& s);
bool ComReadExtRam(LinkState& s);
bool ComWriteExtRam(LinkState& s);

// The most data bytes one exchange carries.
inline constexpr int kRamReadChunk = 1490;
inline constexpr int kRamWriteChunk = 1488;

} // namespace radiolink
