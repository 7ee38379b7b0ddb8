#include "shell/ui/MainMenus.h"

namespace shell {

// In the order of the menu bar; a hidden menu makes every item in it
// unreachable, and hidden items cannot be chosen by their shortcut either.
// clang-format off
const MenuEntry kMenuEntries[] = {
    {"mnuFile", nullptr, 20, nullptr, nullptr, false, true},
    {"mnuFileNew", "mnuFile", 21, nullptr, "Ctrl+N", false, false},
    {"mnuFileOpen", "mnuFile", 22, nullptr, "Ctrl+O", false, false},
    {"mnuFileSave", "mnuFile", 23, nullptr, "Ctrl+S", false, false},
    {"mnuFileSaveAs", "mnuFile", 24, nullptr, nullptr, false, false},
    {"ListSeparator5", "mnuFile", -1, nullptr, nullptr, false, false},
    {"sepPrintFile", "mnuFile", -1, nullptr, nullptr, true, false},
    {"mnuPrintFile", "mnuFile", 43, nullptr, "Ctrl+P", true, false},
    {"mnuExit", "mnuFile", 25, nullptr, nullptr, false, false},

    {"mnuProgram", nullptr, 26, nullptr, nullptr, false, true},
    {"mnuReadFre", "mnuProgram", 27, nullptr, "Ctrl+R", false, false},
    {"mnuWriteFre", "mnuProgram", 28, nullptr, "Ctrl+W", false, false},
    {"sepBatchRw", "mnuProgram", -1, nullptr, nullptr, true, false},
    {"mnuReadWriteFre", "mnuProgram", 48, nullptr, "F2", true, false},
    {"sepAddFre", "mnuProgram", -1, nullptr, nullptr, true, false},
    {"mnuAddFre", "mnuProgram", 44, nullptr, "F7", true, false},
    {"sepTestMode", "mnuProgram", -1, nullptr, nullptr, true, false},
    {"mnuTestMode", "mnuProgram", 40, nullptr, "Ctrl+T", true, false},
    {"mnuTestFre", "mnuProgram", 41, nullptr, nullptr, true, false},
    {"sepBatchTestVal", "mnuProgram", -1, nullptr, nullptr, true, false},
    {"mnuBatchTestVal", "mnuProgram", 42, nullptr, "Ctrl+B", true, false},

    {"mnuOption", nullptr, 29, nullptr, nullptr, true, true},
    {"mnuModel", "mnuOption", 39, nullptr, "Ctrl+M", true, false},
    {"sepOptFunc", "mnuOption", -1, nullptr, nullptr, true, false},
    {"mnuFunc", "mnuOption", 30, nullptr, "Ctrl+F", true, false},
    {"sepOptOthers", "mnuOption", -1, nullptr, nullptr, false, false},
    {"mnuDtmf", "mnuOption", 45, nullptr, nullptr, false, false},
    {"mnuKeySet", "mnuOption", 46, nullptr, nullptr, false, false},
    {"sepMcuVer", "mnuOption", -1, nullptr, nullptr, true, false},
    {"mnuMcuVer", "mnuOption", 49, nullptr, nullptr, true, false},
    {"sepLockCh", "mnuOption", -1, nullptr, nullptr, true, false},
    {"mnuChLock", "mnuOption", 47, nullptr, "Ctrl+L", false, false},

    {"mnuSet", nullptr, 31, nullptr, nullptr, false, true},
    {"mnuCommunicate", "mnuSet", 32, nullptr, nullptr, false, false},
    {"ListSeparator55", "mnuSet", -1, nullptr, nullptr, false, false},
    {"mnuLockFace", "mnuSet", 58, nullptr, nullptr, false, false},
    {"ListSeparator15", "mnuSet", -1, nullptr, nullptr, false, false},
    {"mnuLangSetting", "mnuSet", 33, nullptr, nullptr, false, true},
    {"mnuLangSel0", "mnuLangSetting", 34, nullptr, nullptr, false, false},
    {"mnuLangSel2", "mnuLangSetting", 35, nullptr, nullptr, false, false},
    {"mnuLangSel1", "mnuLangSetting", 57, nullptr, nullptr, false, false},

    {"mnuView", nullptr, -1, "&View", nullptr, true, true},
    {"mnuTreeView", "mnuView", -1, "&Tree View", nullptr, false, false},
    {"mnuShowErr", "mnuView", -1, "&Notice", nullptr, false, false},

    {"mnuWindow", nullptr, -1, "&Window", nullptr, true, true},
    {"dd", "mnuWindow", -1, "", nullptr, false, false},

    {"mnuHelp", nullptr, 36, nullptr, nullptr, false, true},
    // Shown: the help pages are there to open.
    {"mnuHelpTopic", "mnuHelp", 37, nullptr, "F1", false, false},
    {"sepHelpTopic", "mnuHelp", -1, nullptr, nullptr, false, false},
    {"mnuAboutSoft", "mnuHelp", 38, nullptr, nullptr, false, false},

    {"mnuPopMenuOne", nullptr, -1, "PopMenu", nullptr, true, true},
    {"mnuOpenCh", "mnuPopMenuOne", -1, "&Open Channel", nullptr, false, false},
    {"mnuSaveDef", "mnuPopMenuOne", -1, "&Save Default", nullptr, false, false},
    {"ListSeparator8", "mnuPopMenuOne", -1, nullptr, nullptr, false, false},
    {"mnuDelOne", "mnuPopMenuOne", -1, "&Delete Channel", nullptr, false, false},
    {"mnuDelAll", "mnuPopMenuOne", -1, "Delete &All Channels", nullptr, false, false},
    {"sepPopChLock", "mnuPopMenuOne", -1, nullptr, nullptr, false, false},
    {"mnuPopChLock", "mnuPopMenuOne", -1, "&Lock", nullptr, false, false},
};
const int kMenuEntryCount = sizeof kMenuEntries / sizeof kMenuEntries[0];

// Positions 1-16; the others are gaps without caption or key.
const ToolbarButton kToolbarButtons[] = {
    {2, "FileNew", 0}, {4, "FileOpen", 1}, {5, "FileSave", 2}, {7, "Read", 3}, {8, "Write", 4},
    {10, "Com", 5}, {12, "Print", 8}, {14, "Help", 6}, {16, "Exit", 7},
};
const int kToolbarButtonCount = sizeof kToolbarButtons / sizeof kToolbarButtons[0];
// clang-format on

} // namespace shell
