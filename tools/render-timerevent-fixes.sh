#!/bin/sh
# Draws the TIMER EVENT images, then the two redrawn by
# tools/draw-timerevent-fixes.py, and renders those two once at three times
# their size into build/timerevent-images to look at them. Run from the
# repository root.
set -e
cd "$(dirname "$0")/.."
sh tools/render-timerevent-images.sh
python3 tools/draw-timerevent-fixes.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in icon_62x28_Play_Black icon_48x14_RepeatCount; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/TimerEvent/$name.svg" "build/timerevent-images/$name.png" 3
done
rm -rf "$build"
