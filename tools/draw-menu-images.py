#!/usr/bin/env python3
"""Draws the images of the MENU page, its range panel and the phantom-power
confirmation as SVG sources of their plain size. Run from the repository root;
writes Resource/menu/<name>.svg. tools/render-menu-images.sh renders them at
three times that size into Resource/<name>_3.png (the title band into
Resource/set_title.png). The OK, minus, plus, knob and oval buttons are the
Home page's too: it uses these same files."""

import os
from svgimages import svg, gradient

OUT = "Resource/menu"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"


# A page's title band: white letters stand on it, so it stays dark, with a
# thin accent line under the title.
def title():
    return svg(414, 50,
        gradient("band", "#3a3f47", "#16181c") +
        '<rect x="0" y="0" width="414" height="50" fill="url(#band)"/>\n'
        f'  <rect x="0" y="46" width="414" height="2" fill="{ACCENT}" fill-opacity="0.85"/>')


# The range panel: a light sheet whose black name and value sit at its top,
# with a groove along which the knob slides (the slider draws no track).
def range_panel():
    return svg(412, 130,
        gradient("sheet", "#fafafa", "#d9dbde") +
        '<rect x="1" y="1" width="410" height="128" rx="6" fill="url(#sheet)" stroke="#8c8c8c" stroke-width="2"/>\n'
        '  <rect x="21" y="89" width="370" height="6" rx="3" fill="#9aa0a8"/>\n'
        f'  <rect x="21" y="89" width="370" height="2" rx="1" fill="#6b7079"/>\n'
        '  <line x1="206" y1="84" x2="206" y2="100" stroke="#6b7079" stroke-width="1.5"/>')


def rounded_button(width, height, radius, fill, stroke, glyph=""):
    return svg(width, height,
        f'<rect x="1" y="1" width="{width - 2}" height="{height - 2}" rx="{radius}" fill="{fill}" '
        f'stroke="{stroke}" stroke-width="1.5"/>' + glyph)


# OK on the range panel (and the Home page's windows): pale at rest, accent while pressed.
def ok_buttons():
    return {
        "set_button-OFF_110x30": rounded_button(110, 30, 5, LIGHT, EDGE),
        "set_button-ON_110x30": rounded_button(110, 30, 5, ACCENT, "#1b7ea8"),
    }


# The step buttons beside the slider, drawn in their active look.
def step_buttons():
    bar = f'\n  <rect x="19" y="13.5" width="20" height="3" rx="1.5" fill="{DARK}"/>'
    stem = f'\n  <rect x="27.5" y="5" width="3" height="20" rx="1.5" fill="{DARK}"/>'
    return {
        "button-C_minusON_58x30": rounded_button(58, 30, 5, LIGHT, EDGE, bar),
        "button-C_plusON_58x30": rounded_button(58, 30, 5, LIGHT, EDGE, bar + stem),
    }


# The slider's knob: a disc with a ring and a grip line.
def knob():
    return svg(30, 30,
        gradient("knob", "#ffffff", "#b9bec6") +
        f'<circle cx="15" cy="15" r="13.5" fill="url(#knob)" stroke="{EDGE}" stroke-width="1.5"/>\n'
        f'  <circle cx="15" cy="15" r="8" fill="none" stroke="{ACCENT}" stroke-width="2"/>\n'
        f'  <rect x="14" y="9" width="2" height="12" rx="1" fill="{DARK}"/>')


# The confirmation's pill buttons: pale at rest, accent while pressed.
def ovals():
    return {
        "Oval_OFF_144x30": rounded_button(144, 30, 14, "#fbfbfb", "#8c8c8c"),
        "Oval_ON_144x30": rounded_button(144, 30, 14, ACCENT, "#1b7ea8"),
    }


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {"set_title": title(), "set_DELAY_back_412x130": range_panel(), "Knob_ON_30x30": knob()}
    for group in (ok_buttons, step_buttons, ovals):
        images.update(group())
    for name, text in images.items():
        with open(f"{OUT}/{name}.svg", "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
