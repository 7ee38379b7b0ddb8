#pragma once
// Every factory function sits behind an access code typed into the
// access-code dialog (frmInputCode). This header holds all the codes and the
// one comparison: the dialog upper-cases what is typed (InputCode), and the
// asking button compares it, whole and exactly, with its own code. So the
// letters of a code may be typed in either case; the digits as they are.
#include "align/AlignState.h"

#include <string>

namespace align {

namespace codes {
// The alignment access code, and the words that follow it in the codes
// built on it.
inline constexpr const char* kAlignment = "36921574";
inline constexpr const char* kKeypadWord = "KEY";  // the virtual keypad
inline constexpr const char* kSoftWord = "SOFT";   // the firmware window
inline constexpr const char* kFlashWord = "FLASH"; // the memory tool window
inline constexpr const char* kMenuWord = "MENU";   // the register window's menu panel
// The register window's two panel codes of their own.
inline constexpr const char* kSqlPara = "517460328";
inline constexpr const char* kRespDevSql = "84302716";
} // namespace codes

// The buttons that ask for a code.
enum class CodeButton {
    cmdPc4,        // channel window, fifth settings button
    cmdAdjDevSql,  // alignment window "调静噪"
    cmdKey,        // alignment window "K"
    cmdSoft,       // alignment window "S" (firmware)
    cmdFlash,      // alignment window "F"
    cmdAutoTest,   // alignment window "自动调试"
    cmdMenuAdjust, // register window "菜单"
    cmdSqlPara,    // register window "SQL参数"
    cmdRespDevSql, // register window "接收响应和频偏"
};

// What a right code opens.
enum class CodeAction {
    None,
    ShowAdjMode,      // the alignment window, modeless
    ShowAdjMore,      // the register window, modeless
    ShowVitualKey,    // the virtual keypad, modeless
    ShowFlashSoft,    // the firmware window, modeless
    ShowFlashTool,    // the memory tool window, modeless
    ShowMenuPanel,    // fraAdjMenu
    ShowSqlPara,      // fraSqlPara
    ShowRespDevPanels // fraRxRespDev, fraReg34H, fraReg65H and fraAdjMenu
};

// The code the button asks for.
std::string CodeOf(CodeButton button);
// Whether the dialog's answer is the button's code.
bool CodeMatches(CodeButton button, const std::string& inputCode);
// What the button's code opens (the automatic-alignment button: None).
CodeAction ActionOf(CodeButton button);
// What the answer opens at this button: its action on a match, else None.
CodeAction ActionFor(CodeButton button, const std::string& inputCode);

// The dialog's text as InputCode holds it: ASCII letters upper-cased.
std::string UpperCased(const std::string& text);

// The dialog. Load: InputCode emptied, the box empty, the closing timer at
// 2.5 s. Every change of the box: InputCode is the text upper-cased and the
// timer starts 1 s afresh. The timer: stops and closes the dialog, and the
// asking button reads InputCode.
inline constexpr int kInputCodeMaxLength = 100; // characters the box takes
void frmInputCode_Load(AlignState& a);
void txtInputCode_Change(AlignState& a, const std::string& text);
void tmrAutoExit_Timer(AlignState& a);

} // namespace align
