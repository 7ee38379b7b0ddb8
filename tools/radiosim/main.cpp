// radiosim --link PATH [--pace BAUD] [--model CODE]
// Plays a radio on a pseudo-terminal reachable as PATH (a symbolic link),
// until interrupted. Name PATH as a port in the settings file:
//   [Ports]
//   1=PATH
#include "tools/radiosim/Radio.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t stop = 0;
void onSignal(int) {
    stop = 1;
}

int usage() {
    std::fprintf(stderr, "usage: radiosim --link PATH [--pace BAUD] [--model CODE]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    std::string path;
    int pace = 0;
    int model = 101;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return usage();
        if (arg == "--link")
            path = argv[++i];
        else if (arg == "--pace")
            pace = std::atoi(argv[++i]);
        else if (arg == "--model")
            model = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (path.empty()) return usage();

    radiosim::Radio radio;
    radio.setPacing(pace);
    radio.setIdentity({0x12, 0x27, 0x15, 0x01, 0x00}, static_cast<std::uint8_t>(model));
    ::unlink(path.c_str());
    if (::symlink(radio.devicePath().c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "radiosim: cannot make %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("radiosim: a radio of model %d on %s (%s)\n", model, path.c_str(),
                radio.devicePath().c_str());
    std::fflush(stdout);
    while (!stop) ::pause();
    ::unlink(path.c_str());
    return 0;
}
