#!/usr/bin/env python3
"""Draws the images of the Home page's two windows as SVG sources of their
plain size: the time search (its panel with the entry boxes and the two focus
frames) and the settings window (its panel, the on/off switch, the step
buttons in their unlit look and the flat and sharp buttons, the unlit knob).
Run from the repository root; writes Resource/windows/<name>.svg.
tools/render-window-images.sh renders them at three times that size into
Resource/<name>_3.png.

Both panels are dark, as the page they stand on: the settings window writes
its names in white and the time search types white digits into black boxes.
The lit step buttons, the knob, OK and the ovals are the MENU page's
(tools/draw-menu-images.py); the unlit ones here match them."""

import math
import os
from svgimages import svg

OUT = "Resource/windows"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

ACCENT_DEEP = "#1b7ea8"
UNLIT = "#4a4e55"         # a control that the recorder has switched off
UNLIT_INK = "#9aa0a8"

# Qt's SVG renderer draws DejaVu Sans Bold here; advances in thousandths.
FONT = "DejaVu Sans, sans-serif"
ADVANCE = {
    'A': 774, 'C': 734, 'E': 683, 'H': 837, 'I': 372, 'K': 775, 'M': 995, 'R': 770,
    'S': 720, 'T': 682, ' ': 348,
}
CAP_HEIGHT = 0.729


def gradient(name, top, bottom):
    return (f'<linearGradient id="{name}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>')


def text_width(text, size):
    return sum(ADVANCE[c] for c in text) * size / 1000


# Capitals with their left edge at x, centred on cy.
def label(text, x, cy, size, fill, anchor="start"):
    baseline = cy + size * CAP_HEIGHT / 2
    return (f'<text x="{x:g}" y="{baseline:.2f}" font-family="{FONT}" font-weight="bold" '
            f'font-size="{size:g}" text-anchor="{anchor}" fill="{fill}">{text}</text>')


# A dark sheet with a light rim, the ground of both windows.
def sheet(width, height):
    return (f'<defs>{gradient("sheet", "#3a3f47", "#1c1f24")}</defs>\n'
            f'  <rect x="1" y="1" width="{width - 2}" height="{height - 2}" rx="8" fill="url(#sheet)" '
            f'stroke="#8c8c8c" stroke-width="2"/>\n'
            f'  <rect x="10" y="4" width="{width - 20}" height="1.2" rx="0.6" fill="#ffffff" fill-opacity="0.25"/>')


# ---- The time search ----

TRACK_BOX = (50, 55, 80, 42)
TIME_BOX = (156, 55, 234, 42)
# Between the hour and minute, minute and second, second and frame fields.
COLONS = (221.5, 284, 337.5)


def colon(x, cy):
    return (f'<circle cx="{x}" cy="{cy - 6}" r="2.4" fill="{LIGHT}"/>'
            f'<circle cx="{x}" cy="{cy + 6}" r="2.4" fill="{LIGHT}"/>')


def box(x, y, width, height):
    return (f'<rect x="{x + 1}" y="{y + 1}" width="{width - 2}" height="{height - 2}" rx="5" fill="#000000" '
            f'stroke="{EDGE}" stroke-width="1.5"/>')


def time_search_panel():
    cy = TIME_BOX[1] + TIME_BOX[3] / 2
    parts = [sheet(414, 116),
             label("TIME SEARCH", 26, 25, 17, LIGHT),
             label("TRACK", TRACK_BOX[0] + TRACK_BOX[2] / 2, 47, 9, UNLIT_INK, "middle"),
             box(*TRACK_BOX), box(*TIME_BOX)]
    parts += [colon(x, cy) for x in COLONS]
    return svg(414, 116, '\n  '.join(parts))


# The frame that shows which box is being typed in: an accent rim, open inside.
def focus_frame(width, height):
    return svg(width, height,
        f'<rect x="1.5" y="1.5" width="{width - 3}" height="{height - 3}" rx="5" fill="none" '
        f'stroke="{ACCENT}" stroke-width="3"/>')


# ---- The settings window ----

# The sliders' knobs travel between these, 6 in from each end of the slider
# (its padding) plus half a knob.
GROOVE_LEFT = 20 + 6 + 15
GROOVE_RIGHT = 20 + 373 - 6 - 15
PITCH_GROOVE = 124 + 15
KEY_GROOVE = 229 + 15


