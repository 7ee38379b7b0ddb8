#include "tests/linkui/LinkUiSupport.h"

#include "app/FaceText.h"
#include "app/Shell.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/Protocol.h"

namespace linkui {

void ResetProgramLink(const testsupport::TempHome& home) {
    app::ResetShell();
    app::shell().SettingsFile = home.file("tavorin.def");
    app::shell().LangIndex = 3;
    app::InitFaceText(app::shell());
    radiolink::LinkState& s = radiolink::linkState();
    if (s.comCommun.PortOpen()) s.comCommun.Close();
    s.ComPortNo = 1;
    s.ComPortState.fill(0);
    s.ComPortWhy = {};
    s.ComFail = s.ComStop = s.ComBusy = 0;
    s.FreMode = s.CommunBusy = s.AutoUpdate = 0;
    s.SerialHostLoaded = false;
    s.frmMain = {};
    s.frmToolCom = {};
    s.frmCommun = {};
    radiolink::InitComCode(s);
    radiolink::FirmwareState& fw = radiolink::firmware();
    fw = radiolink::FirmwareState{};
    radiolink::InitFlashSoftModel(fw);
}

void WriteSettings(const testsupport::TempHome& home, const std::map<int, std::string>& devices,
                   const std::string& extra) {
    std::string text = extra + "\n[Ports]\n";
    for (int n = 1; n <= 16; ++n) {
        auto it = devices.find(n);
        text +=
            std::to_string(n) + "=" + (it != devices.end() ? it->second : home.file("no-such-tty")) + "\n";
    }
    home.write("tavorin.def", text);
}

} // namespace linkui
