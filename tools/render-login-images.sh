#!/bin/sh
# Draws the login page's images (tools/draw-login-images.py) and renders the
# manual login page's bitmaps from their SVG sources at three times their
# size. Run from the repository root; needs Qt's SVG image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-login-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in LogIn_add-pass_ON_296x50 LogIn_add-pass_OFF_296x50 LogIn_296x50 LogIn_connect_296x50; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/login/$name.svg" "Resource/${name}_3.png" 3
done
rm -rf "$build"
