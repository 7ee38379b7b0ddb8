#include "shell/MainCommands.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Settings.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "shell/Startup.h"

namespace shell {
namespace {

void tellLinkBusy() {
    platform::dialogs().message(app::text(app::kTextCommunicating), app::text(app::kTextNotice),
                                platform::Buttons::Ok, platform::Icon::Exclamation);
}

enum class Switched { NotStored, Restarting, Kept };

// Text 68 and its title are English in every language.
constexpr int kLanguageNoticeLanguage = 3;

Switched SwiLangFace(app::ShellState& s, int lang) {
    // A failure before the language was stored leaves the old one in force.
    Switched switched = Switched::NotStored;
    app::Guarded("mdifrmMain->SwiLangFace", [&] {
        platform::IoResult written =
            app::WriteSetting(app::keys::Language, std::to_string(lang), s.SettingsFile);
        s.RetVal = written.ok ? 1 : 0;
        if (!written) {
            // A restart would come back in the old language.
            NoteSettingsWrite(s, written);
            TellRefusedSettings(s);
            return;
        }
        switched = Switched::Kept;
        platform::dialogs().messageIn(kLanguageNoticeLanguage, app::text(kTextLanguageChanged),
                                      app::text(app::TextKey::LanguageNoticeTitle), platform::Buttons::Ok,
                                      platform::Icon::Question);
        if (!platform::desktop().RestartProgram()) {
            TellIn(lang, app::text(app::TextKey::RestartFailed, lang), platform::Icon::Exclamation);
            return;
        }
        s.NoExitAsk = -1;
        switched = Switched::Restarting;
    });
    return switched;
}

} // namespace

bool LinkBusy(const radiolink::LinkState& link) {
    return link.ComBusy != 0 || link.holdDepth > 0;
}

void SetFaceLock(app::ShellState& s, bool locked) {
    s.FaceLockState = locked ? "ShowLock" : "ShowNo";
}

void StoreFaceLock(app::ShellState& s) {
    NoteAndTellSettingsWrite(s, app::WriteSetting(app::keys::ChannelLock, s.FaceLockState, s.SettingsFile));
}

LanguageChoice ChooseLanguage(app::ShellState& s, int lang, bool linkBusy,
                              const std::function<void()>& commitEdit) {
    const int running = s.LangIndex;
    if (running == lang) return LanguageChoice::Unchanged;
    // The restart would start a second program while this one cannot close.
    if (linkBusy) {
        tellLinkBusy();
        return LanguageChoice::Unchanged;
    }
    // The restart ends the program and what its window holds: saved first
    // when the user wants it, in the running language.
    if (commitEdit) commitEdit();
    if (SaveFile() == SaveOutcome::NotSaved) return LanguageChoice::NotSaved;
    s.LangIndex = static_cast<std::int16_t>(lang);
    switch (SwiLangFace(s, lang)) {
    case Switched::NotStored:
        s.LangIndex = static_cast<std::int16_t>(running);
        return LanguageChoice::NotStored;
    case Switched::Restarting:
        return LanguageChoice::Restarting;
    case Switched::Kept:
        break;
    }
    return LanguageChoice::Kept;
}

bool ConfirmExit(app::ShellState& s, bool linkBusy) {
    bool confirmed = false;
    const bool asked = app::Guarded("mdifrmMain->MDIForm_QueryUnload", [&] {
        // Closing in the middle of a transfer would leave the radio half written.
        if (linkBusy) {
            tellLinkBusy();
            return;
        }
        if (s.NoExitAsk != 0)
            s.ExitAnswer = platform::AnswerYes;
        else
            s.ExitAnswer = static_cast<std::int16_t>(
                platform::dialogs().message(app::text(kTextExitQuestion), app::text(app::kTextNotice),
                                            platform::Buttons::YesNo, platform::Icon::Question));
        if (s.ExitAnswer != platform::AnswerYes) return;
        s.AppClosing = 1;
        confirmed = true;
    });
    // Unconfirmed, the program keeps running.
    return asked ? confirmed : s.AppClosing != 0;
}

} // namespace shell
