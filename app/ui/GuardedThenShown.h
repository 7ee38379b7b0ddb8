#pragma once
// A window's handler whose work changes what the window shows.
#include "app/ErrorReporter.h"

#include <string_view>
#include <utility>

namespace app {

// Runs the handler's work in the guard under `tag`, then has the window show
// its state (`ShowState()`) whether the work ran through or failed, since a
// failed work may have changed part of the state. The window shows it even
// where its logic also tells a view: a window never depends on that for a
// successful click. A failure of the showing is reported under the same tag.
// True when the work ran through.
template <class Window, class Work> bool GuardedThenShown(std::string_view tag, Window& window, Work&& work) {
    const bool ran = Guarded(tag, std::forward<Work>(work));
    Guarded(tag, [&window] { window.ShowState(); });
    return ran;
}

} // namespace app
