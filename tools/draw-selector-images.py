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

OUT = "Resource/selectors"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n  {body}\n</svg>\n')


def gradient(name, top, bottom):
    return (f'<defs><linearGradient id="{name}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient></defs>\n  ')


# A 120 x 48 key. Entries stack edge to edge, so the face keeps a one-unit
# margin: a list reads as separate keys, not as one slab.
def selector_face(top, bottom, stroke, stroke_width, bar):
    body = (gradient("face", top, bottom) +
            f'<rect x="1.5" y="1.5" width="117" height="45" rx="6" fill="url(#face)" '
            f'stroke="{stroke}" stroke-width="{stroke_width}"/>\n  '
            # A faint highlight along the top edge gives the key some depth.
            f'<rect x="5" y="3.5" width="110" height="1" rx="0.5" fill="{LIGHT}" opacity="0.12"/>')
    if bar:
        body += f'\n  <rect x="40" y="40" width="40" height="3" rx="1.5" fill="{ACCENT}"/>'
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
