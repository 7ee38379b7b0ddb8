#include "platform/FileIo.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/random.h>
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

namespace {

constexpr int kMaxLinks = 40; // as the kernel follows them
constexpr std::string_view kTempPrefix = ".tavorin-", kTempSuffix = ".tmp";
constexpr std::size_t kRandomLength = 8, kCheckLength = 8;

std::string baseOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joinTo(const std::string& folder, const std::string& name) {
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The file a write through `path` must replace: symbolic links followed,
// a relative one from its own folder. A link to nothing gives its target,
// which the write creates.
IoResult followLinks(const std::string& path, std::string& target) {
    std::string p = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        if (hops == kMaxLinks) return IoResult::failure(IoProblem::CannotWrite, path, ELOOP);
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
        if (n < 0) return IoResult::failure(IoProblem::CannotOpen, p, errno);
        if (static_cast<std::size_t>(n) == sizeof buf)
            return IoResult::failure(IoProblem::CannotOpen, p, ENAMETOOLONG);
        std::string to(buf, static_cast<std::size_t>(n));
        p = to.empty() || to.front() == '/' ? to : joinTo(parentOf(p), to);
    }
    target = p;
    return {};
}

std::uint32_t checkOf(std::string_view name, std::string_view random) {
    std::uint32_t h = 2166136261u; // FNV-1a
    auto mix = [&h](std::string_view part) {
        for (unsigned char c : part) h = (h ^ c) * 16777619u;
        h = (h ^ 0xFFu) * 16777619u; // parts stay apart
    };
    mix("tavorin temporary");
    mix(name);
    mix(random);
    return h;
}

std::string hex8(std::uint32_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string out(kCheckLength, '0');
    for (std::size_t i = kCheckLength; i-- > 0; v >>= 4) out[i] = digits[v & 0xF];
    return out;
}

// Not the program's generator: a write must not move the sequence a test
// fixed, and two processes forked from one must not draw alike.
std::string randomPart() {
    static std::uint64_t counter = 0;
    std::uint64_t v = 0;
    if (::getrandom(&v, sizeof v, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof v))
        v = static_cast<std::uint64_t>(deviceNowMs()) * 6364136223846793005u;
    v ^= (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter;
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string out(kRandomLength, '0');
    for (char& c : out) c = digits[v % 36], v /= 36;
    return out;
}

// A short name of its own, so that any name the file system takes can be
// written, with a check that tells it from any file of the user's.
std::string temporaryNameOf(const std::string& name) {
    const std::string random = randomPart();
    return std::string(kTempPrefix) + random + "-" + hex8(checkOf(name, random)) + std::string(kTempSuffix);
}

bool isTemporaryOf(std::string_view candidate, const std::string& name) {
    if (candidate.size() != kTempPrefix.size() + kRandomLength + 1 + kCheckLength + kTempSuffix.size() ||
        candidate.substr(0, kTempPrefix.size()) != kTempPrefix ||
        candidate.substr(candidate.size() - kTempSuffix.size()) != kTempSuffix)
        return false;
    const std::string_view random = candidate.substr(kTempPrefix.size(), kRandomLength);
    if (candidate[kTempPrefix.size() + kRandomLength] != '-') return false;
    const std::string_view check = candidate.substr(kTempPrefix.size() + kRandomLength + 1, kCheckLength);
    return check == hex8(checkOf(name, random));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `name` in the folder is still the file open as fd.
bool stillNamed(int dirFd, const std::string& name, int fd) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           sameFile(open, named);
}

bool lockWaiting(int fd) {
    for (;;) {
        if (::flock(fd, LOCK_EX) == 0) return true;
        if (errno != EINTR) return false;
    }
}

// A temporary whose writer is gone: its lock is free. One that cannot be
// opened or locked is kept.
void removeIfAbandoned(int dirFd, const std::string& tmp) {
    const int fd = ::openat(dirFd, tmp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        stillNamed(dirFd, tmp, fd))
        ::unlinkat(dirFd, tmp.c_str(), 0);
    ::close(fd);
}

void removeStraysIn(int dirFd, const std::string& name) {
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return;
    DIR* dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return;
    }
    std::vector<std::string> strays;
    while (const dirent* e = ::readdir(dir))
        if (isTemporaryOf(e->d_name, name)) strays.emplace_back(e->d_name);
    ::closedir(dir);
    for (const std::string& tmp : strays) removeIfAbandoned(dirFd, tmp);
}

// The folder, for the calls relative to it: a long folder path is walked
// once, and the temporary's name is never longer than the target's path.
class Folder {
  public:
    explicit Folder(const std::string& path) {
        fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // A folder that may be entered but not listed still takes files.
        if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    ~Folder() {
        if (fd >= 0) ::close(fd);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    int fd = -1;
};

// Creates the temporary, locked before a byte is in it. A cleaner that took
// the fresh name before the lock did has removed it: then another is drawn.
IoResult createTemporary(int dirFd, const std::string& name, const std::string& folder, int& fd,
                         std::string& tmp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = temporaryNameOf(name);
        fd = ::openat(dirFd, tmp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR) continue;
            return IoResult::failure(IoProblem::CannotCreateIn, folder, errno);
        }
        // Without locks on this file system no cleaner can lock it either,
        // so it stays.
        if (!lockWaiting(fd) || stillNamed(dirFd, tmp, fd)) return {};
        ::close(fd);
    }
    return IoResult::failure(IoProblem::CannotCreateIn, folder, EEXIST);
}

} // namespace

IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size) {
    std::string target;
    if (IoResult r = followLinks(path, target); !r) return r;
    const std::string folder = parentOf(target);
    const std::string name = baseOf(target);
    if (name.empty() || isDirectory(target)) return IoResult::failure(IoProblem::IsFolder, target);
    if (isMarkedReadOnly(target)) return IoResult::failure(IoProblem::ReadOnlyFile, target);
    if (!isDirectory(folder)) return IoResult::failure(IoProblem::NoSuchFolder, folder);
    if (isMarkedReadOnly(folder)) return IoResult::failure(IoProblem::ReadOnlyFolder, folder);

    const Folder dir(folder);
    if (dir.fd < 0) return IoResult::failure(IoProblem::CannotCreateIn, folder, errno);
    removeStraysIn(dir.fd, name);
    int fd = -1;
    std::string tmp;
    if (IoResult r = createTemporary(dir.fd, name, folder, fd, tmp); !r) return r;
    // The lock on it is held until the rename, so that no cleaner takes it.
    auto abandon = [&](IoProblem problem, int err) {
        ::unlinkat(dir.fd, tmp.c_str(), 0);
        ::close(fd);
        return IoResult::failure(problem, target, err);
    };
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;
    ::fchmod(fd, mode);

    const auto* p = static_cast<const std::uint8_t*>(data);
    std::size_t left = size;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(IoProblem::CannotWrite, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return abandon(IoProblem::CannotWrite, errno);
    if (::renameat(dir.fd, tmp.c_str(), dir.fd, name.c_str()) != 0)
        return abandon(IoProblem::CannotReplace, errno);
    // The new name lasts a crash too; a folder that cannot be synced still
    // holds it.
    ::fsync(dir.fd);
    // The bytes are on the disk already: closing can lose nothing.
    ::close(fd);
    return {};
}

void removeStrayTemporaries(const std::string& path) {
    std::string target;
    if (!followLinks(path, target)) return;
    const std::string name = baseOf(target);
    const Folder dir(parentOf(target));
    if (dir.fd >= 0 && !name.empty()) removeStraysIn(dir.fd, name);
}

RewriteLock::RewriteLock(const std::string& path, int waitMs) {
    std::string target;
    if (!followLinks(path, target)) return;
    fd_ = ::open(parentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    const std::int64_t until = deviceNowMs() + waitMs;
    int pause = 1;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || deviceNowMs() >= until) return;
        deviceSleepMs(pause);
        pause = std::min(pause * 2, 8);
    }
}

RewriteLock::~RewriteLock() {
    // Closing releases the lock.
    if (fd_ >= 0) ::close(fd_);
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
