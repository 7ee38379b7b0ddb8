#include "link/Engine.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Reasons.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/LinkHosts.h"
#include "link/LinkTexts.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "platform/SerialPort.h"

#include <algorithm>

namespace radiolink {
namespace {

constexpr int kMaxTokens = 2000;
constexpr int kMaxBlock = 1501; // send bytes, and expected bytes, of one exchange

const std::string& tokenAt(const LinkState& s, int pos) {
    static const std::string none;
    return pos >= 1 && pos <= kMaxTokens ? s.ComTokens[pos] : none;
}

// Marks a wait in which window events run.
struct Yield {
    explicit Yield(LinkState& s) : s(s) { ++s.yieldDepth; }
    ~Yield() { --s.yieldDepth; }
    LinkState& s;
};

bool endsReply(const std::string& t) {
    return t.empty() || t == "TX" || t == "EN" || t == "RF" || t == "WF";
}

// Sends the exchange's block and waits for its reply. Any I/O error or a
// line that will not take the block in time fails the exchange.
void runExchange(LinkState& s) {
    s.ComFail = 0;
    s.ComFailWhy = FailWhy::None;
    try {
        s.comCommun.ClearOutput();
        s.comCommun.ClearInput();
        if (s.TxCnt > 0) {
            s.TxBytes.resize(s.TxCnt);
            const int limit = platform::SerialPort::lineTimeMs(s.TxBytes.size(), s.comCommun.Baud()) + 1000;
            const std::int64_t start = platform::clock().nowMs();
            s.comCommun.Output(s.TxBytes, limit);
            while (s.comCommun.OutBufferCount() > 0) {
                if (platform::clock().nowMs() - start > limit) {
                    FailExchange(s, FailWhy::LineClosed);
                    return;
                }
                DelayNms(s, 1);
            }
        }
    } catch (const platform::Failure&) {
        FailExchange(s, FailWhy::LineClosed);
        return;
    }
    if (s.RxExpectCnt > 0) RxComDat(s, s.RxExpectCnt);
}

// Reads one exchange's send and reply parts, leaving TokenPos on the token
// that ended it. RxDat needs no bound of its own: each capture takes a token,
// and a script has at most 2,000 of them.
void readExchange(LinkState& s) {
    s.TxBytes.assign(kMaxBlock, 0);
    std::fill(s.RxExpect.begin(), s.RxExpect.end(), std::string());
    s.TxCnt = 0;
    s.RxExpectCnt = 0;
    bool reply = false;
    for (;;) {
        ++s.TokenPos;
        const std::string& t = tokenAt(s, s.TokenPos);
        if (!reply) {
            if (t == "RX") {
                reply = true;
                continue;
            }
            if (t == "EN" || t.empty()) return;
            if (s.TxCnt >= kMaxBlock) throw platform::Failure("a send block of more than 1,501 bytes");
            std::uint8_t b = 0;
            if (t == "VA")
                b = s.RxDat[s.RxDatPos++];
            else if (t != "TX" && t != "RF" && t != "WF")
                b = static_cast<std::uint8_t>(platform::hexPrefixValue(t));
            s.TxBytes[s.TxCnt++] = b;
        } else {
            if (endsReply(t)) return;
            if (s.RxExpectCnt >= kMaxBlock) throw platform::Failure("a reply of more than 1,501 bytes");
            s.RxExpect[s.RxExpectCnt++] = t;
        }
    }
}

} // namespace

LinkSession::LinkSession(LinkState& s) : s_(s) {
    if (LinkRefuses(s)) {
        refused_ = true;
        return;
    }
    if (s.holdDepth++ == 0) s.holderYieldDepth = s.yieldDepth;
}

LinkSession::~LinkSession() {
    if (!refused_) --s_.holdDepth;
}

void FailExchange(LinkState& s, FailWhy why) {
    s.ComFail = -1;
    s.ComFailWhy = why;
}

bool LinkRefuses(const LinkState& s) {
    return s.holdDepth > 0 && s.yieldDepth > s.holderYieldDepth;
}

std::string ByteToHexStr(std::uint8_t value) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

std::string WordToHexStr(unsigned value) {
    return ByteToHexStr(static_cast<std::uint8_t>(value >> 8)) +
           ByteToHexStr(static_cast<std::uint8_t>(value));
}

void CalcComSum(LinkState& s, const std::string& text) {
    unsigned sum = 0x5AA5;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        std::string t = text.substr(i, 2);
        if (t != "TX") sum += static_cast<unsigned>(platform::hexPrefixValue(t));
    }
    sum &= 0xFFFF;
    s.ComSumHi = static_cast<std::uint8_t>(sum >> 8);
    s.ComSumLo = static_cast<std::uint8_t>(sum & 0xFF);
}

