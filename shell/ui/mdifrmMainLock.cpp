// The interface lock and the language menu of the main window.
#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "platform/Dialogs.h"
#include "shell/Startup.h"
#include "shell/ui/mdifrmMain.h"

namespace shell {

void mdifrmMain::LockFaceOperate(int locked) {
    auto& s = app::shell();
    try {
        const bool on = locked == -1;
        s.FaceLockState = on ? "ShowLock" : "ShowNo";
        setPanelText(1, app::face(on ? 116 : 94));
        if (on)
            tmrChLockBlink.start();
        else
            tmrChLockBlink.stop();
        ChannelWindowSlot& ch = touchChannelWindow();
        ch.setGridSelectionColor(on ? ch.ChGridBackColor() : ch.ChGridSelColor());
        ch.setSysSetFramesEnabled(!on);
    } catch (const std::exception& e) {
        app::VbErrNumDes("mdifrmMain->LockFaceOperate", e);
    }
}

void mdifrmMain::mnuLockFace_Click() {
    action(QStringLiteral("mnuLockFace"))->trigger();
}
void mdifrmMain::mnuChLock_Click() {
    action(QStringLiteral("mnuChLock"))->trigger();
}

void mdifrmMain::mnuLock_Click(const QString& item, bool wasChecked) {
    auto& s = app::shell();
    try {
        action(QStringLiteral("mnuLockFace"))->setChecked(!wasChecked);
        action(QStringLiteral("mnuChLock"))->setChecked(!wasChecked);
        LockFaceOperate(wasChecked ? 0 : -1);
        NoteSettingsWrite(s, app::WriteSetting(app::keys::ChannelLock, s.FaceLockState));
        TellRefusedSettingsOnce(s);
    } catch (const std::exception& e) {
        app::VbErrNumDes("mdifrmMain->" + item.toStdString() + "_Click", e);
    }
}

void mdifrmMain::tmrChLock_Timer() {
    if (action(QStringLiteral("mnuChLock"))->isChecked() && panelText(1) == app::face(94)) {
        setPanelText(1, app::face(116));
        tmrChLockBlink.start();
    }
}

void mdifrmMain::tmrChLockBlink_Timer() {
    if (!action(QStringLiteral("mnuChLock"))->isChecked()) return;
    auto& s = app::shell();
    s.BlinkCount = static_cast<std::int16_t>((s.BlinkCount + 1) % 2);
    // Another operation's status text stays until it is gone.
    const QString shown = panelText(1);
    if (shown == app::face(116) || shown == app::face(94) || shown.isEmpty())
        setPanelText(1, app::face(s.BlinkCount == 0 ? 94 : 116));
}

void mdifrmMain::CheckLanguage(int lang) {
    action(QStringLiteral("mnuLangSel0"))->setChecked(lang == 1);
    action(QStringLiteral("mnuLangSel1"))->setChecked(lang == 2);
    action(QStringLiteral("mnuLangSel2"))->setChecked(lang == 3);
}

void mdifrmMain::mnuLangSel_Click(int lang) {
    auto& s = app::shell();
    const int running = s.LangIndex;
    // The item toggled its own mark; the marks keep showing the language.
    CheckLanguage(running);
    if (running == lang) return;
    // The restart would start a second program while this one cannot close.
    if (LinkBusy()) {
        platform::dialogs().message(s.FaceText[76], s.FaceText[70], platform::Buttons::Ok,
                                    platform::Icon::Exclamation);
        return;
    }
    CheckLanguage(lang);
    s.LangIndex = static_cast<std::int16_t>(lang);
    if (!SwiLangFace(lang)) {
        s.LangIndex = static_cast<std::int16_t>(running);
        CheckLanguage(running);
    }
}

bool mdifrmMain::SwiLangFace(int lang) {
    auto& s = app::shell();
    try {
        platform::IoResult written = app::WriteSetting(app::keys::Language, std::to_string(lang));
        s.RetVal = written.ok ? 1 : 0;
        if (!written) {
            // A restart would come back in the old language.
            NoteSettingsWrite(s, written);
            TellRefusedSettings(s);
            return false;
        }
        platform::dialogs().message(s.FaceText[68], "Message", platform::Buttons::Ok,
                                    platform::Icon::Question);
        if (!restartProgram()) {
            platform::dialogs().message(ShellNoteText(ShellNote::RestartFailed, s.LangIndex), s.FaceText[70],
                                        platform::Buttons::Ok, platform::Icon::Exclamation);
            return true;
        }
        s.NoExitAsk = -1;
        close();
    } catch (const std::exception& e) {
        app::VbErrNumDes("mdifrmMain->SwiLangFace", e);
    }
    return true;
}

} // namespace shell
