#pragma once
// The lock file most serial programs on Linux take before they open a port:
// "LCK.." and the device's name in the system's lock folder, holding the
// owner's process id as ten characters right-aligned and a newline. A port
// whose lock file names a live process is in use; a lock of a process that
// is gone is stale and is taken over.
#include <optional>
#include <string>

#include <sys/types.h>

namespace platform {

// The folder of the lock files: TAVORIN_LOCK_DIR when set (tests name a
// folder of their own), else /run/lock, else /var/lock.
std::string portLockFolder();

// The lock file of a device, named after the device the path leads to:
// /dev/ttyUSB0 gives LCK..ttyUSB0; a '/' below /dev (a pseudo-terminal
// /dev/pts/3) becomes '_' (LCK..pts_3), so that the name stays one entry of
// the folder. A device outside /dev keeps its whole path that way
// (LCK.._tmp_radio). Empty for an empty path.
std::string portLockFile(const std::string& device);

// The process a lock file's content names: ten characters right-aligned
// and a newline, plain decimal, or the process id as a binary int.
std::optional<pid_t> portLockHolder(const std::string& content);

// A port's lock file while this process holds it.
class PortLock {
  public:
    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes the device's lock file, replacing a stale one. False when
    // another process, or another port of this one, holds it. True, without
    // a file, when the folder takes none (no right to write there): then
    // the port's own exclusive open has to do.
    bool take(const std::string& device);
    // Removes the file taken, if it still names this process.
    void release();
    const std::string& file() const { return file_; } // empty when none taken

  private:
    std::string file_;
};

} // namespace platform
