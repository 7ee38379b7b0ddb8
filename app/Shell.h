#pragma once
// Program-wide values of the application shell. One instance for the
// program; tests reset it with ResetShell().
#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct ShellState {
    std::string SettingsFile;                    // <program folder>/tavorin.def
    std::string EndItemMark = "*EndOfThisItem*"; // ends a [ChInfo] column list
    std::int16_t LangIndex = 3;                  // 1 Simplified Chinese, 2 Traditional Chinese, 3 English
    std::string EngFontName;
    std::string ChsFontName;
    std::string FaceFontName;
    std::array<std::string, 1001> FaceText{}; // interface texts of LangIndex
    std::string EmptyCellColor;               // colour numbers as decimal text
    std::string Band1Color;
    std::string OtherBandColor;
    std::string CurFilePath;
    std::string DefFilePath;
    std::string FaceLockState = "ShowNo";
    std::int16_t NoExitAsk = 0;
    std::int16_t AppClosing = 0;
    std::int16_t MsgAnswer = 0;
    std::int32_t RetVal = 0;

    std::int16_t ExitAnswer = 0;             // answer of the exit question, 6 for Yes
    std::int16_t BlinkCount = 0;             // phase 0/1 of the lock notice blink
    platform::IoResult SettingsWriteRefusal; // the first refused settings write, worded when told
    bool SettingsWriteTold = false;          // the user has been told of it
    // What the start gave the settings file back from the shipped one, until
    // the user is told.
    std::vector<platform::IniAddition> SettingsRestored;
};

ShellState& shell();
void ResetShell();

// The one language clamp: 1, 2 or 3; any other value counts as 3.
int ClampLang(int langIndex);

// LangIndex as the text pickers use it: a value outside 1-3 is made 3 first
// (and stays 3).
int CheckedLangIndex(ShellState& s = shell());

} // namespace app
