#!/bin/sh
# Checks every .cpp and .h file of the project against its clang-format
# style (.clang-format, clang-format 14) and names each file that drifts.
# Run by hand, or by ./build.sh test and ./build.sh format-check.
# Mend a file with: clang-format -i <file>
set -eu
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
    echo "format check: clang-format is not installed (Debian's clang-format package)" >&2
    exit 1
fi

list=$(mktemp)
report=$(mktemp)
trap 'rm -f "$list" "$report"' EXIT
# The files git tracks; a tree without git (a fresh machine that was given
# the sources alone) has every one outside the build folders.
if command -v git >/dev/null 2>&1 && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -- '*.cpp' '*.h' >"$list"
else
    find . \( -path './build*' -o -path ./.git \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0 >"$list"
fi
# clang-format names the file at the start of each line it complains about.
status=0
xargs -0 clang-format --dry-run --Werror <"$list" >"$report" 2>&1 || status=$?
drifting=$(sed -n 's/^\([^ :][^:]*\):[0-9][0-9]*:[0-9][0-9]*: [a-z]*: .*/\1/p' "$report" | sort -u)
if [ -n "$drifting" ]; then
    echo "format check: these files drift from .clang-format (clang-format -i <file>):" >&2
    echo "$drifting" | sed 's/^/  /' >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    # A failure that names no file (a file that cannot be read, a bad style file).
    echo "format check: clang-format failed:" >&2
    cat "$report" >&2
    exit 1
fi
echo "format check: $(tr -cd '\0' <"$list" | wc -c) files as .clang-format lays them out"
