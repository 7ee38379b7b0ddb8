#include "channels/ChMem.h"

#include "channels/SettingsState.h"

#include "platform/Numbers.h"

namespace channels {

ChMemState& chMem() {
    static ChMemState s;
    return s;
}

void ResetChMem() {
    chMem() = ChMemState{};
    ResetSettingsPages();
}

EditMode EditModeFor(GridEvent event, int col) {
    switch (col) {
    case ColRxFre:
    case ColTxFre:
        return EditMode::KeyboardMouse;
    case ColRxTone:
    case ColTxTone:
        return event == GridEvent::DblClick ? EditMode::Keyboard : EditMode::None;
    case ColName:
        return event == GridEvent::BeforeEdit ? EditMode::Keyboard : EditMode::KeyboardMouse;
    default:
        return EditMode::Keyboard;
    }
}

bool FaceLocked(const app::ShellState& s) {
    return s.FaceLockState == "ShowLock";
}

std::int32_t ColourNumber(const std::string& text) {
    return platform::toInt32(text);
}

} // namespace channels
