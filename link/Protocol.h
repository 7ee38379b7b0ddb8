#pragma once
// The wire protocol: command frames and their replies, parameter blocks,
// canned scripts, the connection set-up with its two handshake stages and
// the identification, and the small commands of the alignment tools.
//
// Every public operation holds the link lock and returns false only when it
// was refused (LinkSession); the outcome is ComFail (0 success, -1 failure).
#include "link/LinkState.h"

#include <array>
#include <cstdint>
#include <string>

namespace radiolink {

// Fills TxFrame, RxFrame, ComPara and ComScript.
void InitComCode(LinkState& s);

// T(c), R(c): the "TX" frame of command c and its "RX" reply frame.
const std::string& T(const LinkState& s, int command);
const std::string& R(const LinkState& s, int command);

// Mode bytes of the stage-2 handshake.
inline constexpr const char* kReadMode = "5A5A89";
inline constexpr const char* kOtherMode = "5AA598";
// Both handshake stages as one script: the opening of a memory transfer.
std::string HandshakeScript(const LinkState& s, const std::string& mode);

// Forces 9600 baud and probes the radio with up to 11 stage-1 runs.
bool ConnectRadio(LinkState& s);
// Rebuilds the tables, connects and reads the identification into RxDat 1-18.
bool StartRadioSession(LinkState& s);

// Reads count bytes of a RAM area into RxDat 1-count; area two hex digits,
// address and length four.
bool ComReadBytes(LinkState& s, const std::string& area, const std::string& address,
                  const std::string& length, int count);
// ExtRamFlag := -1 when external RAM byte 0x00F1 reads 0xFF, else 0.
bool ReadExtRamFlag(LinkState& s);
// One power-point (select 0) or fine-tune (select not 0) value.
bool SendPowerAdjCmd(LinkState& s, int select, std::uint8_t value);

// The closing exchange the radio read sends after a good page read.
std::string ClosingExchangeScript(const LinkState& s);
// The keypad's commands: side key 0 "PTT", 1 "SK1", 2 "SK2", the second
// code of each when its hold box is ticked; main keys 0-17.
std::uint8_t SideKeyCode(int index, bool hold);
std::string SideKeyScript(LinkState& s, std::uint8_t code);
std::string MainKeyScript(LinkState& s, int index);

// The identification record in RxDat after StartRadioSession.
struct Identification {
    std::array<std::uint8_t, 5> stamp{}; // RxDat 1-5, external RAM 0x02F6-0x02FA
    std::uint8_t model = 0;              // RxDat 10, external RAM 0x02FF
    std::string stampText() const;       // ten upper-case hex digits
};
Identification IdentificationRecord(const LinkState& s);

} // namespace radiolink
