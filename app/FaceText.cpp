#include "app/FaceText.h"

namespace app {

void InitFaceText(ShellState& s) {
    const int lang = CheckedLangIndex(s);
    for (const FaceTextRow& row : FaceTextRows()) s.FaceText[row.entry] = row.text[lang - 1];
}

const std::string& text(int entry) {
    return shell().FaceText.at(static_cast<std::size_t>(entry));
}

std::string text(TextKey key, int langIndex) {
    return NamedTextRows()[static_cast<std::size_t>(key)].text[ClampLang(langIndex) - 1];
}

std::string text(TextKey key) {
    return text(key, shell().LangIndex);
}

std::string text(TextKey key, const std::string& arg, int langIndex) {
    std::string t = text(key, langIndex);
    if (auto at = t.find("%1"); at != std::string::npos) t.replace(at, 2, arg);
    return t;
}

std::string text(TextKey key, const std::string& arg) {
    return text(key, arg, shell().LangIndex);
}

} // namespace app
