#!/bin/sh
# End to end, as an operator would do it: the real application in a real
# window (Xvfb), a scripted recorder beside it; taps the title seven times
# for the manual page, types the recorder's address and password, logs in,
# and checks that the recorder was logged in to and that the window shows
# its pages. Run inside a loopback-only network namespace:
#   unshare -n sh -c 'ip link set lo up; sh tests/e2e/manual-login.sh build'
set -eu
build=${1:-build}
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
recorder=
trap 'if [ -n "$recorder" ]; then kill $recorder 2>/dev/null || true; fi; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$build/tests/fake-recorder" 127.0.0.2 "$here/tests/support/example.script" > "$work/recorder.log" 2>&1 &
recorder=$!

# A failing window run must still let the logs below be shown.
status=0
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh "$here/tests/e2e/drive-manual-login.sh" "$build" "$work" \
    || status=$?

if ! grep -q -- "-- linked" "$work/recorder.log" || ! grep -q "<- 07F475600" "$work/recorder.log"; then
    echo "FAIL: the recorder was not logged in to"
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "--- the scripted recorder's log"
    cat "$work/recorder.log"
    echo "--- the application's log"
    cat "$work/app.log" 2>/dev/null || true
fi
exit "$status"
