#include "shell/Startup.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Reasons.h"
#include "app/Settings.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/System.h"

#include <climits>

namespace shell {
namespace {

// A stored number as a 16-bit integer, a fraction rounded half to even; a
// text that is no number, or one outside the range, gives nullopt.
std::optional<std::int16_t> storedInt(const std::string& text) {
    const std::optional<std::int32_t> v = platform::roundedNumber(text, INT16_MIN, INT16_MAX);
    if (!v) return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

bool preparing(const app::ShellState& s) {
    return storedInt(app::ReadSetting(app::keys::FirRun, s.SettingsFile)) == 2;
}

// Entry `entry` of the text table in a language other than the running one.
std::string faceTextIn(int entry, int langIndex) {
    for (const app::FaceTextRow& row : app::FaceTextRows())
        if (row.entry == entry) return row.text[app::ClampLang(langIndex) - 1];
    return {};
}

// One line of the restore notice: the section and what it was given.
std::string restoredLine(const platform::IniAddition& a, int langIndex) {
    constexpr std::size_t kNamedUpTo = 8;
    const std::string count = std::to_string(a.keys.size());
    std::string what;
    if (a.section == app::ChInfoCount.section) {
        what = app::text(app::TextKey::SettingsRestoredLayout, count, langIndex);
    } else if (a.keys.size() > kNamedUpTo) {
        what = app::text(app::TextKey::SettingsRestoredKeys, count, langIndex);
    } else {
        for (const std::string& key : a.keys) what += (what.empty() ? "" : ", ") + key;
    }
    return "[" + a.section + "] " + what;
}

} // namespace

void RestoreSettings(app::ShellState& s) {
    // A fault here leaves the file as it was, and the start goes on.
    app::Guarded("frmSplash->RestoreSettings", [&] {
        NoteSettingsWrite(s, app::RestoreShippedSettings(s.SettingsFile, s.SettingsRestored));
    });
}

void TellRestoredSettingsOnce(app::ShellState& s) {
    if (s.SettingsRestored.empty()) return;
    std::string text = app::text(app::TextKey::SettingsRestored, s.SettingsFile, s.LangIndex);
    for (const platform::IniAddition& a : s.SettingsRestored) text += "\n" + restoredLine(a, s.LangIndex);
    s.SettingsRestored.clear();
    TellIn(s.LangIndex, text, platform::Icon::Information);
}

bool PreparingRun(app::ShellState& s) {
    // A FirRun that is no number is no preparing run: the run goes on as a
    // first real start and repairs it.
    if (!preparing(s)) return false;
    platform::IoResult r = app::WriteSetting(app::keys::FirRun, "1", s.SettingsFile);
    // The next run must read the state back, or it would prepare again.
    if (r && preparing(s)) r = platform::IoResult::failure(platform::IoProblem::CannotWrite, s.SettingsFile);
    if (!r) {
        // No language is stored yet: the one the first real start would take.
        s.LangIndex = LanguageOfLocale(platform::systemLocaleId());
        platform::dialogs().messageIn(
            s.LangIndex, app::text(app::TextKey::StartFailed, s.LangIndex) + "\n" + app::IoText(r),
            app::text(app::TextKey::StartFailedTitle, s.LangIndex), platform::Buttons::Ok,
            platform::Icon::Critical);
        return true;
    }
    // The first real start runs in a program of its own, as after a language
    // switch; without one this run is it.
    return platform::desktop().RestartProgram();
}

std::int16_t LanguageOfLocale(int localeId) {
    switch (localeId) {
    case 2052:
        return 1;
    case 1028:
        return 2;
    default:
        return 3;
    }
}

std::optional<std::int16_t> GetSysLang(app::ShellState& s) {
    std::optional<std::int16_t> unstored;
    app::Guarded("mdifrmMain->GetSysLang", [&] {
        if (storedInt(app::ReadSetting(app::keys::FirRun, "1", s.SettingsFile)) == 0) return;
        NoteSettingsWrite(s, app::WriteSetting(app::keys::FirRun, "0", s.SettingsFile));
        std::int16_t lang = LanguageOfLocale(platform::systemLocaleId());
        platform::IoResult r = app::WriteSetting(app::keys::Language, std::to_string(lang), s.SettingsFile);
        NoteSettingsWrite(s, r);
        if (!r) unstored = lang;
    });
    return unstored;
}

void ReadLangIndex(app::ShellState& s, std::optional<std::int16_t> unstored) {
    std::optional<std::int16_t> lang =
        unstored ? unstored : storedInt(app::ReadSetting(app::keys::Language, s.SettingsFile));
    s.LangIndex = static_cast<std::int16_t>(app::ClampLang(lang ? *lang : 3));
}

void ReadFaceFonts(app::ShellState& s) {
    s.EngFontName = app::ReadSetting(app::keys::EngFont, s.SettingsFile);
    s.ChsFontName = app::ReadSetting(app::keys::ChsFont, s.SettingsFile);
    s.FaceFontName = s.LangIndex == 1 ? s.ChsFontName : s.EngFontName;
}

std::string HelpFilePath(app::ShellState& s) {
    static const char* const names[] = {"ChsHelp.html", "ChtHelp.html", "EngHelp.html"};
    return platform::joinPath(platform::programFolder(), names[app::CheckedLangIndex(s) - 1]);
}

std::string SplashPicturePath(int langIndex) {
    return platform::joinPath(platform::programFolder(),
                              langIndex == 1 ? "Solmera_CHS_3.jpg" : "Solmera_ENG_3.jpg");
}

void TellIn(int langIndex, const std::string& text, platform::Icon icon) {
    platform::dialogs().messageIn(app::ClampLang(langIndex), text, faceTextIn(app::kTextNotice, langIndex),
                                  platform::Buttons::Ok, icon);
}

void NoteSettingsWrite(app::ShellState& s, const platform::IoResult& r) {
    if (!r && s.SettingsWriteRefusal.ok) s.SettingsWriteRefusal = r;
}

void TellRefusedSettingsOnce(app::ShellState& s) {
    if (!s.SettingsWriteTold) TellRefusedSettings(s);
}

void NoteAndTellSettingsWrite(app::ShellState& s, const platform::IoResult& r) {
    NoteSettingsWrite(s, r);
    TellRefusedSettingsOnce(s);
}

void TellRefusedSettings(app::ShellState& s) {
    if (s.SettingsWriteRefusal.ok) return;
    s.SettingsWriteTold = true;
    // Worded now: the language may have changed since the write.
    std::string why = app::IoText(s.SettingsWriteRefusal);
    if (why.empty()) why = s.SettingsFile;
    TellIn(s.LangIndex, app::text(app::TextKey::SettingsRefused, s.LangIndex) + "\n" + why,
           platform::Icon::Exclamation);
}

} // namespace shell
