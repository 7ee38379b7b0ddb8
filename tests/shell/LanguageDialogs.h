#pragma once
// Scripted dialogs that also remember which language each message asked
// its buttons to speak: 0 for Qt's installed translations (message()), or
// the LangIndex given to messageIn().
#include "tests/support/ScriptedDialogs.h"

#include <vector>

namespace shelltest {

struct LanguageDialogs : testsupport::ScriptedDialogs {
    std::vector<int> buttonLanguages; // one per entry of `asked`

    int message(const std::string& text, const std::string& title, platform::Buttons b,
                platform::Icon i) override {
        buttonLanguages.push_back(0);
        return ScriptedDialogs::message(text, title, b, i);
    }
    int messageIn(int langIndex, const std::string& text, const std::string& title, platform::Buttons b,
                  platform::Icon i) override {
        buttonLanguages.push_back(langIndex);
        return ScriptedDialogs::message(text, title, b, i);
    }
};

} // namespace shelltest