std::string ComSumText(LinkState& s, const std::string& text) {
    CalcComSum(s, text);
    return ByteToHexStr(s.ComSumHi) + ByteToHexStr(s.ComSumLo);
}

int ReplyBudget(int c) {
    if (c <= 2) return 250 + 10 * c;
    if (c <= 9) return 300 + 10 * c;
    if (c <= 19) return 350 + 10 * (c - 10);
    return 500 + 10 * (c % 5);
}

void ShowComStatus(LinkState& s, const std::string& text) {
    s.frmMain.lblComStatus = text;
    s.frmCommun.lblComStatus = text;
    ToolWindowChanged(s);
    CommunChanged(s);
}

void ConvComCode(LinkState& s, const std::string& script) {
    const int n = static_cast<int>((script.size() + 1) / 2);
    if (n > kMaxTokens)
        throw platform::Failure("a script of " + std::to_string(n) + " tokens (2,000 at most)");
    for (int i = 0; i < n; ++i) s.ComTokens[i + 1] = script.substr(2 * i, 2);
    // Nothing of a longer earlier script may run on behind this one.
    for (int i = n + 1; i <= s.ComTokenCount; ++i) s.ComTokens[i].clear();
    s.ComTokenCount = n;
}

void ProtocolCom(LinkState& s) {
    s.frmMain.lblBpsDat = s.comCommun.Settings();
    ToolWindowChanged(s);
    s.RxDatPos = 1;
    s.TokenPos = 1;
    for (;;) {
        const std::string& t = tokenAt(s, s.TokenPos);
        if (t == "TX") {
            readExchange(s);
            runExchange(s);
        } else if (t == "RF" || t == "WF") {
            const std::string name = t;
            ReadWriteFre(name, platform::hexPrefixValue(tokenAt(s, s.TokenPos + 1)),
                         platform::hexPrefixValue(tokenAt(s, s.TokenPos + 2)),
                         platform::hexPrefixValue(tokenAt(s, s.TokenPos + 3)));
            s.TokenPos = static_cast<std::int16_t>(s.TokenPos + 4);
        } else {
            return;
        }
        if (s.ComFail == -1) {
            s.frmCommun.chkStopComVisible = true;
            CommunChanged(s);
            return;
        }
    }
}

