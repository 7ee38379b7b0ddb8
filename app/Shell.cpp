#include "app/Shell.h"

namespace app {

ShellState& shell() {
    static ShellState s;
    return s;
}

void ResetShell() {
    shell() = ShellState{};
}

int ClampLang(int langIndex) {
    return langIndex >= 1 && langIndex <= 3 ? langIndex : 3;
}

int CheckedLangIndex(ShellState& s) {
    s.LangIndex = static_cast<std::int16_t>(ClampLang(s.LangIndex));
    return s.LangIndex;
}

} // namespace app
