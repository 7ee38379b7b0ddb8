#pragma once
// The main window's commands that need no window: the interface lock, the
// language switch and the exit question. The window keeps the menu marks,
// the status panel, the timers and the closing itself.
#include "app/Shell.h"
#include "link/LinkState.h"

#include <functional>

namespace shell {

// A link operation holds the link (ComBusy, or the lock of an operation
// that waits on the port dialog with ComBusy still clear).
bool LinkBusy(const radiolink::LinkState& link);

// The interface lock: FaceLockState "ShowLock" or "ShowNo".
void SetFaceLock(app::ShellState& s, bool locked);
// Stores the lock as [Setting] ChannelLock; a refused write is told once a run.
void StoreFaceLock(app::ShellState& s);

// What a choice in the language menu came to.
enum class LanguageChoice {
    Unchanged,  // the language in use was chosen, or the link is busy (the user was told)
    NotSaved,   // the user wanted the data saved first, and it was not: nothing stored
    NotStored,  // the settings refused the new language; LangIndex is the old one (the user was told)
    Restarting, // stored, told, the program started again: this one closes without asking
    Kept,       // stored and told, but the restart failed (the user was told): the new
                // language comes at the next start
};
// mnuLangSel_Click and SwiLangFace: offers to save the data first (the Save
// question, text 82; commitEdit runs before it), stores the language, tells
// the user that a restart follows and starts the program again.
LanguageChoice ChooseLanguage(app::ShellState& s, int lang, bool linkBusy,
                              const std::function<void()>& commitEdit = {});

// The close request (MDIForm_QueryUnload): refused while the link is busy
// (the user is told); otherwise asks text 73 unless the program closes
// itself after a language change. True when the program closes
// (AppClosing = 1).
bool ConfirmExit(app::ShellState& s, bool linkBusy);

} // namespace shell
