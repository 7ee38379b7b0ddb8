// Writes the C++ source of the built-in placeholder firmware image.
#include "platform/FileIo.h"
#include "tools/firmgen/PlaceholderFirmware.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output source file>\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<std::string> lines = firmgen::PlaceholderHexLines();
        if (platform::IoResult r = platform::writeFileAtomic(argv[1], firmgen::BuiltInSource(lines)); !r) {
            std::fprintf(stderr, "firmgen: %s\n", r.error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "firmgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
