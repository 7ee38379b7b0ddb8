#include "align/ui/AlignWindows.h"

#include "align/AdjParaShow.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmInputCode.h"
#include "align/ui/frmVitualKey.h"
#include "platform/ui/Widgets.h"

namespace align::ui {

using platform::showModeless;

void Open(CodeAction action) {
    switch (action) {
    case CodeAction::ShowAdjMode:
        showModeless(frmAdjMode::instance());
        break;
    case CodeAction::ShowAdjMore:
        showModeless(frmAdjMore::instance());
        break;
    case CodeAction::ShowVitualKey:
        showModeless(frmVitualKey::instance());
        break;
    case CodeAction::ShowFlashSoft:
        platform::host<FlashToolsHost>().ShowFirmwareWindow();
        break;
    case CodeAction::ShowFlashTool:
        platform::host<FlashToolsHost>().ShowToolWindow();
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
    Open(AskAccessCode(nullptr, CodeButton::cmdPc4));
}

void InstallAlignWindows() {
    static AlignWindows windows;
    platform::Host<AlignWindowsHost>::set(&windows);
    platform::Host<channels::AlignmentAccessHost>::set(&windows);
    InstallAlignmentDisplay();
}

} // namespace align::ui
