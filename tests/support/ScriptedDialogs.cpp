#include "tests/support/ScriptedDialogs.h"

namespace testsupport {

ScriptedDialogs::ScriptedDialogs() : registered_(*this) {}
ScriptedDialogs::~ScriptedDialogs() = default;

int ScriptedDialogs::message(const std::string& text, const std::string& title, platform::Buttons b,
                             platform::Icon i) {
    asked.push_back({text, title, b, i});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    return b == platform::Buttons::YesNo ? platform::AnswerNo : platform::AnswerOk;
}

std::optional<std::string> ScriptedDialogs::openFile(const platform::FileRequest& r) {
    fileRequests.push_back(r);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedDialogs::saveFile(const platform::FileRequest& r) {
    return openFile(r);
}

} // namespace testsupport
