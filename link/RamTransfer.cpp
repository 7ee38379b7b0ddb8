#include "link/RamTransfer.h"

#include "app/FaceText.h"
#include "app/Shell.h"
#include "link/Engine.h"
#include "link/FlashTransfer.h"
#include "link/LinkHosts.h"
#include "link/LinkTexts.h"
#include "link/Protocol.h"

#include <algorithm>
#include <span>
#include <vector>

namespace radiolink {
namespace {

// What tells the four operations apart.
struct RamMember {
    bool read;
    bool internal;
    Button ToolWindow::*button;
    int ToolWindow::*first;
    int ToolWindow::*last;
};

constexpr RamMember kReadIn{true, true, &ToolWindow::cmdRdInRam, &ToolWindow::cboRdInRamFir,
                            &ToolWindow::cboRdInRamLast};
constexpr RamMember kWriteIn{false, true, &ToolWindow::cmdWrInRam, &ToolWindow::cboWrInRamFir,
                             &ToolWindow::cboWrInRamLast};
constexpr RamMember kReadExt{true, false, &ToolWindow::cmdRdExtRam, &ToolWindow::cboRdExtRamFir,
                             &ToolWindow::cboRdExtRamLast};
constexpr RamMember kWriteExt{false, false, &ToolWindow::cmdWrExtRam, &ToolWindow::cboWrExtRamFir,
                              &ToolWindow::cboWrExtRamLast};

using app::text;

std::string readScript(LinkState& s, const std::string& area, unsigned address, unsigned n) {
    const std::string where = area + WordToHexStr(address) + WordToHexStr(n);
    const std::string request = T(s, 0x36) + where;
    std::string script = request + ComSumText(s, request) + R(s, 0x36) + where;
    for (unsigned i = 0; i < n; ++i) script += "VA";
    return script + "EN";
}

std::string writeScript(LinkState& s, const std::string& area, unsigned address,
                        std::span<const std::uint8_t> data) {
    std::string script =
        T(s, 0x37) + area + WordToHexStr(address) + WordToHexStr(static_cast<unsigned>(data.size()));
    unsigned sum = 0x5AA5;
    for (std::uint8_t b : data) {
        script += ByteToHexStr(b);
        sum += b;
    }
    return script + WordToHexStr(sum & 0xFFFF) + R(s, 0x37) + "EN";
}

bool transfer(LinkState& s, const RamMember& m) {
    LinkSession session(s);
    if (session.refused()) return false;
    ToolWindow& w = s.frmMain;
    const int firstIndex = w.*m.first;
    const int lastIndex = w.*m.last;
    const unsigned listSize = m.internal ? 0xD0 : 0xB00;
    if (firstIndex < 0 || lastIndex < firstIndex || static_cast<unsigned>(lastIndex) >= listSize) {
        s.ComFail = -1;
        return true;
    }
    if (!OpenRunPort(s)) return true;
    const unsigned first = static_cast<unsigned>(firstIndex) + (m.internal ? 0x30 : 0);
    const unsigned n = static_cast<unsigned>(lastIndex - firstIndex + 1);
    const unsigned last = first + n - 1;
    const int grid = m.internal ? GridInRam : GridExtRam;
    const std::string area = m.internal ? "37" : "85";
    std::uint8_t* image = m.internal ? s.InRamDat.data() : s.ExtRamDat.data();
    const int chunk = m.read ? kRamReadChunk : kRamWriteChunk;
    const int exchanges = 1 + static_cast<int>((n + chunk - 1) / chunk);

    // Inside the run, so that a window failing to show it still ends it.
    auto begin = [&] {
        s.ComTryCnt = 0;
        w.chkStopCom.Visible = false;
        (w.*m.button).Enabled = false;
        ToolWindowChanged(s);
        platform::host<ToolWindowHost>().MarkGridCells(2, grid, 0, 0);
        s.ComBusy = -1;
        ShowComStatus(s, text(m.read ? kTextTryToRead : kTextTryToWrite));
    };

    auto exchangeDone = [&](int done) {
        ShowComStatus(s, text(m.read ? kTextReading : kTextWriting) +
                             std::to_string(TransferPercent(done, exchanges)) + " %");
    };
    auto attempt = [&]() -> bool {
        if (!ExchangeOnce(s, HandshakeScript(s, kOtherMode))) return false;
        int done = 1;
        exchangeDone(done);
        std::vector<std::uint8_t> got;
        for (unsigned at = 0; at < n; at += chunk) {
            const unsigned size = std::min<unsigned>(chunk, n - at);
            const std::string script = m.read ? readScript(s, area, first + at, size)
                                              : writeScript(s, area, first + at, {image + first + at, size});
            if (!ExchangeOnce(s, script)) return false;
            if (m.read) got.insert(got.end(), s.RxDat.begin() + 1, s.RxDat.begin() + 1 + size);
            if (at + size < n) exchangeDone(++done);
        }
        if (m.read) {
            // Only a range that came in whole reaches the image.
            std::copy(got.begin(), got.end(), image + first);
            ToolWindowHost& tool = platform::host<ToolWindowHost>();
            if (m.internal)
                tool.ShowInRamGrid(static_cast<int>(first), static_cast<int>(last));
            else
                tool.ShowExtRamGrid(static_cast<int>(first), static_cast<int>(last));
        }
        exchangeDone(exchanges);
        if (m.read) {
            const int mode = m.internal ? w.chkGridInRamColor.Value : w.chkGridExtRamColor.Value;
            platform::host<ToolWindowHost>().MarkGridCells(mode, grid, static_cast<int>(first),
                                                           static_cast<int>(n));
        }
        return true;
    };
    auto attempts = [&] {
        begin();
        RetryAttempts(s, attempt, 9, 11, text(m.read ? kTextTryToRead : kTextTryToWrite));
    };
    auto end = [&] {
        CloseRun(s);
        ShowComStatus(s, text(m.read ? (s.ComFail == 0 ? kTextReadSuccessful : kTextReadFailed)
                                     : (s.ComFail == 0 ? kTextWriteSuccessful : kTextWriteFailed)));
        (w.*m.button).Enabled = true;
        ToolWindowChanged(s);
        s.ComBusy = 0;
    };
    RunThenEnd(s, attempts, end);
    return true;
}

} // namespace

bool ComReadInRam(LinkState& s) {
    return transfer(s, kReadIn);
}
bool ComWriteInRam(LinkState& s) {
    return transfer(s, kWriteIn);
}
bool ComReadExtRam(LinkState& s) {
    return transfer(s, kReadExt);
}
bool ComWriteExtRam(LinkState& s) {
    return transfer(s, kWriteExt);
}

} // namespace radiolink
