#include "platform/Dialogs.h"

namespace platform {

int Dialogs::message(const std::string&, const std::string&, Buttons b, Icon) {
    return b == Buttons::YesNo ? AnswerNo : (b == Buttons::OkCancel ? AnswerCancel : AnswerOk);
}

} // namespace platform
