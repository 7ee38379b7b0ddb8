#include "link/FlashTransfer.h"

#include "app/FaceText.h"
#include "app/ImageViews.h"
#include "app/Shell.h"
#include "link/Engine.h"
#include "link/LinkHosts.h"
#include "link/LinkTexts.h"
#include "link/PortChoice.h"
#include "link/Protocol.h"
#include "platform/Numbers.h"
#include "platform/System.h"
#include "wire/WireTables.h"

#include <algorithm>

namespace radiolink {
namespace {

constexpr int kPage = 1024;

using app::text;

bool ticked(const LinkState& s, int page) {
    return s.frmMain.chkFlashPage[page].Value == 1;
}

// The boxes a write never changes while it runs.
void enableFixedBoxes(LinkState& s, bool enabled) {
    for (int p : {0, 1, 2, 3, 4, 5, 60, 61, 63}) s.frmMain.chkFlashPage[p].Enabled = enabled;
}

void showProgress(LinkState& s, int textNumber, int done, int expected) {
    s.ComPercent = TransferPercent(done, expected);
    ShowComStatus(s, text(textNumber) + std::to_string(s.ComPercent) + " %");
}

void markGrid(LinkState&, int mode, int grid, int start, int count) {
    platform::host<ToolWindowHost>().MarkGridCells(mode, grid, start, count);
}

// A running automatic-write timer starts its interval afresh; an interval
// text that is no good interval counts as the design's 1500.
void restartAutoWrite(LinkState& s) {
    if (!s.frmMain.tmrAutoWr.Enabled) return;
    s.frmMain.tmrAutoWr.Enabled = false;
    s.frmMain.tmrAutoWr.Interval = AutoWriteInterval(s.frmMain.txtWrInterval).value_or(1500);
    s.frmMain.tmrAutoWr.Enabled = true;
    platform::host<ToolWindowHost>().AutoWriteRestarted();
}

void countSuccess(LinkState& s) {
    const std::int32_t n = platform::wholeNumber(s.frmMain.txtWrRightCnt, 0, 2147483647.0).value_or(0);
    s.frmMain.txtWrRightCnt = std::to_string(n == 2147483647 ? n : n + 1);
}

void restoreLineSpeed(LinkState& s) {
    cboComBps_Click(s, s.ComBpsIndex);
    s.comCommun.SetSettings(std::string(kBaudList[s.frmMain.cboComBps]) + ",n,8,2");
}

void buildTable(std::array<std::uint8_t, 256>& table, const std::array<const char*, 256>& texts) {
    for (int i = 0; i < 256; ++i) table[i] = static_cast<std::uint8_t>(platform::hexPrefixValue(texts[i]));
}

} // namespace

void InitWireTables(LinkState& s) {
    buildTable(s.WireTbl1, wire::kWireTbl1Text);
    buildTable(s.WireTbl2, wire::kWireTbl2Text);
    buildTable(s.WireTbl3, wire::kWireTbl3Text);
}

bool IsDataPage(int page) {
    return page >= 50 && page <= 62;
}

std::optional<int> AutoWriteInterval(const std::string& text) {
    return platform::wholeNumber(text, 1, 32767);
}

std::int16_t TransferPercent(int done, int expected) {
    if (expected <= 0) return 100;
    const double p = platform::roundHalfEven(done * 100.0 / expected);
    return static_cast<std::int16_t>(std::clamp(p, 0.0, 100.0));
}

std::string WritePageScript(LinkState& s, const model::Image& image, int page, std::uint8_t key) {
    const int command = IsDataPage(page) ? 0x39 : 0x33;
    std::string script = T(s, command) + ByteToHexStr(static_cast<std::uint8_t>(page));
    script.reserve(script.size() + 2 * kPage + 40);
    // One pass scrambles the page and adds up both sums.
    std::uint32_t wireSum = 0x5AA5, pageSum = 0x5AA5;
    const int base = page * kPage;
    for (int i = 0; i < kPage; ++i) {
        const std::uint8_t b = image[base + i];
        const auto wire = static_cast<std::uint8_t>(
            (s.WireTbl3[(i + 7) % 256] + s.WireTbl2[b] - s.WireTbl1[key] + 256) % 256);
        script += ByteToHexStr(wire);
        wireSum += wire;
        pageSum += b;
    }
    wireSum += key;
    return script + ByteToHexStr(key) + WordToHexStr(wireSum & 0xFFFF) + R(s, command) +
           WordToHexStr(pageSum & 0xFFFF) + "EN";
}

std::string ReadPageScript(LinkState& s, int page) {
    const int command = IsDataPage(page) ? 0x3A : 0x34;
    const std::string where = WordToHexStr(static_cast<unsigned>(page * kPage)) + "0400";
    const std::string request = T(s, command) + where;
    std::string script = request + ComSumText(s, request) + R(s, command) + where;
    script.reserve(script.size() + 2 * 1027 + 2);
    for (int i = 0; i < 1027; ++i) script += "VA";
    return script + "EN";
}

bool UnscramblePage(const LinkState& s, model::Image& image, int page) {
    std::uint32_t sum = 0x5AA5;
    for (int i = 1; i <= 1025; ++i) sum += s.RxDat[i];
    if ((sum & 0xFFFF) != (static_cast<unsigned>(s.RxDat[1026]) << 8 | s.RxDat[1027])) return false;
    const std::uint8_t key = s.RxDat[1025];
    const int base = page * kPage;
    for (int i = 0; i < kPage; ++i)
        image[base + i] =
            s.WireTbl1[(s.RxDat[i + 1] - s.WireTbl3[(i + 10) % 256] + s.WireTbl1[key] + 256) % 256];
    return true;
}

bool ComWriteFlash(LinkState& s, const model::Image& image) {
    LinkSession session(s);
    if (session.refused()) return false;
    s.WritePagesSent = false;
    s.ComPercent = 3;
    ShowComStatus(s, text(kTextWriting) + "3 %");
    if (s.ComFail == -1) restoreLineSpeed(s);
    if (!OpenRunPort(s)) {
        restoreLineSpeed(s);
        return true;
    }
    // Inside the run from here on: a window that fails to show it still
    // ends it, the port closed.
    auto begin = [&s] {
        s.ComPercent = 0;
        BeginRun(s);
        markGrid(s, 2, GridFlash, 0, 0);
        ShowComStatus(s, text(kTextTryToWrite));
    };

    // One attempt: the handshake, every ticked page, the final exchange.
    auto attempt = [&s, &image]() -> bool {
        int done = 0;
        int expected = 2;
        bool programPage = false;
        enableFixedBoxes(s, false);
        for (int p = 6; p < 64; ++p) {
            if (ticked(s, p)) {
                ++expected;
                programPage = programPage || (p >= 7 && p <= 49);
            }
            s.frmMain.chkFlashPage[p].BackColor = kBlue;
        }
        ToolWindowChanged(s);
        for (int step = 0; step <= 65; ++step) {
            std::string script;
            const int page = step - 1;
            if (step == 0) {
                script = HandshakeScript(s, kOtherMode);
            } else if (step == 65) {
                script = programPage
                             ? T(s, 0x38) + s.ComPara[0] + R(s, 0x38) + "EN"
                             : T(s, 0x31) + R(s, 0x31) + T(s, 0x38) + s.ComPara[1] + R(s, 0x38) + "EN";
            } else {
                if (!ticked(s, page)) continue;
                s.frmMain.chkFlashPage[page].BackColor = kRed;
                ToolWindowChanged(s);
                const auto key = static_cast<std::uint8_t>(platform::Random::instance().between(0, 255));
                script = WritePageScript(s, image, page, key);
                // From here on the radio may hold part of what is written.
                s.WritePagesSent = true;
            }
            if (!ExchangeOnce(s, script)) return false;
            showProgress(s, kTextWriting, ++done, expected);
            if (page >= 4 && page < 64 && s.frmMain.chkSoftShowGrid.Value == 1)
                markGrid(s, s.frmMain.chkGridFlashColor.Value, GridFlash, page * kPage, kPage);
        }
        return true;
    };
    auto attempts = [&] {
        begin();
        RetryAttempts(s, attempt, 3, 11, text(kTextTryToWrite));
    };
    auto end = [&s] {
        CloseRun(s);
        ShowComStatus(s, text(s.ComFail == 0 ? kTextWriteSuccessful : kTextWriteFailed));
        s.frmMain.cmdWriteFlash.Enabled = true;
        enableFixedBoxes(s, true);
        restartAutoWrite(s);
        s.ComBusy = 0;
        if (s.ComFail == 0) countSuccess(s);
        ToolWindowChanged(s);
        restoreLineSpeed(s);
    };
    RunThenEnd(s, attempts, end);
    return true;
}

bool ComReadFlash(LinkState& s, model::Image& image) {
    LinkSession session(s);
    if (session.refused()) return false;
    if (!OpenRunPort(s)) return true;
    // Inside the run, as for a write.
    auto begin = [&s] {
        s.ComTryCnt = 0;
        s.ComPercent = 0;
        s.frmMain.chkStopCom.Visible = false;
        s.frmMain.cmdReadFlash.Enabled = false;
        ToolWindowChanged(s);
        markGrid(s, 2, GridFlash, 0, 0);
        s.ComBusy = -1;
        ShowComStatus(s, text(kTextTryToRead));
    };

    // The pages that came into the image, over every attempt.
    int firstRead = 64, lastRead = -1;
    auto attempt = [&s, &image, &firstRead, &lastRead]() -> bool {
        int done = 0;
        int expected = 1;
        for (int p = 0; p < 64; ++p) {
            if (ticked(s, p)) ++expected;
            s.frmMain.chkFlashPage[p].BackColor = kYellow;
        }
        ToolWindowChanged(s);
        if (!ExchangeOnce(s, HandshakeScript(s, kReadMode))) return false;
        showProgress(s, kTextReading, ++done, expected);
        for (int page = 0; page < 64; ++page) {
            if (!ticked(s, page)) continue;
            s.frmMain.chkFlashPage[page].BackColor = kMagenta;
            ToolWindowChanged(s);
            if (!ExchangeOnce(s, ReadPageScript(s, page))) return false;
            if (!UnscramblePage(s, image, page)) {
                FailExchange(s, FailWhy::WrongAnswer);
                return false;
            }
            firstRead = std::min(firstRead, page);
            lastRead = std::max(lastRead, page);
            if (s.frmMain.chkSoftShowGrid.Value == 1) {
                platform::host<app::FlashGridHost>().RefreshFlashRange(page * kPage,
                                                                       page * kPage + kPage - 1);
                platform::host<ToolWindowHost>().ShowFlashCell((page * kPage + kPage - 1) / 16, 1);
            }
            showProgress(s, kTextReading, ++done, expected);
            markGrid(s, s.frmMain.chkGridFlashColor.Value, GridFlash, page * kPage, kPage);
        }
        return true;
    };
    auto attempts = [&] {
        begin();
        RetryAttempts(s, attempt, 9, 6, text(kTextTryToRead));
    };
    auto end = [&s, &firstRead, &lastRead] {
        CloseRun(s);
        // The grid shows what came in also when it did not follow the pages
        // as they came, and also when the read broke off after some of them.
        if (lastRead >= 0)
            platform::host<app::FlashGridHost>().RefreshFlashRange(firstRead * kPage,
                                                                   lastRead * kPage + kPage - 1);
        ShowComStatus(s, text(s.ComFail == 0 ? kTextReadSuccessful : kTextReadFailed));
        s.frmMain.cmdReadFlash.Enabled = true;
        restartAutoWrite(s);
        s.ComBusy = 0;
        ToolWindowChanged(s);
    };
    RunThenEnd(s, attempts, end);
    return true;
}

} // namespace radiolink
