#include "app/Shell.h"

namespace app {

ShellState& shell() {
    static ShellState s;
    return s;
}

void ResetShell() { shell() = ShellState{}; }

int CheckedLangIndex() {
    auto& s = shell();
    if (s.LangIndex < 1 || s.LangIndex > 3) s.LangIndex = 3;
    return s.LangIndex;
}

} // namespace app
