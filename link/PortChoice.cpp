#include "link/PortChoice.h"

#include "app/FaceText.h"
#include "app/Settings.h"
#include "link/Engine.h"
#include "link/FlashTransfer.h"
#include "link/LinkHosts.h"
#include "link/Protocol.h"
#include "platform/Numbers.h"

namespace radiolink {
namespace {

void ensurePortDialog(LinkState& s) {
    if (!s.frmToolCom.loaded) PortDialogLoad(s);
}

void selectOption(LinkState& s, int port) {
    for (int i = 0; i < 16; ++i) s.frmToolCom.COM[i].Value = i == port - 1;
}

void showPortButton(LinkState& s) {
    s.frmMain.cmdPortCaption = app::text(app::TextKey::PortButton) + std::to_string(s.ComPortNo);
    ToolWindowChanged(s);
}

void unloadPortDialog(LinkState& s) {
    s.frmToolCom = PortDialog{};
    PortDialogChanged(s);
}

} // namespace

int PortNumberOf(const std::string& text) {
    return platform::wholeNumber(text, 1, 16).value_or(0);
}

std::int16_t PortStateOf(const LinkState& s, int port) {
    return port >= 1 && port <= 16 ? s.ComPortState[port] : std::int16_t(-1);
}

void TestComPort(LinkState& s, int port) {
    if (port < 1 || port > 16 || s.comCommun.PortOpen()) return;
    try {
        s.comCommun.CommPort = static_cast<std::int16_t>(port);
        s.comCommun.Open(app::SettingsFile());
        s.comCommun.Close();
        s.ComPortState[port] = 1;
        NotePortOpened(s, port);
    } catch (const std::exception& e) {
        NotePortFailure(s, port, e);
        if (s.comCommun.PortOpen()) {
            try {
                s.comCommun.Close();
            } catch (const std::exception&) {
            }
        }
        ensurePortDialog(s);
        s.frmToolCom.COM[port - 1] = {false, false};
        s.ComPortState[port] = -1;
        PortDialogChanged(s);
    }
}

void ScanComPorts(LinkState& s) {
    for (int n = 1; n <= 16; ++n) TestComPort(s, n);
}

void AutoSelectComPort(LinkState& s) {
    ScanComPorts(s);
    for (int n = 1; n <= 16; ++n) {
        if (s.ComPortState[n] != 1) continue;
        app::WriteSetting(app::keys::ConfigCom, std::to_string(n));
        s.ComPortNo = static_cast<std::int16_t>(n);
        ensurePortDialog(s);
        selectOption(s, n);
        PortDialogChanged(s);
        platform::host<PortPanelHost>().ComPortShown(n);
        return;
    }
}

void cboComBps_Click(LinkState& s, int index) {
    if (index < 0 || index >= static_cast<int>(kBaudList.size())) return;
    s.frmMain.cboComBps = index;
    s.comCommun.SetSettings(std::string(kBaudList[index]) + ",n,8,2");
    ToolWindowChanged(s);
}

void ToolWindowStartUp(LinkState& s) {
    s.TmFlag = platform::parseNumber(app::ReadSetting(app::keys::Tm)) == 1.0 ? -1 : 0;
    showPortButton(s);
    cboComBps_Click(s, 6);
    s.comCommun.SetSettings(std::string(kBaudList[s.frmMain.cboComBps]) + ",n,8,2");
}

void InitSerialHost(LinkState& s) {
    const int stored = PortNumberOf(app::ReadSetting(app::keys::ConfigCom));
    if (stored != 0) {
        s.ComPortNo = static_cast<std::int16_t>(stored);
        TestComPort(s, stored);
    }
    if (PortStateOf(s, stored) == -1) AutoSelectComPort(s);
    ToolWindowStartUp(s);
    InitWireTables(s);
    InitComCode(s);
}

void PortDialogLoad(LinkState& s) {
    s.frmToolCom = PortDialog{};
    s.frmToolCom.loaded = true;
    ScanComPorts(s);
    s.frmToolCom.cancelValue = s.ComPortNo;
    selectOption(s, s.ComPortNo);
    PortDialogChanged(s);
}

platform::IoResult PortDialogOk(LinkState& s) {
    for (int i = 0; i < 16; ++i) {
        if (!s.frmToolCom.COM[i].Value) continue;
        s.ComPortNo = static_cast<std::int16_t>(i + 1);
        s.frmToolCom.cancelValue = s.ComPortNo;
        break;
    }
    platform::IoResult stored = app::WriteSetting(app::keys::ConfigCom, std::to_string(s.ComPortNo));
    showPortButton(s);
    unloadPortDialog(s);
    return stored;
}

void PortDialogCancel(LinkState& s) {
    s.ComPortNo = s.frmToolCom.cancelValue;
    unloadPortDialog(s);
}

} // namespace radiolink
