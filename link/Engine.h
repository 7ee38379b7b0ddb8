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
#include <functional>
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

// An exchange or run failed (ComFail = -1), and why (ComFailWhy).
void FailExchange(LinkState& s, FailWhy why);

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

// Keeps why port n (1-16) would not open, in the interface language
// (ComPortWhy), never an exception's English; an empty reason when it opened.
void NotePortOpened(LinkState& s, int port);
void NotePortFailure(LinkState& s, int port, const std::exception& e);

// Waits ms + 2 milliseconds while window events run: at its start, at its
// end, and at least every kPumpEveryMs between.
inline constexpr int kPumpEveryMs = 10;
void DelayNms(LinkState& s, int ms);

// The reply budget in ticks before the first byte, by failed attempts.
int ReplyBudget(int failedAttempts);

std::string ByteToHexStr(std::uint8_t value);
// A 16-bit value as four hex digits, high byte first.
std::string WordToHexStr(unsigned value);
// 0x5AA5 plus every token but "TX" read as hex, into ComSumHi/ComSumLo.
void CalcComSum(LinkState& s, const std::string& text);
// CalcComSum's two bytes as the four hex digits callers append.
std::string ComSumText(LinkState& s, const std::string& text);

// What the transfers share. OpenRunPort: OpenCom, false (ComFail = -1)
// when the port would not open. ExchangeOnce: one script split and
// interpreted, true unless it failed. RetryAttempts: runs attempt until it
// succeeds, counting each failure in ComTryCnt; after failure stopFrom and
// later the tool window's stop box shows and, ticked, ends the attempts;
// after failure statusFrom and later the status text retryText, a space
// and the count shows; 25 failures end them.
bool OpenRunPort(LinkState& s);
// The start of a run once the port is open: attempts counted from 0, the
// stop box hidden, the tool window's buttons set for a run, ComBusy = -1.
void BeginRun(LinkState& s);
bool ExchangeOnce(LinkState& s, const std::string& script);
void RetryAttempts(LinkState& s, const std::function<bool()>& attempt, int stopFrom, int statusFrom,
                   const std::string& retryText);

// The end of every run: the tool window's stop box unticked and hidden, a
// moment's wait, the port closed.
void CloseRun(LinkState& s);
// Runs body, then end, also when body fails: then with ComFail = -1 before
// end, and the failure passed on. So no failure leaves the port open or
// ComBusy set.
void RunThenEnd(LinkState& s, const std::function<void()>& body, const std::function<void()>& end);

// Status text of the tool window and the read/write dialog.
void ShowComStatus(LinkState& s, const std::string& text);

} // namespace radiolink
