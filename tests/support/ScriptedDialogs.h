#pragma once
// Dialogs that answer from a script and remember what they were asked.
#include "platform/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
  public:
    struct Asked {
        std::string text, title;
        platform::Buttons buttons;
        platform::Icon icon;
    };

    ScriptedDialogs();  // registers itself
    ~ScriptedDialogs(); // and withdraws

    std::deque<int> answers;                      // message answers, in order; Ok/No when empty
    std::deque<std::optional<std::string>> files; // file dialog results; cancel when empty
    std::vector<Asked> asked;
    std::vector<platform::FileRequest> fileRequests;

    int message(const std::string& text, const std::string& title, platform::Buttons b,
                platform::Icon i) override;
    std::optional<std::string> openFile(const platform::FileRequest& r) override;
    std::optional<std::string> saveFile(const platform::FileRequest& r) override;

  private:
    platform::Host<platform::Dialogs>::Scoped registered_;
};

} // namespace testsupport
