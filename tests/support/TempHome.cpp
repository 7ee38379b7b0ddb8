#include "tests/support/TempHome.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

// A memory file system where the machine has one: every settings and data
// file the program writes is synced, and on a disk busy with builds each
// sync would keep the test waiting. What is written and read is the same.
std::filesystem::path tempRoot() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

} // namespace

TempHome::TempHome() {
    std::string tmpl = (tempRoot() / "tavorin-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
    home_ = std::make_unique<ScopedEnv>("TAVORIN_HOME", path_);
    user_ = std::make_unique<ScopedEnv>("HOME", path_);
    locks_ = std::make_unique<ScopedEnv>("TAVORIN_LOCK_DIR", file("lock"));
}

TempHome::~TempHome() {
    std::error_code ec;
    // Folders a test made read-only must be writable again to be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempHome::write(const std::string& name, const std::string& content) const {
    std::ofstream(file(name), std::ios::binary) << content;
}

std::string TempHome::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void TempHome::copyShipped(const std::string& name) const {
    // The build's program folder and the shipped data, unless the
    // environment names others.
    const std::pair<const char*, const char*> folders[] = {{"TAVORIN_BIN", TAVORIN_BUILD_BIN},
                                                           {"TAVORIN_DATA", TAVORIN_SOURCE_DATA}};
    for (const auto& [var, built] : folders) {
        const char* named = std::getenv(var);
        const char* dir = named ? named : built;
        std::filesystem::path src = std::filesystem::path(dir) / name;
        if (std::filesystem::exists(src)) {
            std::filesystem::copy_file(src, file(name), std::filesystem::copy_options::overwrite_existing);
            return;
        }
    }
    throw std::runtime_error("shipped file not found: " + name);
}

} // namespace testsupport
