#!/bin/sh
# Draws the TIMER EVENT page's images (tools/draw-timerevent-images.py). They
# are shipped as SVG, except the option field, which is rendered at three
# times its size to PNG; each SVG is rendered once into a scratch folder to
# prove that Qt's SVG renderer reads it. Run from the repository root.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-timerevent-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
QT_QPA_PLATFORM=offscreen "$build/render-svg" Resource/TimerEvent/source/area_384x37_Unselectedt.svg \
  Resource/TimerEvent/area_384x37_Unselectedt_3.png 3
for svg in Resource/TimerEvent/*.svg; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "$svg" "$build/$(basename "$svg" .svg).png" 3
done
mkdir -p build/timerevent-images
cp "$build"/*.png build/timerevent-images/
rm -rf "$build"