void RxComDat(LinkState& s, int n) {
    const bool connecting = s.ComConnecting == -1;
    const int idleBudget = connecting ? 10 : 50;
    int budget = connecting ? 10 : ReplyBudget(s.ComTryCnt);
    int k = 0;
    int lastSeen = 0;
    try {
        for (;;) {
            const int count = s.comCommun.InBufferCount();
            if (count >= n) break;
            if (s.ComStop == -1) {
                FailExchange(s, FailWhy::Stopped);
                return;
            }
            // Every new byte starts the idle budget afresh, so a long reply
            // that keeps coming is never cut off.
            if (count > lastSeen) {
                k = 0;
                budget = idleBudget;
                lastSeen = count;
            }
            DelayNms(s, 1);
            if (!connecting) platform::clock().sleepMs(1);
            ++k;
            const bool stopped = s.frmMain.chkStopCom.Value == 1;
            if (stopped) k = budget + 1;
            if (k > budget) {
                FailExchange(s, stopped                ? FailWhy::Stopped
                                : s.comCommun.HungUp() ? FailWhy::LineClosed
                                : lastSeen == 0        ? FailWhy::NoAnswer
                                                       : FailWhy::WrongAnswer); // it broke off
                return;
            }
        }
        s.RxBytes = s.comCommun.Input();
    } catch (const platform::Failure&) {
        FailExchange(s, FailWhy::LineClosed);
        return;
    }
    if (static_cast<int>(s.RxBytes.size()) < n) {
        FailExchange(s, FailWhy::WrongAnswer);
        return;
    }
    for (int i = 0; i < n; ++i) {
        if (s.RxExpect[i] == "VA") {
            s.RxDat[s.RxDatPos++] = s.RxBytes[i];
        } else if (platform::hexPrefixValue(s.RxExpect[i]) != s.RxBytes[i]) {
            FailExchange(s, FailWhy::WrongAnswer);
            return;
        }
    }
}

void ReadWriteFre(const std::string&, int, int, int) {}

void OpenCom(LinkState& s) {
    s.ComPortChosen = false;
    if (s.comCommun.PortOpen()) {
        s.ComPortErr = 0;
        return;
    }
    const auto refused = [&](const app::Caught& c) {
        s.ComPortErr = -1;
        if (c.error)
            NotePortFailure(s, s.ComPortNo, *c.error);
        else
            NotePortFailure(s, s.ComPortNo, std::exception());
        // The modal dialog runs events: for them this is a wait of the
        // running operation.
        Yield waiting(s);
        s.ComPortChosen = platform::host<LinkDialogsHost>().ChoosePort();
    };
    app::Guarded("modCommun->OpenCom", refused, [&] {
        s.comCommun.CommPort = s.ComPortNo;
        s.comCommun.Open(app::SettingsFile());
        s.ComPortErr = 0;
        NotePortOpened(s, s.ComPortNo);
    });
}

void NotePortOpened(LinkState& s, int port) {
    if (port >= 1 && port <= 16) s.ComPortWhy[static_cast<std::size_t>(port)].clear();
}

void NotePortFailure(LinkState& s, int port, const std::exception& e) {
    if (port < 1 || port > 16) return;
    // The platform's other failures (a rate the device refuses) speak
    // English, and anything else is a fault of the program: neither is
    // shown as it stands.
    std::string why = dynamic_cast<const platform::Failure*>(&e)
                          ? app::text(app::TextKey::PortCannotOpen,
                                      platform::SerialPort::deviceOf(port, app::SettingsFile()))
                          : app::Caught{&e}.reason();
    if (const auto* open = dynamic_cast<const platform::PortOpenFailure*>(&e)) {
        using platform::PortProblem;
        const std::string& device = open->device;
        switch (open->problem) {
        case PortProblem::NoDevice:
            why = device.empty() ? app::text(app::TextKey::PortNoDeviceForPort)
                                 : app::text(app::TextKey::PortNoDevice, device);
            break;
        case PortProblem::NoPermission:
            why = app::text(app::TextKey::PortNoPermission, device);
            break;
        case PortProblem::InUse:
            why = app::text(app::TextKey::PortInUse, device);
            break;
        case PortProblem::NotSerial:
            why = app::text(app::TextKey::PortNotSerial, device);
            break;
        case PortProblem::Other:
            why = app::WithCause(app::text(app::TextKey::PortCannotOpen, device),
                                 app::SystemCause(open->sysError));
            break;
        }
    }
    s.ComPortWhy[static_cast<std::size_t>(port)] = why;
}

void CloseCom(LinkState& s) {
    app::Guarded("modCommun->CloseCom", [&] { s.comCommun.Close(); });
}

