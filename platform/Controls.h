#pragma once
// The controls a window's state is made of, as the logic below the windows
// holds them: the original's properties by their names. A window shows each
// in its widget with the helpers of platform/ui/Widgets.h and hands the
// user's changes back to the logic.
#include "platform/Flag.h"

#include <string>
#include <vector>

namespace platform {

struct CheckBox {
    int Value = 0; // 0 unticked, 1 ticked
    bool Visible = true;
    bool Enabled = true;
};

// An option button of a group: at most one of the group is chosen.
struct OptionButton {
    bool Value = false;
    bool Enabled = true;
};

struct Button {
    bool Enabled = true;
    bool FontBold = false;
};

struct ComboBox {
    std::vector<std::string> items;
    int ListIndex = -1; // -1: nothing selected
    bool Enabled = true;
    std::string ToolTip;
};

struct TextBox {
    std::string Text;
    int MaxLength = 0; // UTF-16 units a text may hold; 0 no limit
    int SelStart = 0;  // the caret, in UTF-16 units
    int SelLength = 0;
    std::string ToolTip;
    // -1 while what the user typed is stored: a re-show from the image that
    // differs from it only by trailing spaces leaves it standing.
    Flag Typing = 0;
};

// A list of which exactly one entry is marked, the ListIndex.
struct ListBox {
    std::vector<std::string> items;
    int ListIndex = -1;
};

struct Timer {
    bool Enabled = false;
    int Interval = 0; // milliseconds
};

} // namespace platform
