#pragma once
// Message boxes and file dialogs behind one host interface, so logic can ask
// the user and tests can answer. Until the window layer registers its
// dialogs nobody can be asked: a question is answered No, a message only
// acknowledged, a file dialog cancelled.
#include "platform/Host.h"

#include <optional>
#include <string>

namespace platform {

enum class Buttons { Ok, YesNo, OkCancel };
enum class Icon { None, Information, Question, Exclamation, Critical };

// Answers as the original numbers them.
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct FileRequest {
    std::string title;
    std::string filter;     // "Description(*.ext)|*.ext|..." pairs
    std::string initialDir; // folder the dialog starts in
    std::string fileName;   // proposed name
    std::string defaultExt; // added when the user types none
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual int message(const std::string& text, const std::string& title, Buttons buttons, Icon icon);
    // A message worded in a language (LangIndex 1-3) that Qt's own texts may
    // not speak at the moment: its buttons speak the message's language.
    // Dialogs without texts of their own ask as message() does.
    virtual int messageIn(int /*langIndex*/, const std::string& text, const std::string& title,
                          Buttons buttons, Icon icon) {
        return message(text, title, buttons, icon);
    }
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> openFile(const FileRequest&) { return std::nullopt; }
    virtual std::optional<std::string> saveFile(const FileRequest&) { return std::nullopt; }
};

// The program's dialogs: platform::Host<Dialogs>, registered by the window
// layer at start-up (installQtPlatform).
inline Dialogs& dialogs() {
    return host<Dialogs>();
}

} // namespace platform
