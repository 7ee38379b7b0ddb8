#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the
// target and is renamed over it, so a failed write never damages the old file.
// A write through a symbolic link replaces the file the link leads to and
// leaves the link as it is.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

// What went wrong with a file or folder, so that the interface can say it
// in its own language.
enum class IoProblem {
    None, // a failure told by its text alone
    NoSuchFile,
    NotAFile,
    IsFolder,
    NoSuchFolder,
    ReadOnlyFile,
    ReadOnlyFolder,
    CannotOpen,
    CannotRead,
    CannotCreateIn, // no new file could be made in the folder
    CannotWrite,
    CannotReplace,
    CannotMakeFolder,
};

struct IoResult {
    bool ok = true;
    std::string error;                   // why it failed, in English (the error report)
    IoProblem problem = IoProblem::None; // why, for the user's language
    std::string path;                    // the file or folder concerned
    int sysError = 0;                    // the system's error number, 0 when none
    explicit operator bool() const { return ok; }
    static IoResult failure(std::string why) {
        IoResult r;
        r.ok = false;
        r.error = std::move(why);
        return r;
    }
    static IoResult failure(IoProblem problem, const std::string& path, int sysError = 0);
};

// Reads at most maxBytes (all when 0); never creates the file.
IoResult readFile(const std::string& path, Bytes& out, std::size_t maxBytes = 0);
IoResult readTextFile(const std::string& path, std::string& out);

// A file or folder marked read-only refuses writes even for the superuser,
// as a read-only file does on the radio's home platform.
bool isMarkedReadOnly(const std::string& path);

// The temporary file is named ".tavorin-<random>-<check>.tmp", the check
// drawn from the random part and the target's name, and is locked (flock)
// while it is written. A write first removes the strays of earlier writes of
// the same file that were killed before their rename: only names whose check
// fits, and only files no live writer holds.
IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size);
inline IoResult writeFileAtomic(const std::string& path, const Bytes& b) {
    return writeFileAtomic(path, b.data(), b.size());
}
inline IoResult writeFileAtomic(const std::string& path, const std::string& s) {
    return writeFileAtomic(path, s.data(), s.size());
}

// Removes what writeFileAtomic(path, ...) would remove before it writes
// (the start-up tidies the settings file's folder so).
void removeStrayTemporaries(const std::string& path);

// Serialises the rewrites of one file among the program's instances, held
// from the read to the rename, so that no instance's change is lost. A
// rename gives the file a new inode, so the lock is an flock on the folder
// of the file (the file a link leads to), which stays. The wait is bounded:
// a lock that cannot be had (the folder cannot be opened, the file system
// has no locks, another instance holds it longer than waitMs) lets the
// rewrite go on without it.
class RewriteLock {
  public:
    static constexpr int kWaitMs = 3000;
    explicit RewriteLock(const std::string& path, int waitMs = kWaitMs);
    ~RewriteLock();
    RewriteLock(const RewriteLock&) = delete;
    RewriteLock& operator=(const RewriteLock&) = delete;
    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);
// Creates the folder (and its parents) when missing.
IoResult makeFolder(const std::string& path);

} // namespace platform
