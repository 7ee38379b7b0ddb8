#include "platform/PortLock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The lock files the ports of this process hold: a second port of ours on
// the same device finds its own process id in the file, which alone would
// not refuse it.
std::set<std::string>& heldHere() {
    static std::set<std::string> files;
    return files;
}

bool isFolder(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

std::string resolved(const std::string& device) {
    char buf[PATH_MAX];
    return ::realpath(device.c_str(), buf) ? std::string(buf) : device;
}

std::string lockName(const std::string& device) {
    std::string path = resolved(device);
    if (path.rfind("/dev/", 0) == 0) path.erase(0, 5);
    std::replace(path.begin(), path.end(), '/', '_');
    return "LCK.." + path;
}

bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

enum class Read { Missing, Unreadable, Done };

// The start of a lock file, never following a link or waiting on a pipe.
Read readLock(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? Read::Missing : errno == EACCES ? Read::Unreadable : Read::Done;
    char buf[64];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    content.assign(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
    return Read::Done;
}

enum class Made { Taken, Exists, Cannot };

// Written in full under a name of its own, then linked into place, so that
// no other program ever reads a lock file half written.
Made makeLock(const std::string& folder, const std::string& path) {
    static unsigned counter = 0;
    const std::string temporary =
        folder + "/LTMP." + std::to_string(::getpid()) + "." + std::to_string(++counter);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return Made::Cannot;
    char text[16];
    const int len = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
    const bool written = ::fchmod(fd, 0644) == 0 && ::write(fd, text, static_cast<std::size_t>(len)) == len;
    const bool closed = ::close(fd) == 0;
    Made made = Made::Cannot;
    if (written && closed) {
        if (::link(temporary.c_str(), path.c_str()) == 0)
            made = Made::Taken;
        else if (errno == EEXIST)
            made = Made::Exists;
    }
    ::unlink(temporary.c_str());
    return made;
}

} // namespace

std::string portLockFolder() {
    if (const char* set = std::getenv("TAVORIN_LOCK_DIR"); set && *set) return set;
    return isFolder("/run/lock") ? "/run/lock" : "/var/lock";
}

std::string portLockFile(const std::string& device) {
    return device.empty() ? std::string() : portLockFolder() + "/" + lockName(device);
}

std::optional<pid_t> portLockHolder(const std::string& content) {
    const bool text = !content.empty() && std::all_of(content.begin(), content.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ' ' || c == '\n' || c == '\r' || c == '\t';
    });
    if (text) {
        std::size_t i = content.find_first_not_of(" \t");
        long long pid = 0;
        std::size_t digits = 0;
        for (; i < content.size() && content[i] >= '0' && content[i] <= '9' && digits < 12; ++i, ++digits)
            pid = pid * 10 + (content[i] - '0');
        if (digits == 0 || content.find_first_not_of(" \t\r\n", i) != std::string::npos) return std::nullopt;
        if (pid <= 0 || pid > INT_MAX) return std::nullopt;
        return static_cast<pid_t>(pid);
    }
    if (content.size() == sizeof(int)) {
        int pid = 0;
        std::memcpy(&pid, content.data(), sizeof pid);
        if (pid > 0) return static_cast<pid_t>(pid);
    }
    return std::nullopt;
}

bool PortLock::take(const std::string& device) {
    release();
    // A device that is not there takes no lock: its open says why.
    if (device.empty() || ::access(device.c_str(), F_OK) != 0) return true;
    const std::string folder = portLockFolder();
    const std::string path = folder + "/" + lockName(device);
    if (heldHere().count(path)) return false;
    for (int tries = 0; tries < 3; ++tries) {
        std::string content;
        switch (readLock(path, content)) {
        case Read::Unreadable: // whose it is cannot be told: in use
            return false;
        case Read::Done:
            if (std::optional<pid_t> holder = portLockHolder(content);
                holder && *holder != ::getpid() && alive(*holder))
                return false;
            // Stale, or ours from before: replaced, when the folder lets us.
            if (::unlink(path.c_str()) != 0 && errno != ENOENT) return true;
            break;
        case Read::Missing:
            break;
        }
        switch (makeLock(folder, path)) {
        case Made::Taken:
            file_ = path;
            heldHere().insert(path);
            return true;
        case Made::Exists: // another program took it a moment ago: look again
            continue;
        case Made::Cannot:
            return true;
        }
    }
    return false;
}

void PortLock::release() {
    if (file_.empty()) return;
    std::string content;
    if (readLock(file_, content) == Read::Done && portLockHolder(content) == ::getpid())
        ::unlink(file_.c_str());
    heldHere().erase(file_);
    file_.clear();
}

} // namespace platform
