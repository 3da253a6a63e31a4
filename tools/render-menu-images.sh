#!/bin/sh
# Draws the MENU page's images (tools/draw-menu-images.py) and renders their
# bitmaps from the SVG sources at three times their size. Run from the
# repository root; needs Qt's SVG image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-menu-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in set_DELAY_back_412x130 set_button-ON_110x30 set_button-OFF_110x30 button-C_minusON_58x30 \
    button-C_plusON_58x30 Knob_ON_30x30 Oval_ON_144x30 Oval_OFF_144x30; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/menu/$name.svg" "Resource/${name}_3.png" 3
done
# The title band is stretched over the row: its name carries no size.
QT_QPA_PLATFORM=offscreen "$build/render-svg" Resource/menu/set_title.svg Resource/set_title.png 3
rm -rf "$build"
