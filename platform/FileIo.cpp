#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The English line of each problem; "%" stands for the path.
const char* englishOf(IoProblem problem) {
    switch (problem) {
    case IoProblem::None:
        break;
    case IoProblem::NoSuchFile:
        return "No such file: %";
    case IoProblem::NotAFile:
        return "Not a file: %";
    case IoProblem::IsFolder:
        return "Is a folder: %";
    case IoProblem::NoSuchFolder:
        return "No such folder: %";
    case IoProblem::ReadOnlyFile:
        return "The file is read-only: %";
    case IoProblem::ReadOnlyFolder:
        return "The folder is read-only: %";
    case IoProblem::CannotOpen:
        return "Cannot open %";
    case IoProblem::CannotRead:
        return "Cannot read %";
    case IoProblem::CannotCreateIn:
        return "Cannot create a file in %";
    case IoProblem::CannotWrite:
        return "Cannot write %";
    case IoProblem::CannotReplace:
        return "Cannot replace %";
    case IoProblem::CannotMakeFolder:
        return "Cannot create the folder %";
    }
    return "%";
}

std::string parentOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

} // namespace

IoResult IoResult::failure(IoProblem problem, const std::string& path, int sysError) {
    std::string why = englishOf(problem);
    why.replace(why.find('%'), 1, path);
    if (sysError != 0) why += std::string(": ") + std::strerror(sysError);
    IoResult r = failure(why);
    r.problem = problem;
    r.path = path;
    r.sysError = sysError;
    return r;
}

IoResult readFile(const std::string& path, Bytes& out, std::size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return IoResult::failure(IoProblem::CannotOpen, path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return IoResult::failure(IoProblem::NotAFile, path);
    }
    Bytes data;
    std::uint8_t buf[16384];
    for (;;) {
        std::size_t want = sizeof buf;
        if (maxBytes && data.size() + want > maxBytes) want = maxBytes - data.size();
        if (want == 0) break;
        ssize_t n = ::read(fd, buf, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return IoResult::failure(IoProblem::CannotRead, path, errno);
        }
        if (n == 0) break;
        data.insert(data.end(), buf, buf + n);
    }
    ::close(fd);
    out = std::move(data);
    return {};
}

IoResult readTextFile(const std::string& path, std::string& out) {
    Bytes b;
    IoResult r = readFile(path, b);
    if (r) out.assign(b.begin(), b.end());
    return r;
}

bool isMarkedReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size) {
    const std::string folder = parentOf(path);
    if (isDirectory(path)) return IoResult::failure(IoProblem::IsFolder, path);
    if (isMarkedReadOnly(path)) return IoResult::failure(IoProblem::ReadOnlyFile, path);
    if (!isDirectory(folder)) return IoResult::failure(IoProblem::NoSuchFolder, folder);
    if (isMarkedReadOnly(folder)) return IoResult::failure(IoProblem::ReadOnlyFolder, folder);

    std::string tmp = path + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return IoResult::failure(IoProblem::CannotCreateIn, folder, errno);
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
    ::fchmod(fd, mode);

    const auto* p = static_cast<const std::uint8_t*>(data);
    std::size_t left = size;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            return IoResult::failure(IoProblem::CannotWrite, path, err);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    int err = synced ? 0 : errno;
    // Closed whatever the sync said, so that no descriptor is left open.
    if (::close(fd) != 0 && synced) err = errno;
    if (err != 0 || !synced) {
        ::unlink(tmp.c_str());
        return IoResult::failure(IoProblem::CannotWrite, path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return IoResult::failure(IoProblem::CannotReplace, path, err);
    }
    return {};
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

IoResult makeFolder(const std::string& path) {
    if (isDirectory(path)) return {};
    std::string parent = parentOf(path);
    if (parent != path && !isDirectory(parent)) {
        IoResult r = makeFolder(parent);
        if (!r) return r;
    }
    if (isMarkedReadOnly(parent)) return IoResult::failure(IoProblem::ReadOnlyFolder, parent);
    if (::mkdir(path.c_str(), 0755) != 0 && !(errno == EEXIST && isDirectory(path)))
        return IoResult::failure(IoProblem::CannotMakeFolder, path, errno);
    return {};
}

} // namespace platform
