// The interface lock and the language menu of the main window.
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "shell/MainCommands.h"
#include "shell/ShellTexts.h"
#include "shell/ui/mdifrmMain.h"

namespace shell {

void mdifrmMain::LockFaceOperate(int locked) {
    app::Guarded("mdifrmMain->LockFaceOperate", [&] {
        const bool on = locked == -1;
        // A tone chosen before the lock is kept, not dropped by it.
        if (ChannelWindowSlot* open = channelWindow(); open && on) open->cboGridChCtdcs_LostFocus();
        SetFaceLock(app::shell(), on);
        setPanelText(1, app::face(on ? kTextLocked : kTextReady));
        if (on)
            tmrChLockBlink.start();
        else
            tmrChLockBlink.stop();
        if (ChannelWindowSlot* ch = touchChannelWindow()) {
            ch->setGridSelectionColor(on ? ch->ChGridBackColor() : ch->ChGridSelColor());
            ch->setSysSetFramesEnabled(!on);
        }
    });
}

// Its menu item's guard reports a failure under the item's name.
void mdifrmMain::mnuLock_Click(bool wasChecked) {
    action(QStringLiteral("mnuLockFace"))->setChecked(!wasChecked);
    action(QStringLiteral("mnuChLock"))->setChecked(!wasChecked);
    LockFaceOperate(wasChecked ? 0 : -1);
    StoreFaceLock(app::shell());
}

void mdifrmMain::tmrChLock_Timer() {
    app::Guarded("mdifrmMain->tmrChLock_Timer", [&] {
        if (action(QStringLiteral("mnuChLock"))->isChecked() && panelText(1) == app::face(kTextReady)) {
            setPanelText(1, app::face(kTextLocked));
            tmrChLockBlink.start();
        }
    });
}

void mdifrmMain::tmrChLockBlink_Timer() {
    app::Guarded("mdifrmMain->tmrChLockBlink_Timer", [&] {
        if (!action(QStringLiteral("mnuChLock"))->isChecked()) return;
        auto& s = app::shell();
        s.BlinkCount = static_cast<std::int16_t>((s.BlinkCount + 1) % 2);
        // Another operation's status text stays until it is gone.
        const QString shown = panelText(1);
        if (shown == app::face(kTextLocked) || shown == app::face(kTextReady) || shown.isEmpty())
            setPanelText(1, app::face(s.BlinkCount == 0 ? kTextReady : kTextLocked));
    });
}

void mdifrmMain::CheckLanguage(int lang) {
    action(QStringLiteral("mnuLangSel0"))->setChecked(lang == 1);
    action(QStringLiteral("mnuLangSel1"))->setChecked(lang == 2);
    action(QStringLiteral("mnuLangSel2"))->setChecked(lang == 3);
}

void mdifrmMain::mnuLangSel_Click(int lang) {
    app::ShellState& s = app::shell();
    // The item toggled its own mark; the marks keep showing the language.
    CheckLanguage(s.LangIndex);
    const LanguageChoice choice = ChooseLanguage(s, lang, LinkBusy(radiolink::linkState()), [this] {
        if (ChannelWindowSlot* ch = channelWindow()) ch->cboGridChCtdcs_LostFocus();
    });
    if (choice == LanguageChoice::Restarting || choice == LanguageChoice::Kept) CheckLanguage(lang);
    if (choice == LanguageChoice::Restarting) close();
}

} // namespace shell
