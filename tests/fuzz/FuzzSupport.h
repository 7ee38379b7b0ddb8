#pragma once
// What the fuzz targets share: values taken one by one from the input, a
// check that stops the run when what must hold does not (libFuzzer keeps the
// input as a crash), and a folder for the files a target reads and writes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fuzz {

// The input, read from the front. Past its end every value is 0 and every
// run of bytes empty, so a target never reads beyond it.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::size_t left() const { return empty() ? 0 : size_ - pos_; }
    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
    unsigned word() { return byte() | unsigned(byte()) << 8; }
    // A value from lo to hi.
    int between(int lo, int hi) { return lo + static_cast<int>(word() % static_cast<unsigned>(hi - lo + 1)); }
    std::vector<std::uint8_t> bytes(std::size_t n) {
        n = std::min(n, left());
        std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + n);
        pos_ += n;
        return out;
    }
    std::string text(std::size_t n) {
        const std::vector<std::uint8_t> b = bytes(n);
        return std::string(b.begin(), b.end());
    }
    std::vector<std::uint8_t> rest() { return bytes(left()); }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The program's reporter writes no line for each failure a target provokes.
inline void quiet() {
    static const bool set = ::setenv("TAVORIN_QUIET", "1", 1) == 0;
    (void)set;
}

[[noreturn]] inline void failed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: does not hold: %s\n", file, line, what);
    std::abort();
}

// A folder of the process's own for the files of one target: on a memory
// file system when the machine has one.
inline const std::string& workFolder() {
    struct Folder {
        std::string path;
        Folder() {
            const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                                   ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
            path = (base / ("tavorin-fuzz-" + std::to_string(::getpid()))).string();
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

} // namespace fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) ::fuzz::failed(#condition, __FILE__, __LINE__);                                    \
    } while (0)
