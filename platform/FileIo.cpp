#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string errnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string parentOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

} // namespace

IoResult readFile(const std::string& path, Bytes& out, std::size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return IoResult::failure(errnoText("Cannot open", path));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return IoResult::failure("Not a file: " + path);
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
            return IoResult::failure(errnoText("Cannot read", path));
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
    if (isDirectory(path)) return IoResult::failure("Is a folder: " + path);
    if (isMarkedReadOnly(path)) return IoResult::failure("The file is read-only: " + path);
    if (!isDirectory(folder)) return IoResult::failure("No such folder: " + folder);
    if (isMarkedReadOnly(folder)) return IoResult::failure("The folder is read-only: " + folder);

    std::string tmp = path + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return IoResult::failure(errnoText("Cannot create a file in", folder));
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
            std::string why = errnoText("Cannot write", path);
            ::close(fd);
            ::unlink(tmp.c_str());
            return IoResult::failure(why);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::string why = errnoText("Cannot write", path);
        ::unlink(tmp.c_str());
        return IoResult::failure(why);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        std::string why = errnoText("Cannot replace", path);
        ::unlink(tmp.c_str());
        return IoResult::failure(why);
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
    if (isMarkedReadOnly(parent)) return IoResult::failure("The folder is read-only: " + parent);
    if (::mkdir(path.c_str(), 0755) != 0 && !(errno == EEXIST && isDirectory(path)))
        return IoResult::failure(errnoText("Cannot create the folder", path));
    return {};
}

} // namespace platform
