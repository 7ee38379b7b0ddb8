#pragma once
// The start-up decisions that rest on the settings file alone: the first
// start after installation, the language, the fonts and the files whose name
// follows the language.
#include "app/Shell.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"

#include <optional>
#include <string>

namespace shell {

// FirRun missing or 2: this run only prepares the installation. It stores
// FirRun 1 and starts the program again, which then makes its first real
// start; true: this run ends without a window. When the state cannot be
// stored the user is told why, in the system locale's language, and this
// run ends without a restart (true), since every new run would prepare
// again. When the program cannot be started again this run goes on as the
// first real start (false).
bool PreparingRun(app::ShellState& s);

// A settings file without the channel grid's layout is given back what the
// shipped file holds and it lacks, before the language and the fonts are
// read, so that this run starts as from the file as installed. The user
// hears what was restored once, when the main window is up
// (TellRestoredSettingsOnce); a file that refuses it is told as every refused
// settings write.
void RestoreSettings(app::ShellState& s);
void TellRestoredSettingsOnce(app::ShellState& s);

// The first real start (FirRun other than 0): FirRun becomes 0 and the
// language follows the system locale. Gives the locale's language when it
// could not be stored, so this run can still use it.
std::optional<std::int16_t> GetSysLang(app::ShellState& s);

// The language of a locale id: 2052 Simplified, 1028 Traditional, else English.
std::int16_t LanguageOfLocale(int localeId);

// LangIndex from [Setting] Language (or the locale's language that could not
// be stored); anything but 1, 2 or 3 counts as 3.
void ReadLangIndex(app::ShellState& s, std::optional<std::int16_t> unstored = std::nullopt);

// EngFontName, ChsFontName and FaceFontName as the settings name them.
void ReadFaceFonts(app::ShellState& s);

// Files beside the program that follow the language.
// The help's index page of the language (ChsHelp.html, ChtHelp.html,
// EngHelp.html); forces LangIndex into 1-3.
std::string HelpFilePath(app::ShellState& s);
std::string SplashPicturePath(int langIndex);

// A notice worded in one language (LangIndex 1-3): its title (text 70) and
// its button speak that language too, whatever the running table and Qt's
// translations speak.
void TellIn(int langIndex, const std::string& text, platform::Icon icon);

// A settings write that the file refused is remembered; the user hears of it
// once per run (TellRefusedSettingsOnce), not at every write, in the
// language of the moment it is told (LangIndex).
void NoteSettingsWrite(app::ShellState& s, const platform::IoResult& r);
void TellRefusedSettingsOnce(app::ShellState& s);
// Both, for a write the user made by a choice of their own.
void NoteAndTellSettingsWrite(app::ShellState& s, const platform::IoResult& r);
void TellRefusedSettings(app::ShellState& s);

} // namespace shell
