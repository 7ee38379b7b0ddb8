#pragma once
// Message boxes and file dialogs behind one interface, so logic can ask the
// user and tests can answer.
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
    virtual int message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;
};

// The program's dialogs; the window layer installs the real ones at start-up.
Dialogs& dialogs();
void setDialogs(Dialogs* d);

} // namespace platform
