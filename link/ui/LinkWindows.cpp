#include "link/ui/LinkWindows.h"

#include "link/LinkState.h"
#include "link/SerialHost.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "shell/ui/ChannelWindowSlot.h"

#include <QApplication>

namespace radiolink::ui {

void InstallLinkWindows() {
    shell::ShellWindows& shell = shell::shellWindows();
    shell.communDialog = ShowCommunDialog;
    shell.portDialog = [](QWidget* owner) { ShowPortDialog(owner); };
    shell.serialHost = [] { EnsureSerialHost(linkState(), firmware()); };

    LinkHooks& hooks = linkState().hooks;
    hooks.communChanged = [] {
        if (frmCommun* d = frmCommun::existing()) d->ShowLinkState();
    };
    hooks.portDialogChanged = [] {
        if (frmToolCom* d = frmToolCom::existing()) d->ShowState();
    };
    // The dialog belongs to the hidden tool window; it shows over whatever
    // window the user is looking at.
    hooks.choosePort = [] {
        QWidget* over = QApplication::activeModalWidget();
        return ShowPortDialog(over ? over : QApplication::activeWindow());
    };
}

} // namespace radiolink::ui
