#!/bin/sh
# Starts the program on a real X server and checks that it is still running
# after start-up, then ends it.
exe="$1"
home=$(mktemp -d)
cp "$(dirname "$exe")/tavorin.def" "$home/" 2>/dev/null
export TAVORIN_HOME="$home"
unset QT_QPA_PLATFORM
status=0
xvfb-run -a sh -c "\"$exe\" & pid=\$!; sleep 3; kill -0 \$pid || exit 1; kill \$pid; wait \$pid; exit 0" || status=1
rm -rf "$home"
exit $status
