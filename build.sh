#!/bin/sh
# ./build.sh run   installs what is missing, builds and starts the program
# ./build.sh test  installs what is missing, builds and runs every test,
#                  in a normal build and in a sanitizer build
set -eu
cd "$(dirname "$0")"

packages="qt6-base-dev qt6-translations-l10n xvfb xauth fonts-wqy-microhei cmake ninja-build libgtest-dev libgmock-dev g++"

install_missing() {
    missing=""
    for p in $packages; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages:$missing (run as root, or install them)" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

jobs=$(nproc 2>/dev/null || echo 4)

build() { # folder, extra cmake options
    dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$jobs"
}

run_tests() { # folder
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel "$jobs" --timeout 600
}

case "${1:-}" in
run)
    install_missing
    build build/release
    exec build/release/bin/tavorin
    ;;
test)
    install_missing
    build build/release
    run_tests build/release
    build build/sanitize -DTAVORIN_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests build/sanitize
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
