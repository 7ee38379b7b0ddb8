#include "shell/Startup.h"

#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/System.h"

namespace shell {
namespace {

// A stored whole number; a text that is none gives nullopt.
std::optional<std::int16_t> storedInt(const std::string& text) {
    try {
        return platform::toInt16(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

bool PreparingRun(app::ShellState& s) {
    // A FirRun that is no number is no preparing run: the run goes on as a
    // first real start and repairs it.
    if (storedInt(app::ReadSetting(app::keys::FirRun, s.SettingsFile)) != 2) return false;
    platform::IoResult r = app::WriteSetting(app::keys::FirRun, "1", s.SettingsFile);
    NoteSettingsWrite(s, r);
    return r.ok;
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
    try {
        if (storedInt(app::ReadSetting(app::keys::FirRun, "1", s.SettingsFile)) == 0) return std::nullopt;
        NoteSettingsWrite(s, app::WriteSetting(app::keys::FirRun, "0", s.SettingsFile));
        std::int16_t lang = LanguageOfLocale(platform::systemLocaleId());
        platform::IoResult r = app::WriteSetting(app::keys::Language, std::to_string(lang), s.SettingsFile);
        NoteSettingsWrite(s, r);
        if (!r) return lang;
    } catch (const std::exception& e) {
        app::VbErrNumDes("mdifrmMain->GetSysLang", e);
    }
    return std::nullopt;
}

void ReadLangIndex(app::ShellState& s, std::optional<std::int16_t> unstored) {
    std::optional<std::int16_t> lang =
        unstored ? unstored : storedInt(app::ReadSetting(app::keys::Language, s.SettingsFile));
    s.LangIndex = lang && *lang >= 1 && *lang <= 3 ? *lang : 3;
}

void ReadFaceFonts(app::ShellState& s) {
    s.EngFontName = app::ReadSetting(app::keys::EngFont, s.SettingsFile);
    s.ChsFontName = app::ReadSetting(app::keys::ChsFont, s.SettingsFile);
    s.FaceFontName = s.LangIndex == 1 ? s.ChsFontName : s.EngFontName;
}

std::string HelpFilePath(app::ShellState& s) {
    if (s.LangIndex < 1 || s.LangIndex > 3) s.LangIndex = 3;
    static const char* const names[] = {"ChsHelp.CHM", "ChtHelp.CHM", "EngHelp.CHM"};
    return platform::joinPath(platform::programFolder(), names[s.LangIndex - 1]);
}

std::string SplashPicturePath(int langIndex) {
    return platform::joinPath(platform::programFolder(),
                              langIndex == 1 ? "Solmera_CHS_3.jpg" : "Solmera_ENG_3.jpg");
}

void NoteSettingsWrite(app::ShellState& s, const platform::IoResult& r) {
    if (!r && s.SettingsWriteError.empty()) s.SettingsWriteError = r.error.empty() ? s.SettingsFile : r.error;
}

void TellRefusedSettingsOnce(app::ShellState& s) {
    if (!s.SettingsWriteTold) TellRefusedSettings(s);
}

void TellRefusedSettings(app::ShellState& s) {
    if (s.SettingsWriteError.empty()) return;
    s.SettingsWriteTold = true;
    platform::dialogs().message(ShellNoteText(ShellNote::SettingsRefused, s.LangIndex) + "\n" +
                                    s.SettingsWriteError,
                                s.FaceText[70], platform::Buttons::Ok, platform::Icon::Exclamation);
}

std::string ShellNoteText(ShellNote note, int langIndex) {
    // clang-format off
    static const char* const texts[][3] = {
        {"无法写入设置文件，本次运行中更改的设置将不会保存：",
         "無法寫入設定檔，本次執行中變更的設定將不會儲存：",
         "The settings file cannot be written, so settings changed in this session will not be kept:"},
        {"无法重新启动程序。请手动再次启动程序以使用新的语言。",
         "無法重新啟動程式。請手動再次啟動程式以使用新的語言。",
         "The program could not be restarted. Start it again to use the new language."},
    };
    // clang-format on
    int lang = langIndex >= 1 && langIndex <= 3 ? langIndex : 3;
    return texts[static_cast<int>(note)][lang - 1];
}

} // namespace shell
