#pragma once
// The entries of the text table (app/FaceText.h) that the main window and
// its logic use.
namespace shell {

inline constexpr int kTextHelpButton = 6;       // "Help": the toolbar button, the help window's title
inline constexpr int kTextTitle = 16;           // the main window's title
inline constexpr int kTextLanguageChanged = 68; // restart needed after a language change
inline constexpr int kTextExitQuestion = 73;    // "Are you sure want to exit?"
inline constexpr int kTextNewQuestion = 74;     // all channels will be cleared
inline constexpr int kTextSaveQuestion = 82;    // save the changed data?
inline constexpr int kTextWrongFile = 83;       // "Wrong file type!"
inline constexpr int kTextSaveFailed = 84;      // Save failed
inline constexpr int kTextFileName = 85;        // "File Name:" of status panel 3
inline constexpr int kTextWriteFailed = 86;     // Save As failed
inline constexpr int kTextReady = 94;           // status panel 1 when unlocked
inline constexpr int kTextLocked = 116;         // status panel 1 when locked

} // namespace shell
