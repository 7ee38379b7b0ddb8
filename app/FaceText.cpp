#include "app/FaceText.h"

namespace app {

void InitFaceText(ShellState& s) {
    if (s.LangIndex < 1 || s.LangIndex > 3) s.LangIndex = 3;
    for (const FaceTextRow& row : FaceTextRows()) s.FaceText[row.entry] = row.text[s.LangIndex - 1];
}

} // namespace app
