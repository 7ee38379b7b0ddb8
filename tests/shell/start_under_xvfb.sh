#!/bin/sh
# Starts the program on a real X server, as a user would:
# - with the shipped settings (FirRun 1) it opens its windows and keeps running;
# - the preparing run after installation (no settings file, or FirRun 2)
#   stores FirRun 1 and ends at once without a window.
exe="$1"
unset QT_QPA_PLATFORM
export TAVORIN_QUIET=1
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

home=$(mktemp -d)
export TAVORIN_HOME="$home"

# Preparing runs: no file, then FirRun=2.
for content in "" "[Setting]
FirRun=2"; do
    rm -f "$home/tavorin.def"
    [ -n "$content" ] && printf '%s\n' "$content" >"$home/tavorin.def"
    timeout 20 xvfb-run -a "$exe"
    rc=$?
    [ $rc -eq 0 ] || fail "preparing run ended with $rc"
    grep -q '^FirRun=1' "$home/tavorin.def" || fail "preparing run did not store FirRun=1"
done

# A first real start with the shipped settings keeps running.
cp "$(dirname "$exe")/tavorin.def" "$(dirname "$exe")/zezirev.def" "$home/" || fail "no shipped files"
# No serial port of this machine is touched.
printf '\n[Ports]\n' >>"$home/tavorin.def"
for n in $(seq 1 16); do echo "$n=$home/no-port" >>"$home/tavorin.def"; done
xvfb-run -a sh -c "\"$exe\" & pid=\$!; sleep 3; kill -0 \$pid || exit 1; kill \$pid; wait \$pid; exit 0" ||
    fail "the program did not keep running"
grep -q '^FirRun=0' "$home/tavorin.def" || fail "the first real start did not store FirRun=0"

rm -rf "$home"
exit $status
