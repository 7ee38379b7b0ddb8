#!/bin/sh
# The program's command line as a user types it, in a program folder of its
# own: --help, -h and --version print the usage and the version and end
# without a display and without touching the settings file; an argument the
# program does not take is named on standard error with the usage, and the
# program fails; Qt's own options still start it.
exe="$1"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TAVORIN_SHOWN_STAMP
export TAVORIN_QUIET=1
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

home=$(mktemp -d)
export TAVORIN_HOME="$home"
bin=$(dirname "$exe")
cp "$bin/tavorin.def" "$bin/zezirev.def" "$bin/DefRadioSet.def" "$home/" || fail "no shipped files"
# No serial port of this machine is touched.
{ printf '\n[Ports]\n'; for n in $(seq 1 16); do echo "$n=$home/no-port"; done; } >>"$home/tavorin.def"
cp "$home/tavorin.def" "$home/settings.before"
files() { (cd "$home" && ls -A); }
before=$(files)

for args in "--help" "-h" "--version" "-platform offscreen --help"; do
    # shellcheck disable=SC2086
    "$exe" $args >"$home/out" 2>"$home/err"
    rc=$?
    [ $rc -eq 0 ] || fail "'$args' ended with $rc"
    grep -q '^Usage: tavorin ' "$home/out" || fail "'$args' printed no usage line"
    grep -q 'The tavorin project: radio programming software, Version 1.0' "$home/out" ||
        fail "'$args' printed no name and version"
    [ -s "$home/err" ] && fail "'$args' wrote to standard error: $(cat "$home/err")"
    rm -f "$home/out" "$home/err"
    cmp -s "$home/tavorin.def" "$home/settings.before" || fail "'$args' changed the settings file"
    [ "$(files)" = "$before" ] || fail "'$args' left files: $(files)"
done

"$exe" -platform offscreen --bogus stray >"$home/out" 2>"$home/err"
rc=$?
[ $rc -ne 0 ] || fail "unknown arguments ended with success"
grep -q 'unknown argument: --bogus$' "$home/err" || fail "--bogus not named: $(cat "$home/err")"
grep -q 'unknown argument: stray$' "$home/err" || fail "stray not named: $(cat "$home/err")"
grep -q '^Usage: tavorin ' "$home/err" || fail "no usage line on standard error"
[ -s "$home/out" ] && fail "unknown arguments wrote to standard output"
rm -f "$home/out" "$home/err"
cmp -s "$home/tavorin.def" "$home/settings.before" || fail "unknown arguments changed the settings file"

# Qt's own option alone starts the program: its main window is shown (the
# launch stamp then ends it at once).
TAVORIN_SHOWN_STAMP=1 timeout 60 "$exe" -platform offscreen >"$home/out" 2>/dev/null
rc=$?
[ $rc -eq 0 ] || fail "'-platform offscreen' ended with $rc"
grep -q '^shown ' "$home/out" || fail "'-platform offscreen' showed no main window"

rm -rf "$home"
exit $status
