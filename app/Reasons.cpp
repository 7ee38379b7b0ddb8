#include "app/Reasons.h"

#include "app/FaceText.h"

#include <cerrno>
#include <cstring>

namespace app {
namespace {

TextKey keyOf(platform::IoProblem problem) {
    using P = platform::IoProblem;
    switch (problem) {
    case P::NoSuchFile:
        return TextKey::IoNoSuchFile;
    case P::NotAFile:
        return TextKey::IoNotAFile;
    case P::IsFolder:
        return TextKey::IoIsFolder;
    case P::NoSuchFolder:
        return TextKey::IoNoSuchFolder;
    case P::ReadOnlyFile:
        return TextKey::IoReadOnlyFile;
    case P::ReadOnlyFolder:
        return TextKey::IoReadOnlyFolder;
    case P::CannotOpen:
        return TextKey::IoCannotOpen;
    case P::CannotRead:
        return TextKey::IoCannotRead;
    case P::CannotCreateIn:
        return TextKey::IoCannotCreateIn;
    case P::CannotWrite:
        return TextKey::IoCannotWrite;
    case P::CannotReplace:
        return TextKey::IoCannotReplace;
    case P::CannotMakeFolder:
    case P::None:
        break;
    }
    return TextKey::IoCannotMakeFolder;
}

} // namespace

std::string WithCause(const std::string& reason, const std::string& cause) {
    return cause.empty() ? reason : reason + text(TextKey::ReasonJoin) + cause;
}

std::string SystemCause(int sysError) {
    switch (sysError) {
    case 0:
        return {};
    case ENOENT:
        return text(TextKey::CauseNoEntry);
    case EACCES:
    case EPERM:
        return text(TextKey::CausePermission);
    case ENOSPC:
    case EDQUOT:
        return text(TextKey::CauseDiskFull);
    case EROFS:
        return text(TextKey::CauseReadOnlySystem);
    case EIO:
        return text(TextKey::CauseInputOutput);
    default:
        return std::strerror(sysError);
    }
}

std::string IoText(const platform::IoResult& r) {
    if (r.problem == platform::IoProblem::None) return r.error;
    return WithCause(text(keyOf(r.problem), r.path), SystemCause(r.sysError));
}

namespace {

// Every wording above picks its language through LangIndex: for one call it
// is the language asked for.
class WordedIn {
  public:
    explicit WordedIn(int langIndex) : was_(shell().LangIndex) {
        shell().LangIndex = static_cast<std::int16_t>(ClampLang(langIndex));
    }
    ~WordedIn() { shell().LangIndex = was_; }
    WordedIn(const WordedIn&) = delete;
    WordedIn& operator=(const WordedIn&) = delete;

  private:
    std::int16_t was_;
};

} // namespace

std::string IoText(const platform::IoResult& r, int langIndex) {
    const WordedIn in(langIndex);
    return IoText(r);
}

std::string SystemCause(int sysError, int langIndex) {
    const WordedIn in(langIndex);
    return SystemCause(sysError);
}

} // namespace app
