#!/usr/bin/env python3
"""Draws the face of the Home page's drop-down selectors (current medium, play
area, play mode) as SVG sources of their plain size. Run from the repository
root; writes Resource/selectors/<name>.svg. tools/render-selector-images.sh
renders them at three times that size into Resource/<name>_3.png.

The same face serves the selector button and every entry of its list; the
application writes the value on it in light grey (#B4B4B4), so the face is
dark. Unlit it is a plain dark key; lit (held down, list open, or the entry
of the present value) it turns a deep blue with an accent rim and bar."""

import os
from svgimages import svg, gradient

OUT = "Resource/selectors"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"


# A 120 x 48 key. Entries stack edge to edge over the display, so the face
# fills the whole image (only its corners let the display through) and the
# rim keeps the keys of a list apart.
def selector_face(top, bottom, stroke, stroke_width, bar):
    inset = stroke_width / 2
    body = (gradient("face", top, bottom) +
            f'<rect x="{inset:g}" y="{inset:g}" width="{120 - stroke_width:g}" height="{48 - stroke_width:g}" '
            f'rx="6" fill="url(#face)" stroke="{stroke}" stroke-width="{stroke_width}"/>\n  '
            # A faint highlight along the top edge gives the key some depth.
            f'<rect x="5" y="3.5" width="110" height="1" rx="0.5" fill="{LIGHT}" opacity="0.12"/>')
    # The bar sits below the second line of a two-line value.
    if bar:
        body += f'\n  <rect x="40" y="43.25" width="40" height="2" rx="1" fill="{ACCENT}"/>'
    return svg(120, 48, body)


def images():
    return {
        "button-D_OFF_120x48": selector_face("#3b3f46", DARK, EDGE, 1.5, False),
        "button-D_ON_120x48": selector_face("#1f5f7c", "#123444", ACCENT, 2, True),
    }


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, text in images().items():
        with open(os.path.join(OUT, name + ".svg"), "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