void DelayNms(LinkState& s, int ms) {
    platform::Clock& clock = platform::clock();
    const std::int64_t start = clock.nowMs();
    Yield waiting(s);
    app::Guarded("modCommun->DelayNms", [&] {
        for (;;) {
            platform::pumpEvents();
            const std::int64_t left = ms + 2 - (clock.nowMs() - start);
            if (left <= 0) break;
            // One sleep for the rest of the wait, but windows get their
            // events at least every kPumpEveryMs of a long one: waking
            // every millisecond cost a silent radio's wait its CPU.
            clock.sleepMs(static_cast<int>(std::min<std::int64_t>(left, kPumpEveryMs)));
        }
    });
}

bool OpenRunPort(LinkState& s) {
    OpenCom(s);
    if (s.ComPortErr != -1) return true;
    FailExchange(s, FailWhy::PortNotOpened);
    return false;
}

void BeginRun(LinkState& s) {
    s.ComTryCnt = 0;
    s.frmMain.chkStopCom.Visible = false;
    s.frmMain.cmdReadFlash.FontBold = false;
    s.frmMain.cmdWriteFlash.Enabled = false;
    s.ComBusy = -1;
    ToolWindowChanged(s);
}

bool ExchangeOnce(LinkState& s, const std::string& script) {
    ConvComCode(s, script);
    ProtocolCom(s);
    return s.ComFail != -1;
}

void RetryAttempts(LinkState& s, const std::function<bool()>& attempt, int stopFrom, int statusFrom,
                   const std::string& retryText) {
    while (!attempt()) {
        ++s.ComTryCnt;
        if (s.ComTryCnt >= stopFrom) {
            s.frmMain.chkStopCom.Visible = true;
            ToolWindowChanged(s);
            if (s.frmMain.chkStopCom.Value == 1) return;
        }
        if (s.ComTryCnt >= statusFrom) ShowComStatus(s, retryText + " " + std::to_string(s.ComTryCnt));
        if (s.ComTryCnt >= 25) return;
    }
}

void CloseRun(LinkState& s) {
    s.frmMain.chkStopCom.Value = 0;
    s.frmMain.chkStopCom.Visible = false;
    ToolWindowChanged(s);
    DelayNms(s, 1);
    platform::clock().sleepMs(1);
    CloseCom(s);
}

void RunThenEnd(LinkState& s, const std::function<void()>& body, const std::function<void()>& end) {
    try {
        body();
    } catch (...) {
        s.ComFail = -1;
        end();
        throw;
    }
    end();
}

bool ComProcSeq(LinkState& s, const std::string& script) {
    LinkSession session(s);
    if (session.refused()) return false;
    if (!OpenRunPort(s)) return true;
    auto attempts = [&s, &script] {
        BeginRun(s);
        for (;;) {
            ExchangeOnce(s, script);
            if (s.ComStop == -1) FailExchange(s, FailWhy::Stopped);
            if (s.ComFail != -1) return;
            ++s.ComTryCnt;
            if (s.ComTryCnt > 2) {
                s.frmMain.chkStopCom.Visible = true;
                s.frmCommun.chkStopComVisible = true;
                ToolWindowChanged(s);
                CommunChanged(s);
                if (s.frmMain.chkStopCom.Value == 1) return;
            }
            if (s.ComTryCnt > 5) {
                ShowComStatus(s, app::text(kTextTryTimes) + " " + std::to_string(s.ComTryCnt));
                DelayNms(s, 10);
            }
            if (s.ComTryCnt >= 25) return;
        }
    };
    auto end = [&s] {
        CloseRun(s);
        ShowComStatus(s, app::text(s.ComFail == 0 ? kTextComSuccess : kTextComFailed));
        s.frmMain.cmdWriteFlash.Enabled = true;
        s.ComBusy = 0;
        ToolWindowChanged(s);
    };
    RunThenEnd(s, attempts, end);
    return true;
}

} // namespace radiolink
