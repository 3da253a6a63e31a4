#!/bin/sh
# Draws the images of the Home page's time-search and settings windows
# (tools/draw-window-images.py) and renders their bitmaps from the SVG sources
# at three times their size. Run from the repository root; needs Qt's SVG
# image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-window-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in TimeSarch_back TimeSarch_track TimeSarch_time set_back_412x332 Knob_OFF_30x30 \
    button-C_ON_58x30 button-C_OFF_58x30 button-C_minusOFF_58x30 button-C_plusOFF_58x30 \
    button-C_flatON_58x30 button-C_flatOFF_58x30 button-C_sharpON_58x30 button-C_sharpOFF_58x30; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/windows/$name.svg" "Resource/${name}_3.png" 3
done
rm -rf "$build"
