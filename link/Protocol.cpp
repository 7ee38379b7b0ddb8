#include "link/Protocol.h"

#include "link/Engine.h"
#include "link/PortChoice.h"

namespace radiolink {
namespace {

// Code bytes of commands 0x31-0x3A; 0x35 is not used.
constexpr std::array<const char*, 10> kCodes = {"8C31E0A4", "D54B9E27", "4AF0629B", "E1D83C50", "",
                                                "6E24B8D3", "0C95F7A1", "F36D18C9", "2B80E45F", "A7C2597E"};

std::string swapNibbles(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += {hex[i + 1], hex[i]};
    return out;
}

std::string repeat(const std::string& token, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += token;
    return out;
}

// Restores ComConnecting however the probe ends.
struct Connecting {
    explicit Connecting(LinkState& s) : s(s) { s.ComConnecting = -1; }
    ~Connecting() { s.ComConnecting = 0; }
    LinkState& s;
};

} // namespace

void InitComCode(LinkState& s) {
    for (int i = 0; i < 10; ++i) {
        const std::string code = kCodes[i];
        if (code.empty()) {
            s.TxFrame[i].clear();
            s.RxFrame[i].clear();
            continue;
        }
        const std::string command = ByteToHexStr(static_cast<std::uint8_t>(0x31 + i));
        s.TxFrame[i] = "TX5A" + command + code;
        s.RxFrame[i] = "RX5A" + swapNibbles(command + code);
    }
    s.ComPara = {"00F13C8A62D4B7E9", "11A7D20B94E36C58", "22C5F1", "", "", "55B3E1"};

    const std::string first = T(s, 0x36) + "8502F6000A";
    const std::string second = T(s, 0x36) + "8503880006";
    s.ComScript[0] = T(s, 0x31) + R(s, 0x31) + T(s, 0x32) + kOtherMode + R(s, 0x32) + first +
                     ComSumText(s, first) + R(s, 0x36) + "8502F6000A" + repeat("VA", 12) + second +
                     ComSumText(s, second) + R(s, 0x36) + "8503880006" + repeat("VA", 6) + "EN";
    const std::string closing = T(s, 0x38) + s.ComPara[2] + "A6A6A6";
    s.ComScript[1] = closing + ComSumText(s, closing) + R(s, 0x38);
}

const std::string& T(const LinkState& s, int command) {
    return s.TxFrame[command - 0x31];
}
const std::string& R(const LinkState& s, int command) {
    return s.RxFrame[command - 0x31];
}

std::string HandshakeScript(const LinkState& s, const std::string& mode) {
    return T(s, 0x31) + R(s, 0x31) + T(s, 0x32) + mode + R(s, 0x32) + "EN";
}

bool ConnectRadio(LinkState& s) {
    LinkSession session(s);
    if (session.refused()) return false;
    const std::string script = T(s, 0x31) + R(s, 0x31) + "EN";
    Connecting connecting(s);
    cboComBps_Click(s, 6);
    s.comCommun.SetSettings(std::string(kBaudList[6]) + ",n,8,2");
    for (int run = 0; run < 11; ++run) {
        if (s.ComStop == -1) {
            FailExchange(s, FailWhy::Stopped);
            break;
        }
        s.ComFail = 0;
        ComProcSeq(s, script);
        if (s.ComFail == 0) break;
        // A port that will not open is not retried unless the user chose
        // another one in the port dialog.
        if (s.ComPortErr == -1 && !s.ComPortChosen) break;
    }
    return true;
}

bool StartRadioSession(LinkState& s) {
    LinkSession session(s);
    if (session.refused()) return false;
    InitComCode(s);
    ConnectRadio(s);
    if (s.ComFail == -1) return true;
    ComProcSeq(s, s.ComScript[0]);
    return true;
}

bool ComReadBytes(LinkState& s, const std::string& area, const std::string& address,
                  const std::string& length, int count) {
    LinkSession session(s);
    if (session.refused()) return false;
    const std::string request = T(s, 0x36) + area + address + length;
    const std::string script = T(s, 0x31) + R(s, 0x31) + T(s, 0x32) + kOtherMode + R(s, 0x32) + request +
                               ComSumText(s, request) + R(s, 0x36) + area + address + length +
                               repeat("VA", count) + "EN";
    ComProcSeq(s, script);
    return true;
}

bool ReadExtRamFlag(LinkState& s) {
    LinkSession session(s);
    if (session.refused()) return false;
    s.ExtRamFlag = 0;
    ComReadBytes(s, "85", "00F1", "0001", 1);
    if (s.ComFail == 0 && s.RxDat[1] == 0xFF) s.ExtRamFlag = -1;
    return true;
}

bool SendPowerAdjCmd(LinkState& s, int select, std::uint8_t value) {
    LinkSession session(s);
    if (session.refused()) return false;
    const std::string send =
        T(s, 0x38) + s.ComPara[2] + (select != 0 ? "DCDC" : "2A2A") + ByteToHexStr(value);
    const std::string script = T(s, 0x31) + R(s, 0x31) + T(s, 0x32) + kOtherMode + R(s, 0x32) + send +
                               ComSumText(s, send) + R(s, 0x38) + s.ComScript[1] + "EN";
    ComProcSeq(s, script);
    return true;
}

std::string ClosingExchangeScript(const LinkState& s) {
    return T(s, 0x31) + R(s, 0x31) + s.ComScript[1] + "EN";
}

std::uint8_t SideKeyCode(int index, bool hold) {
    static constexpr std::uint8_t codes[3][2] = {{0x01, 0x02}, {0x04, 0x08}, {0x10, 0x20}};
    return codes[index < 0 || index > 2 ? 0 : index][hold ? 1 : 0];
}

std::string SideKeyScript(LinkState& s, std::uint8_t code) {
    const std::string send = T(s, 0x38) + s.ComPara[2] + "5757" + ByteToHexStr(code);
    return T(s, 0x31) + R(s, 0x31) + send + ComSumText(s, send) + R(s, 0x38) + s.ComScript[1] + "EN";
}

std::string MainKeyScript(LinkState& s, int index) {
    const std::string key = ByteToHexStr(static_cast<std::uint8_t>(0x20 + index));
    const std::string send = T(s, 0x38) + s.ComPara[5] + key + key + key;
    return T(s, 0x31) + R(s, 0x31) + send + ComSumText(s, send) + R(s, 0x38) + s.ComScript[1] + "EN";
}

std::string Identification::stampText() const {
    std::string text;
    for (std::uint8_t b : stamp) text += ByteToHexStr(b);
    return text;
}

Identification IdentificationRecord(const LinkState& s) {
    Identification id;
    for (int i = 0; i < 5; ++i) id.stamp[i] = s.RxDat[1 + i];
    id.model = s.RxDat[10];
    return id;
}

} // namespace radiolink
