#!/bin/sh
# Draws the browser's images (tools/draw-browse-images.py). They are shipped
# as SVG; each is rendered once at three times its size into a scratch folder
# to prove that Qt's SVG renderer reads it. Run from the repository root.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-browse-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for svg in Resource/Browse/*.svg Resource/icon_100x20_viewonly.svg Resource/Playlist/icon_20x20_close.svg; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "$svg" "$build/$(basename "$svg" .svg).png" 3
done
mkdir -p build/browse-images
cp "$build"/*.png build/browse-images/
rm -rf "$build"
