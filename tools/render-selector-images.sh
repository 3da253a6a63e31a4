#!/bin/sh
# Draws the Home page's selector images (tools/draw-selector-images.py) and
# renders their bitmaps from the SVG sources at three times their size. Run
# from the repository root; needs Qt's SVG image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-selector-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in button-D_OFF_120x48 button-D_ON_120x48; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/selectors/$name.svg" "Resource/${name}_3.png" 3
done
rm -rf "$build"
