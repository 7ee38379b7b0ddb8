#include "link/ui/LinkWindows.h"

#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"

#include <QApplication>

namespace radiolink::ui {

void LinkWindows::CommunChanged() {
    if (frmCommun* d = frmCommun::existing()) d->ShowLinkState();
}

void LinkWindows::PortDialogChanged() {
    if (frmToolCom* d = frmToolCom::existing()) d->ShowState();
}

// The dialog belongs to the hidden tool window; it shows over whatever
// window the user is looking at.
bool LinkWindows::ChoosePort() {
    QWidget* over = QApplication::activeModalWidget();
    return ui::ShowPortDialog(over ? over : QApplication::activeWindow());
}

void LinkWindows::ShowCommunDialog(QWidget* owner, bool write) {
    ui::ShowCommunDialog(owner, write);
}

void LinkWindows::ShowPortDialog(QWidget* owner) {
    ui::ShowPortDialog(owner);
}

void InstallLinkWindows() {
    static LinkWindows windows;
    platform::Host<LinkDialogsHost>::set(&windows);
    platform::Host<shell::LinkWindowsHost>::set(&windows);
}

} // namespace radiolink::ui
