#!/bin/sh
# Starts the program on a real X server, as a user would, in one of three
# ways (the second argument), each a test of its own:
# - no-firrun, firrun-2: the preparing run after installation (no FirRun, or
#   FirRun 2) stores FirRun 1, starts the program again and ends; the new run
#   is the first real start: it stores FirRun 0 and keeps running;
# - shipped: with the shipped settings (FirRun 1) it opens its windows and
#   keeps running.
exe="$1"
way="$2"
unset QT_QPA_PLATFORM
export TAVORIN_QUIET=1
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

home=$(mktemp -d)
export TAVORIN_HOME="$home"
cp "$(dirname "$exe")/zezirev.def" "$home/" || fail "no shipped files"

# No serial port of this machine is touched.
ports() {
    printf '\n[Ports]\n'
    for n in $(seq 1 16); do echo "$n=$home/no-port"; done
}

# Runs on one X server: the preparing run, which must end at once, then
# waits for the run it started, checks that it keeps running and ends it by
# its id (the one run of the program in this test's folder).
cat >"$home/prepare.sh" <<EOF
"$exe" || exit 2
for i in \$(seq 1 100); do grep -q '^FirRun=0' "$home/tavorin.def" && break; sleep 0.1; done
sleep 2
for p in /proc/[0-9]*; do
    [ "\$p/exe" -ef "$exe" ] || continue
    tr '\\0' '\\n' <"\$p/environ" 2>/dev/null | grep -qx "TAVORIN_HOME=$home" || continue
    kill "\${p#/proc/}" && exit 0
done
exit 3
EOF

prepare() { # the settings file's first lines
    { printf '%s\n' "$1"; ports; } >"$home/tavorin.def"
    timeout 30 xvfb-run -a sh "$home/prepare.sh"
    rc=$?
    [ $rc -eq 0 ] || fail "preparing run with '$1' ended with $rc (2: failed, 3: no new run)"
    grep -q '^FirRun=0' "$home/tavorin.def" || fail "the new run did not make the first real start"
}

case "$way" in
no-firrun) prepare "[Setting]" ;;
firrun-2) prepare "[Setting]
FirRun=2" ;;
shipped)
    # A first real start with the shipped settings keeps running.
    { cat "$(dirname "$exe")/tavorin.def"; ports; } >"$home/tavorin.def" || fail "no shipped settings"
    xvfb-run -a sh -c "\"$exe\" & pid=\$!; sleep 3; kill -0 \$pid || exit 1; kill \$pid; wait \$pid; exit 0" ||
        fail "the program did not keep running"
    grep -q '^FirRun=0' "$home/tavorin.def" || fail "the first real start did not store FirRun=0"
    ;;
*) fail "no such way to start: '$way'" ;;
esac

rm -rf "$home"
exit $status
