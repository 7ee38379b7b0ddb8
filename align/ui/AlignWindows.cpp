#include "align/ui/AlignWindows.h"

#include "align/AdjParaShow.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmInputCode.h"
#include "align/ui/frmVitualKey.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QPointer>

namespace align::ui {

using platform::showModeless;

void Open(CodeAction action, QWidget* opener) {
    switch (action) {
    case CodeAction::ShowAdjMode:
        showModeless(frmAdjMode::instance(), opener);
        break;
    case CodeAction::ShowAdjMore:
        showModeless(frmAdjMore::instance(), opener);
        break;
    case CodeAction::ShowVitualKey:
        showModeless(frmVitualKey::instance(), opener);
        break;
    case CodeAction::ShowFlashSoft:
        platform::host<FlashToolsHost>().ShowFirmwareWindow(opener);
        break;
    case CodeAction::ShowFlashTool:
        platform::host<FlashToolsHost>().ShowToolWindow(opener);
        break;
    case CodeAction::None:
    case CodeAction::ShowMenuPanel:
    case CodeAction::ShowSqlPara:
    case CodeAction::ShowRespDevPanels:
        break;
    }
}

void AlignWindows::AdjModeChanged() {
    frmAdjMode::instance().ShowState();
}

void AlignWindows::AdjMoreChanged() {
    frmAdjMore::instance().ShowState();
}

void AlignWindows::VitualKeyChanged() {
    frmVitualKey::instance().ShowState();
}

void AlignWindows::OpenAlignmentWindow() {
    // The window the user clicked in, before the access-code dialog takes the focus.
    const QPointer<QWidget> opener = QApplication::activeWindow();
    Open(AskAccessCode(nullptr, CodeButton::cmdPc4), opener);
}

void InstallAlignWindows() {
    static AlignWindows windows;
    platform::Host<AlignWindowsHost>::set(&windows);
    platform::Host<channels::AlignmentAccessHost>::set(&windows);
    InstallAlignmentDisplay();
}

} // namespace align::ui
