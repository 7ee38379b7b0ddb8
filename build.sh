#!/bin/sh
# ./build.sh run             installs what is missing, builds and starts the program
# ./build.sh test            installs what is missing, checks the files' format,
#                            builds and runs every test, in a normal build and in a
#                            sanitizer build, then runs each fuzz target over a
#                            bounded number of inputs
# ./build.sh format-check    names every .cpp and .h file that drifts from
#                            .clang-format (tools/format-check.sh)
# ./build.sh fuzz [seconds]  runs each fuzz target for that long (60 s), four at a
#                            time, keeping what they learn in build/fuzz/corpus
# ./build.sh bench           builds a release and prints the benchmark table
set -eu
cd "$(dirname "$0")"

packages="qt6-base-dev qt6-translations-l10n xvfb xauth fonts-wqy-microhei fonts-dejavu-core cmake ninja-build libgtest-dev libgmock-dev g++ clang libclang-rt-14-dev clang-format"

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

# The fuzz build: the logic libraries and one target per reader of outside
# input (tests/fuzz), with clang's libFuzzer and both sanitizers.
build_fuzz() {
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVORIN_FUZZ=ON \
        -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build/fuzz --parallel "$jobs" --target fuzz
}

fuzz_targets() {
    for f in build/fuzz/fuzz/fuzz_*; do [ -x "$f" ] && basename "$f" | sed 's/^fuzz_//'; done
}

# One target: name, corpus folder it grows, then libFuzzer's options. The
# seeds in tests/fuzz/corpus/<name> are read, never written.
fuzz_one() {
    name=$1
    corpus=$2
    shift 2
    mkdir -p "$corpus" build/fuzz/artifacts build/fuzz/logs
    log=build/fuzz/logs/$name.log
    if UBSAN_OPTIONS=print_stacktrace=1 "build/fuzz/fuzz/fuzz_$name" "$@" -timeout=60 \
        -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' "$log")
        echo "fuzz $name: ${runs:-done}, nothing found"
    else
        echo "fuzz $name: FOUND A FAULT (build/fuzz/artifacts/$name-*, log $log)" >&2
        tail -n 30 "$log" >&2
        return 1
    fi
}

case "${1:-}" in
run)
    install_missing
    build build/release
    exec build/release/bin/tavorin
    ;;
test)
    install_missing
    tools/format-check.sh
    build build/release
    run_tests build/release
    build build/sanitize -DTAVORIN_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests build/sanitize
    build_fuzz
    # The seeds and a fixed number of mutations. The seeds are read in the
    # folder's order, which differs between machines, so another machine may
    # try other inputs; what it finds goes into the seeds.
    for name in $(fuzz_targets); do
        rm -rf "build/fuzz/scratch/$name"
        fuzz_one "$name" "build/fuzz/scratch/$name" -seed=1 -runs=1000
    done
    ;;
fuzz)
    install_missing
    seconds=${2:-60}
    build_fuzz
    # Four at a time: the machine is shared.
    pids=""
    found=0
    count=0
    for name in $(fuzz_targets); do
        fuzz_one "$name" "build/fuzz/corpus/$name" -max_total_time="$seconds" &
        pids="$pids $!"
        count=$((count + 1))
        if [ $((count % 4)) -eq 0 ]; then
            for p in $pids; do wait "$p" || found=1; done
            pids=""
        fi
    done
    for p in $pids; do wait "$p" || found=1; done
    exit $found
    ;;
format-check)
    install_missing
    exec tools/format-check.sh
    ;;
bench)
    install_missing
    build build/release
    # On an X server, as the program runs.
    xvfb-run -a build/release/tests/bench_all
    ;;
*)
    echo "usage: $0 run|test|format-check|fuzz [seconds]|bench" >&2
    exit 2
    ;;
esac
