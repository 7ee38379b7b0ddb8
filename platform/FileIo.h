#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the
// target and is renamed over it, so a failed write never damages the old file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

struct IoResult {
    bool ok = true;
    std::string error; // why it failed, for the user
    explicit operator bool() const { return ok; }
    static IoResult failure(std::string why) { return {false, std::move(why)}; }
};

// Reads at most maxBytes (all when 0); never creates the file.
IoResult readFile(const std::string& path, Bytes& out, std::size_t maxBytes = 0);
IoResult readTextFile(const std::string& path, std::string& out);

// A file or folder marked read-only refuses writes even for the superuser,
// as a read-only file does on the radio's home platform.
bool isMarkedReadOnly(const std::string& path);

IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size);
inline IoResult writeFileAtomic(const std::string& path, const Bytes& b) {
    return writeFileAtomic(path, b.data(), b.size());
}
inline IoResult writeFileAtomic(const std::string& path, const std::string& s) {
    return writeFileAtomic(path, s.data(), s.size());
}

bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);
// Creates the folder (and its parents) when missing.
IoResult makeFolder(const std::string& path);

} // namespace platform
