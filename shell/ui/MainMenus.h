#pragma once
// The menu tree and the toolbar of the main window as data.
namespace shell {

struct MenuEntry {
    const char* name;
    const char* parent;   // nullptr: a menu of the menu bar
    int text;             // FaceText entry of the caption, -1 for a fixed one
    const char* caption;  // fixed caption (separators: nullptr)
    const char* shortcut; // nullptr: none
    bool hidden;
    bool submenu;
};

extern const MenuEntry kMenuEntries[];
extern const int kMenuEntryCount;

struct ToolbarButton {
    int position; // 1-16
    const char* key;
    int text;
};

extern const ToolbarButton kToolbarButtons[];
extern const int kToolbarButtonCount;

} // namespace shell
