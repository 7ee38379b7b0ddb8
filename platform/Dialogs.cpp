#include "platform/Dialogs.h"

namespace platform {
namespace {

// Until a window layer is installed nobody can be asked: a question is
// answered No, a message only acknowledged, a file dialog cancelled.
class NoDialogs : public Dialogs {
  public:
    int message(const std::string&, const std::string&, Buttons b, Icon) override {
        return b == Buttons::YesNo ? AnswerNo : (b == Buttons::OkCancel ? AnswerCancel : AnswerOk);
    }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
};

Dialogs*& slot() {
    static NoDialogs none;
    static Dialogs* current = &none;
    return current;
}

} // namespace

Dialogs& dialogs() { return *slot(); }

void setDialogs(Dialogs* d) {
    static NoDialogs none;
    slot() = d ? d : &none;
}

} // namespace platform
