#include "tests/linkui/LinkUiSupport.h"

#include "app/FaceText.h"
#include "app/Shell.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/Protocol.h"

namespace linkui {

void StartProgramLink(const testsupport::TempHome& home) {
    app::ShellState& shell = app::shell();
    shell.SettingsFile = home.file("tavorin.def");
    shell.LangIndex = 3;
    app::InitFaceText(shell);
    radiolink::InitComCode(radiolink::linkState());
    radiolink::InitFlashSoftModel(radiolink::firmware());
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