def groove(cy):
    middle = (GROOVE_LEFT + GROOVE_RIGHT) / 2
    return (f'<rect x="{GROOVE_LEFT - 3}" y="{cy - 3}" width="{GROOVE_RIGHT - GROOVE_LEFT + 6}" height="6" '
            f'rx="3" fill="#111317" stroke="{EDGE}" stroke-width="1"/>'
            f'<line x1="{middle}" y1="{cy - 10}" x2="{middle}" y2="{cy - 5}" stroke="{UNLIT_INK}" stroke-width="1.5"/>'
            f'<line x1="{middle}" y1="{cy + 5}" x2="{middle}" y2="{cy + 10}" stroke="{UNLIT_INK}" stroke-width="1.5"/>')


def divider(y):
    return f'<rect x="20" y="{y}" width="372" height="1" fill="#ffffff" fill-opacity="0.18"/>'


def settings_panel():
    return svg(412, 332, '\n  '.join([sheet(412, 332), divider(67), groove(PITCH_GROOVE), divider(172),
                                       groove(KEY_GROOVE)]))


def rounded_button(fill, stroke, glyph):
    return svg(58, 30,
        f'<rect x="1" y="1" width="56" height="28" rx="5" fill="{fill}" stroke="{stroke}" stroke-width="1.5"/>'
        + glyph)


MINUS = '<rect x="19" y="13.5" width="20" height="3" rx="1.5" fill="{ink}"/>'
PLUS = MINUS + '<rect x="27.5" y="5" width="3" height="20" rx="1.5" fill="{ink}"/>'
FLAT = ('<rect x="24.5" y="4" width="2.6" height="22" rx="1" fill="{ink}"/>'
        '<path d="M26,25 C33,21 36,17 34,14.5 C32.5,12.5 29,13.5 26,16.5" fill="none" stroke="{ink}" '
        'stroke-width="2.6" stroke-linejoin="round"/>')
SHARP = ('<path d="M26.4,5 L25.4,25 M32.6,5 L31.6,25" stroke="{ink}" stroke-width="2.2" stroke-linecap="round"/>'
         '<path d="M21.5,13.2 L37.5,10.2 M21.5,20.2 L37.5,17.2" stroke="{ink}" stroke-width="3.4"/>')


# The step buttons: lit while the recorder has the amount switched on, else dim.
def step_buttons():
    images = {}
    for name, glyph in (("minus", MINUS), ("plus", PLUS), ("flat", FLAT), ("sharp", SHARP)):
        if name in ("flat", "sharp"):
            images[f"button-C_{name}ON_58x30"] = rounded_button(LIGHT, EDGE, glyph.format(ink=DARK))
        images[f"button-C_{name}OFF_58x30"] = rounded_button(UNLIT, "#33363b", glyph.format(ink=UNLIT_INK))
    return images


# The on/off switch: a track with its thumb at the right and in accent when on.
def switches():
    def switch(on):
        track = ACCENT if on else UNLIT
        rim = ACCENT_DEEP if on else "#33363b"
        thumb_x = 43 if on else 15
        return svg(58, 30,
            f'<rect x="2" y="3" width="54" height="24" rx="12" fill="{track}" stroke="{rim}" stroke-width="1.5"/>\n'
            f'  <circle cx="{thumb_x}" cy="15" r="10" fill="{LIGHT}" stroke="{EDGE}" stroke-width="1.2"/>')
    return {"button-C_ON_58x30": switch(True), "button-C_OFF_58x30": switch(False)}


# The knob of a switched-off amount: the lit knob's shape, greyed.
def knob_off():
    return svg(30, 30,
        f'<defs>{gradient("knob", "#c9ccd1", "#80858c")}</defs>\n'
        f'  <circle cx="15" cy="15" r="13.5" fill="url(#knob)" stroke="{EDGE}" stroke-width="1.5"/>\n'
        f'  <circle cx="15" cy="15" r="8" fill="none" stroke="{UNLIT_INK}" stroke-width="2"/>\n'
        f'  <rect x="14" y="9" width="2" height="12" rx="1" fill="{UNLIT}"/>')


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {
        "TimeSarch_back": time_search_panel(),
        "TimeSarch_track": focus_frame(80, 42),
        "TimeSarch_time": focus_frame(234, 42),
        "set_back_412x332": settings_panel(),
        "Knob_OFF_30x30": knob_off(),
    }
    images.update(step_buttons())
    images.update(switches())
    for name, text in images.items():
        with open(f"{OUT}/{name}.svg", "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
