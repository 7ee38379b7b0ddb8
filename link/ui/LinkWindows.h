#pragma once
// The link's windows as the layers below reach them: the read/write and port
// dialogs of the main window's roads (shell::LinkWindowsHost), and what the
// link shows in them (radiolink::LinkDialogsHost: the status texts and stop
// box of the read/write dialog, the port states of the port dialog, the
// choice of a port after one failed to open).
#include "link/LinkHosts.h"
#include "shell/ui/ShellWindows.h"

namespace radiolink::ui {

class LinkWindows : public LinkDialogsHost, public shell::LinkWindowsHost {
  public:
    // radiolink::LinkDialogsHost
    void CommunChanged() override;
    void PortDialogChanged() override;
    bool ChoosePort() override;
    // shell::LinkWindowsHost
    void ShowCommunDialog(QWidget* owner, bool write) override;
    void ShowPortDialog(QWidget* owner) override;
};

// Registers the program's LinkWindows, once at start-up.
void InstallLinkWindows();

} // namespace radiolink::ui
