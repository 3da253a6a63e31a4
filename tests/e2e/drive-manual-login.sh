#!/bin/sh
# The clicks and keys of the manual login, inside Xvfb (see manual-login.sh).
set -eu
build=$1
work=$2

"$build/src/HB740Control" > "$work/app.log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
window=$(xdotool search --sync --name "QUOVAL HB740 CONTROL" | head -n 1)
sleep 1

# The window opens at 450 x 815 at the screen's corner: its application area
# is 777.02 high and its unit 1.0852 (every position below is in that unit,
# from the area's top left corner at 0.36, 18.99).
at() {
    awk -v x="$1" -v y="$2" 'BEGIN { printf "%d %d", 0.36 + x * 1.0852, 18.99 + y * 1.0852 }'
}
click() {
    xdotool mousemove --window "$window" $(at "$1" "$2") click 1
    sleep 0.2
}

# Seven taps on the title show the manual page.
for tap in 1 2 3 4 5 6 7; do
    click 151 15
done
# Address and password, then Login.
click 207 275
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 30 "127.0.0.2"
click 207 365
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 30 "pass"
click 207 448

# The session is announced 800 ms after the login.
sleep 3
import -window root "$work/after-login.png"
cp "$work/after-login.png" "$build/e2e-after-login.png" 2>/dev/null || true

# Logged in: the grey band between the Home and Menu tabs shows.
gap=$(convert "$work/after-login.png" -format '%[fx:round(255*p{89,19}.r)],%[fx:round(255*p{89,19}.g)],%[fx:round(255*p{89,19}.b)]' info:)
if [ "$gap" = "187,187,187" ]; then
    echo "PASS: the window shows its pages"
else
    echo "FAIL: the window does not show its pages (pixel $gap)"
    exit 1
fi
