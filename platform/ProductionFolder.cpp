#include "platform/ProductionFolder.h"

#include "platform/System.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

std::string productionFolder() {
    return joinPath(homeFolder(), ProductionFolderName);
}

std::string productionPath(std::initializer_list<std::string_view> parts) {
    std::string path = productionFolder();
    for (std::string_view p : parts) path = joinPath(path, std::string(p));
    return path;
}

IoResult makeProductionFolders(std::initializer_list<std::string_view> subfolders) {
    if (IoResult r = makeFolder(productionFolder()); !r) return r;
    for (std::string_view sub : subfolders)
        if (IoResult r = makeFolder(productionPath({sub})); !r) return r;
    return {};
}

} // namespace platform
