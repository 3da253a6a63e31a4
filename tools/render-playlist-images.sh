#!/bin/sh
# Draws the playlist page's images (tools/draw-playlist-images.py). They are
# shipped as SVG; each is rendered once at three times its size into
# build/playlist-images to prove that Qt's SVG renderer reads it and to look
# at it. Run from the repository root.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-playlist-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for svg in Resource/Playlist/*.svg; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "$svg" "$build/$(basename "$svg" .svg).png" 3
done
mkdir -p build/playlist-images
cp "$build"/*.png build/playlist-images/
rm -rf "$build"
