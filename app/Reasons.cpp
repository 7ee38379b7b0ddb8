#include "app/Reasons.h"

#include "app/FaceText.h"

#include <cerrno>
#include <utility>

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

// Every error the program's file, folder, lock and serial-port calls can
// meet. Names that share a number (EAGAIN and EWOULDBLOCK) find the same row.
constexpr std::pair<int, TextKey> kCauses[] = {
    {ENOENT, TextKey::CauseNoEntry},
    {EACCES, TextKey::CausePermission},
    {EPERM, TextKey::CauseNotPermitted},
    {ENOSPC, TextKey::CauseDiskFull},
    {EDQUOT, TextKey::CauseQuota},
    {EROFS, TextKey::CauseReadOnlySystem},
    {EIO, TextKey::CauseInputOutput},
    {ENAMETOOLONG, TextKey::CauseNameTooLong},
    {EEXIST, TextKey::CauseExists},
    {ENOTDIR, TextKey::CauseNotAFolder},
    {EISDIR, TextKey::CauseIsAFolder},
    {ELOOP, TextKey::CauseLinkLoop},
    {EMFILE, TextKey::CauseProgramFiles},
    {ENFILE, TextKey::CauseSystemFiles},
    {EBUSY, TextKey::CauseBusy},
    {ETXTBSY, TextKey::CauseTextBusy},
    {EXDEV, TextKey::CauseCrossDevice},
    {EFBIG, TextKey::CauseTooLarge},
    {EINVAL, TextKey::CauseInvalid},
    {EAGAIN, TextKey::CauseTryAgain},
    {EWOULDBLOCK, TextKey::CauseTryAgain},
    {EINTR, TextKey::CauseInterrupted},
    {ENXIO, TextKey::CauseNoDeviceOrAddress},
    {ENODEV, TextKey::CauseNoDevice},
    {ENOTTY, TextKey::CauseNotTerminal},
    {ENOTEMPTY, TextKey::CauseNotEmpty},
    {EMLINK, TextKey::CauseTooManyLinks},
    {ENOMEM, TextKey::CauseNoMemory},
    {ENOLCK, TextKey::CauseNoLocks},
    {EOPNOTSUPP, TextKey::CauseNotSupported},
    {ENOTSUP, TextKey::CauseNotSupported},
    {ENOSYS, TextKey::CauseNotSupported},
    {ESTALE, TextKey::CauseStale},
    {ETIMEDOUT, TextKey::CauseTimedOut},
    {EBADF, TextKey::CauseBadHandle},
    {EOVERFLOW, TextKey::CauseOverflow},
    {ENOMEDIUM, TextKey::CauseNoMedium},
};

} // namespace

std::string WithCause(const std::string& reason, const std::string& cause, int langIndex) {
    return cause.empty() ? reason : reason + text(TextKey::ReasonJoin, langIndex) + cause;
}

std::string WithCause(const std::string& reason, const std::string& cause) {
    return WithCause(reason, cause, shell().LangIndex);
}

std::string SystemCause(int sysError, int langIndex) {
    if (sysError == 0) return {};
    for (const auto& [error, key] : kCauses)
        if (error == sysError) return text(key, langIndex);
    // Worded too, in the language: the system's own text goes to the error
    // report only.
    return text(TextKey::CauseOther, std::to_string(sysError), langIndex);
}

std::string SystemCause(int sysError) {
    return SystemCause(sysError, shell().LangIndex);
}

std::string IoText(const platform::IoResult& r, int langIndex) {
    if (r.problem == platform::IoProblem::None) return r.error;
    return WithCause(text(keyOf(r.problem), r.path, langIndex), SystemCause(r.sysError, langIndex),
                     langIndex);
}

std::string IoText(const platform::IoResult& r) {
    return IoText(r, shell().LangIndex);
}

} // namespace app
