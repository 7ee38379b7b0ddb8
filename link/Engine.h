#pragma once
// The link engine: the script language of exchanges, its interpreter, the
// reply waits with their tick budgets, and a run with its attempts.
//
// Scripts are texts of two-character tokens: "TX" begins an exchange and its
// send part, "RX" its expected reply, "VA" one captured (or resent) byte,
// "EN" ends the script; every other token is a byte in hex. Outcomes are
// ComFail, RxDat and the status texts, never results.
#include "link/LinkState.h"

#include <cstdint>
#include <string>

namespace radiolink {

// The link lock. Every link operation holds one for its whole length. A
// request made from an event that runs inside a wait of the holder (a
// timer, a click during DelayNms or the port dialog) is refused: the
// operation then does nothing at all and returns false.
class LinkSession {
  public:
    explicit LinkSession(LinkState& s);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;
    bool refused() const { return refused_; }

  private:
    LinkState& s_;
    bool refused_ = false;
};

// True while an operation holds the link and the caller would be refused.
bool LinkRefuses(const LinkState& s);

// Runs one script with up to 25 attempts, the port opened before and closed
// after. False only when refused.
bool ComProcSeq(LinkState& s, const std::string& script);

// Splits the script into ComTokens. Throws platform::Failure for more than
// 2,000 tokens.
void ConvComCode(LinkState& s, const std::string& script);
// Interprets ComTokens once from position 1 (one attempt). Throws
// platform::Failure when an exchange exceeds the engine's tables.
void ProtocolCom(LinkState& s);
// Waits for n reply bytes and matches them against RxExpect.
void RxComDat(LinkState& s, int n);
// The "RF"/"WF" hook; it has no effect.
void ReadWriteFre(const std::string& name, int a, int b, int c);

// Opens port ComPortNo (ComPortErr tells the outcome; a failure asks the
// user for a port), closes it. Both report their own failures.
void OpenCom(LinkState& s);
void CloseCom(LinkState& s);

// Waits ms + 2 milliseconds while window events run.
void DelayNms(LinkState& s, int ms);

// The reply budget in ticks before the first byte, by failed attempts.
int ReplyBudget(int failedAttempts);

std::string ByteToHexStr(std::uint8_t value);
// 0x5AA5 plus every token but "TX" read as hex, into ComSumHi/ComSumLo.
void CalcComSum(LinkState& s, const std::string& text);
// CalcComSum's two bytes as the four hex digits callers append.
std::string ComSumText(LinkState& s, const std::string& text);

// Status text of the tool window and the read/write dialog.
void ShowComStatus(LinkState& s, const std::string& text);

// Value of a token as the interpreter reads it: its leading hex digits.
int HexTokenValue(const std::string& token);

} // namespace radiolink
