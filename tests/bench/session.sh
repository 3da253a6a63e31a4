#!/bin/sh
# The session benchmark: the real application in a real window (Xvfb, the
# software renderer, one screen at 1x) beside the scripted recorder playing a
# track with its clock running and the full menu. Logs in as an operator would
# (seven taps on the title, address, password, Login), waits for the live Home
# page, visits every tab once, returns to Home, and prints:
#   - the first window of the application and of a bare window (an
#     ApplicationWindow with one label) started the same way, and their ratio:
#     the median over several starts of the time from the start of the process
#     to the first drawing into its mapped window (bench-first-window);
#   - login to the first time poll: from the click on Login to the recorder
#     receiving the first time query;
#   - resident memory, logged in with every tab visited;
#   - CPU in percent of one core, averaged over 30 s on the Home page.
# It fails only when it cannot run. It enters a network namespace of its own
# that holds only loopback, so nothing reaches a real network:
#   sh tests/bench/session.sh [BUILD-DIRECTORY]
set -eu
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${HB740_BENCH_PRIVATE:-}" ]; then
    exec unshare -n env HB740_BENCH_PRIVATE=1 sh "$0" "$build"
fi
ip link set lo up

starts=${STARTS:-5}
cpu_seconds=${CPU_SECONDS:-30}
for program in "$build/src/HB740Control" "$build/tests/fake-recorder" "$build/tests/bench-bare-window" \
               "$build/tests/bench-first-window"; do
    [ -x "$program" ] || { echo "cannot run: $program is not built" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" > /dev/null || { echo "cannot run: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
recorder=
app=
cleanup() {
    for pid in $app $recorder $xvfb; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 -dpi 96 3> "$work/display" > "$work/xvfb.log" 2>&1 &
xvfb=$!
waited=0
until [ -s "$work/display" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || { echo "cannot run: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
done
export DISPLAY=":$(cat "$work/display")"

now_ms() {
    date +%s%3N
}

# Waits until the file holds a line matching the pattern; gives up after $3 s.
wait_for() {
    waited=0
    until grep -q -- "$2" "$1" 2>/dev/null; do
        sleep 0.05
        waited=$((waited + 1))
        if [ "$waited" -gt $(($3 * 20)) ]; then
            echo "cannot run: no \"$2\" in $(basename "$1") after $3 s" >&2
            return 1
        fi
    done
}

# Starts a program under the probe; sets `probed` to "MAPPED DRAWN PID" once
# its first window is drawn.
start_probed() {
    out="$work/probe.$$.$(now_ms)"
    : > "$out"
    "$build/tests/bench-first-window" "$@" >> "$out" 2> "$work/probe.log" &
    probe=$!
    wait_for "$out" . 60
    probed=$(cat "$out")
}

# One start of a program, to its first drawn window and no further.
first_window() {
    start_probed "$@"
    pid=${probed##* }
    kill "$pid"
    wait "$probe" 2>/dev/null || true
    echo "$probed" | cut -d' ' -f2
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# First windows: one start of each to warm the caches, then alternating starts.
first_window "$build/tests/bench-bare-window" > /dev/null
first_window "$build/src/HB740Control" > /dev/null
: > "$work/bare.times"
: > "$work/app.times"
i=0
while [ "$i" -lt "$starts" ]; do
    first_window "$build/tests/bench-bare-window" >> "$work/bare.times"
    first_window "$build/src/HB740Control" >> "$work/app.times"
    i=$((i + 1))
done
bare_ms=$(median < "$work/bare.times")
app_ms=$(median < "$work/app.times")

# The session.
"$build/tests/fake-recorder" 127.0.0.2 "$here/tests/bench/session.script" > "$work/recorder.log" 2>&1 &
recorder=$!
start_probed "$build/src/HB740Control"
app=${probed##* }
window=$(xdotool search --sync --pid "$app" --name "HB740 CONTROL" | head -n 1)

# The window opens at 450 x 815: its application area is 777.02 high, its
# unit 1.0852, its top left corner at 0.36, 18.99; positions are in that unit
# from that corner (as in tests/e2e/drive-manual-login.sh).
at() {
    awk -v x="$1" -v y="$2" 'BEGIN { printf "%d %d", 0.36 + x * 1.0852, 18.99 + y * 1.0852 }'
}
click() {
    xdotool mousemove --window "$window" $(at "$1" "$2") click 1
}
settle() {
    sleep "${1:-0.2}"
}
# The tabs are 80 units wide, 3.5 apart, from the area's left edge, in the grey
# band above the area.
tab() {
    click "$(awk -v i="$1" 'BEGIN { print 40 + 83.5 * i }')" -9
}

settle 0.5
for tap in 1 2 3 4 5 6 7; do
    click 151 15
    settle
done
click 207 275
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 30 "127.0.0.2"
click 207 365
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 30 "pass"
settle
login_at=$(now_ms)
click 207 448

# Live: the Home page's time poll reaches the recorder. The poll asks for the
# two times alone; the query that a new track brings adds "07F6A01".
first_time_poll() {
    awk '$3 == "05800" { at = $1; n = NR; next }
         n > 0 && NR == n + 1 && $3 != "05801" { n = 0 }
         n > 0 && NR == n + 2 { if ($3 != "07F6A01") { print at; exit } n = 0 }' "$work/recorder.log"
}
waited=0
until [ -n "$(first_time_poll)" ]; do
    sleep 0.05
    waited=$((waited + 1))
    [ "$waited" -lt 400 ] || { echo "cannot run: no time poll 20 s after the login" >&2; exit 1; }
done
first_poll=$(first_time_poll)
settle 1
shots="$build/bench-session"
mkdir -p "$shots"
import -window root "$shots/home.png" 2>/dev/null || true

for page in 1 2 3 4; do
    tab "$page"
    settle 2
    import -window root "$shots/tab$page.png" 2>/dev/null || true
done
tab 0
settle 3
import -window root "$shots/home-again.png" 2>/dev/null || true
kill -0 "$app" 2>/dev/null || { echo "cannot run: the application ended" >&2; exit 1; }

rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
rss_anon_kb=$(awk '/^RssAnon:/ { print $2 }' "/proc/$app/status")
rss_file_kb=$(awk '/^RssFile:/ { print $2 }' "/proc/$app/status")

# CPU time of every thread of the application, in nanoseconds.
cpu_ns() {
    cat /proc/"$app"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
}
cpu_from=$(cpu_ns)
wall_from=$(date +%s%N)
sleep "$cpu_seconds"
cpu_to=$(cpu_ns)
wall_to=$(date +%s%N)
polls=$(awk -v from="$((wall_from / 1000000))" '$1 >= from && $3 == "05800"' "$work/recorder.log" | wc -l)

echo "first window, application:  $app_ms ms (median of $starts: $(tr '\n' ' ' < "$work/app.times"))"
echo "first window, bare window:   $bare_ms ms (median of $starts: $(tr '\n' ' ' < "$work/bare.times"))"
awk -v a="$app_ms" -v b="$bare_ms" 'BEGIN { printf "first window ratio:          %.2f\n", a / b }'
echo "login to first time poll:    $((first_poll - login_at)) ms"
awk -v kb="$rss_kb" -v a="$rss_anon_kb" -v f="$rss_file_kb" \
    'BEGIN { printf "resident memory:             %.1f MB (%.1f MB own, %.1f MB of mapped files)\n", kb / 1024, a / 1024, f / 1024 }'
awk -v c="$((cpu_to - cpu_from))" -v w="$((wall_to - wall_from))" -v s="$cpu_seconds" -v p="$polls" \
    'BEGIN { printf "CPU over %d s:               %.2f %% of one core (%d time polls)\n", s, 100 * c / w, p }'
cp "$work/recorder.log" "$shots/recorder.log"
echo "(screenshots and the recorder's log of the session in $shots)"
