#!/bin/sh
# Draws the Home page's images (tools/draw-home-images.py) and renders their
# bitmaps from the SVG sources at three times their size. Run from the
# repository root; needs Qt's SVG image plugin.
set -e
cd "$(dirname "$0")/.."
python3 tools/draw-home-images.py
build=$(mktemp -d)
cmake -S tools/render-svg -B "$build" > /dev/null
cmake --build "$build" > /dev/null
for name in display_396x212 \
    display_FLASHLOAD display_AUTOREADY display_AUTOCUE display_INCPLAY display-REC_LIMITER \
    display_CNP-SOFT display_CNP-HARD display-REC_AGC display-REC_SRC display-REC_AUTO-TRACK \
    display-REC_AUTO-MARK display_Download display_Upload display_repeat display_A-Brepeat \
    display-REC_SYNC-REC display-REC_LOW-CUT display_48V display_timer_black \
    Transport_STOP Transport_PLAY Transport_PLAYPAUSE Transport_REC Transport_RECPAUSE MARK_S \
    buton_MARK_OFF_168x44 buton_MARK_ON_168x44 Oval_OFF_132x31 Oval_ON_132x31 \
    Gear_OFF_48x48 Gear_ON_48x48 KEY-OFF_66x66 KEY-ON_66x66 page_10x10 \
    info_title_384x46 info_bar_384 \
    info_STEREO info_MONO info_A-UNBALANCE info_A-BALANCE info_D-COAXIAL info_D-XLR info_XC-NT4 \
    info_ON info_OFF; do
  QT_QPA_PLATFORM=offscreen "$build/render-svg" "Resource/home/$name.svg" "Resource/${name}_3.png" 3
done
# The panel's bottom end carries no size in its name.
QT_QPA_PLATFORM=offscreen "$build/render-svg" Resource/home/info_under.svg Resource/info_under.png 3
rm -rf "$build"
