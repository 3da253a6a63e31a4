#!/bin/sh
# Draws the images of the Home page's transport block, level meters and
# recording-format labels (tools/draw-transport-images.py) and renders their
# bitmaps from the SVG sources at three times their size. Run from the
# repository root; needs Qt's SVG image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-transport-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in \
    button-A_STOP-ON_71x71 button-A_STOP-OFF_71x71 button-A_PLAY-ON_71x71 button-A_PLAY-OFF_71x71 \
    button-A_PAUSE-ON_71x71 button-A_PAUSE-OFF_71x71 button-A_REC-ON_71x71 button-A_REC-OFF_71x71 \
    button-B_skip-L_ON_71x44 button-B_skip-L_OFF_71x44 button-B_REW_ON_71x44 button-B_REW_OFF_71x44 \
    button-B_FF_ON_71x44 button-B_FF_OFF_71x44 button-B_skip-R_ON_71x44 button-B_skip-R_OFF_71x44 \
    BarMeter_380x46 BarMeter_mono_380x46 button-D_OFF_120x48; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/transport/$name.svg" "Resource/${name}_3.png" 3
done
rm -rf "$build"
