#!/usr/bin/env python3
"""Draws the images of the Home page as SVG sources of their plain size: the
front display and what is lit on it (indicators, transport status, mark
arrow), the buttons around it and the information panel below it. Run from the
repository root; writes Resource/home/<name>.svg. tools/render-home-images.sh
renders them at three times that size into Resource/<name>_3.png (the panel's
bottom end into Resource/info_under.png).

The page stands on black. The display is a pale LCD on which the application
writes in black, so everything drawn onto it is black or near black on a
transparent ground. The MARK button is light (black label), the oval buttons
dark (white label), the information panel light (black labels)."""

import math
import os
from svgimages import svg, gradient

OUT = "Resource/home"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

ACCENT_DEEP = "#1b7ea8"   # accent dark enough to carry white letters
INK = "#111111"           # the LCD's segments and letters
REC_RED = "#b3261e"       # the record dot, dark enough to read as lit ink

# Qt's SVG renderer takes the whole list as one family name and falls back to
# its default sans; the widths below are those of DejaVu Sans Bold, which is
# what it draws here, in thousandths of the font size.
FONT = "Liberation Sans, DejaVu Sans, sans-serif"
ADVANCE = {
    'A': 774, 'B': 762, 'C': 734, 'D': 830, 'E': 683, 'F': 683, 'G': 821, 'H': 837,
    'I': 372, 'J': 372, 'K': 775, 'L': 637, 'M': 995, 'N': 837, 'O': 850, 'P': 733,
    'Q': 850, 'R': 770, 'S': 720, 'T': 682, 'U': 812, 'V': 774, 'W': 1103, 'X': 771,
    'Y': 724, 'Z': 725, ' ': 348, '-': 415, '+': 838, ':': 400, '/': 365,
}
DIGIT = 696
CAP_HEIGHT = 0.729


def text_width(text, size):
    return sum(DIGIT if c.isdigit() else ADVANCE[c] for c in text) * size / 1000


def fitting_size(text, room, largest):
    return min(largest, math.floor(room * 1000 / text_width(text, 1000) * 4) / 4)


# Capitals centred on (cx, cy), as large as `largest` but no wider than `room`.
def label(text, cx, cy, room, largest, fill):
    size = fitting_size(text, room, largest)
    baseline = cy + size * CAP_HEIGHT / 2
    return (f'<text x="{cx:g}" y="{baseline:.2f}" font-family="{FONT}" font-weight="bold" '
            f'font-size="{size:g}" text-anchor="middle" fill="{fill}">{text}</text>')


# ---- The display ----

# A backlit LCD behind a thin dark bezel; the application writes on it.
def display():
    return svg(396, 212,
        '<defs><linearGradient id="bezel" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#50565f"/><stop offset="1" stop-color="#24272c"/></linearGradient>'
        '<linearGradient id="lcd" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#e6eef2"/><stop offset="0.55" stop-color="#d7e3e9"/>'
        '<stop offset="1" stop-color="#c8d6dd"/></linearGradient></defs>\n'
        '  <rect x="0.5" y="0.5" width="395" height="211" rx="10" fill="url(#bezel)" stroke="#6b7079"/>\n'
        '  <rect x="3.5" y="3.5" width="389" height="205" rx="7.5" fill="url(#lcd)" stroke="#1a1d21" stroke-width="1"/>\n'
        '  <rect x="11" y="5" width="374" height="1.2" rx="0.6" fill="#ffffff" fill-opacity="0.55"/>')


INDICATOR_HEIGHT = 21
INDICATOR_TEXT = 10.5


def outline(width, height=INDICATOR_HEIGHT):
    return (f'<rect x="0.75" y="0.75" width="{width - 1.5}" height="{height - 1.5}" rx="3.5" '
            f'fill="none" stroke="{INK}" stroke-width="1.5"/>')


# An indicator: its word inside a thin outline, on nothing (the LCD shows through).
def indicator(width, text):
    return svg(width, INDICATOR_HEIGHT,
        outline(width) + '\n  ' +
        label(text, width / 2, INDICATOR_HEIGHT / 2, width - 9, INDICATOR_TEXT, INK))


def tray_arrow(up):
    tray = f'<path d="M7,12 V16.5 H21 V12" fill="none" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>'
    if up:
        arrow = (f'<rect x="13.1" y="6.5" width="1.8" height="7" fill="{INK}"/>'
                 f'<path d="M10,8 L14,3.8 L18,8 Z" fill="{INK}"/>')
    else:
        arrow = (f'<rect x="13.1" y="3.5" width="1.8" height="6.5" fill="{INK}"/>'
                 f'<path d="M10,9 L14,13.5 L18,9 Z" fill="{INK}"/>')
    return svg(28, INDICATOR_HEIGHT, outline(28) + '\n  ' + tray + '\n  ' + arrow)


# A closed loop with an arrowhead on its upper run, ending at x + 18.
def loop(x):
    return (f'<path d="M{x + 3},10.5 V9.5 A2.5,2.5 0 0 1 {x + 5.5},7 H{x + 13}" fill="none" stroke="{INK}" '
            f'stroke-width="1.6" stroke-linecap="round"/>'
            f'<path d="M{x + 12.5},4.6 L{x + 16},7 L{x + 12.5},9.4 Z" fill="{INK}"/>'
            f'<path d="M{x + 15},10.5 V11.5 A2.5,2.5 0 0 1 {x + 12.5},14 H{x + 5}" fill="none" stroke="{INK}" '
            f'stroke-width="1.6" stroke-linecap="round"/>'
            f'<path d="M{x + 5.5},11.6 L{x + 2},14 L{x + 5.5},16.4 Z" fill="{INK}"/>')


# The loop and its word, centred together in the outline.
def repeat(width, text):
    room = width - 9 - 14 - 5
    size = fitting_size(text, room, INDICATOR_TEXT)
    words = text_width(text, size)
    glyph_x = (width - (14 + 5 + words)) / 2 - 2
    return svg(width, INDICATOR_HEIGHT,
        outline(width) + '\n  ' + loop(round(glyph_x, 1)) + '\n  ' +
        label(text, glyph_x + 2 + 14 + 5 + words / 2, INDICATOR_HEIGHT / 2, words + 1, size, INK))


def timer_clock():
    return svg(21, 21,
        f'<circle cx="10.5" cy="11" r="8.3" fill="none" stroke="{INK}" stroke-width="1.8"/>\n'
        f'  <path d="M10.5,6 V11 L14,13" fill="none" stroke="{INK}" stroke-width="1.8" '
        f'stroke-linecap="round" stroke-linejoin="round"/>\n'
        f'  <rect x="8" y="0.6" width="5" height="1.8" rx="0.9" fill="{INK}"/>')


def indicators():
    words = {
        "display_FLASHLOAD": (97, "FLASH LOAD"),
        "display_AUTOREADY": (100, "AUTO READY"),
        "display_AUTOCUE": (93, "AUTO CUE"),
        "display_INCPLAY": (80, "INC PLAY"),
        "display-REC_LIMITER": (69, "LIMITER"),
        "display_CNP-SOFT": (69, "CMP SOFT"),
        "display_CNP-HARD": (69, "CMP HARD"),
        "display-REC_AGC": (43, "AGC"),
        "display-REC_SRC": (43, "SRC"),
        "display-REC_AUTO-TRACK": (107, "AUTO TRACK"),
        "display-REC_AUTO-MARK": (101, "AUTO MARK"),
        "display-REC_SYNC-REC": (83, "SYNC REC"),
        "display-REC_LOW-CUT": (76, "LOW CUT"),
        "display_48V": (36, "+48V"),
    }
    images = {name: indicator(width, text) for name, (width, text) in words.items()}
    images["display_Download"] = tray_arrow(False)
    images["display_Upload"] = tray_arrow(True)
    images["display_repeat"] = repeat(80, "REPEAT")
    images["display_A-Brepeat"] = repeat(80, "A-B")
    images["display_timer_black"] = timer_clock()
    return images


# ---- Transport status: glyphs 22 high, centred in 78x32 ----

def pause_bars(x):
    return (f'<rect x="{x}" y="5" width="6" height="22" rx="1" fill="{INK}"/>'
            f'<rect x="{x + 10}" y="5" width="6" height="22" rx="1" fill="{INK}"/>')


def transports():
    play = f'<path d="M{31},5 L{50},16 L{31},27 Z" fill="{INK}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
    return {
        "Transport_STOP": svg(78, 32, f'<rect x="28" y="5" width="22" height="22" rx="1.5" fill="{INK}"/>'),
        "Transport_PLAY": svg(78, 32, play),
        "Transport_PLAYPAUSE": svg(78, 32,
            pause_bars(20) + '\n  ' +
            f'<path d="M43,5 L62,16 L43,27 Z" fill="{INK}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'),
        "Transport_REC": svg(78, 32,
            f'<circle cx="21" cy="16" r="10.5" fill="{REC_RED}" stroke="{INK}" stroke-width="1"/>\n  ' +
            label("REC", 52, 16, 36, 17, INK)),
        "Transport_RECPAUSE": svg(78, 32,
            f'<circle cx="30" cy="16" r="10.5" fill="{REC_RED}" stroke="{INK}" stroke-width="1"/>\n  ' +
            pause_bars(46)),
    }


# The mark arrow standing on the time bar, its tip at the bottom centre.
def mark_arrow():
    return svg(12, 13, f'<path d="M0.5,0.5 H11.5 L6,12.8 Z" fill="{INK}"/>')


# ---- Buttons on the black page ----

def mark_buttons():
    def button(top, bottom, stroke):
        return svg(168, 44,
            gradient("face", top, bottom) +
            f'<rect x="1" y="1" width="166" height="42" rx="8" fill="url(#face)" stroke="{stroke}" stroke-width="1.5"/>\n'
            '  <rect x="6" y="2.6" width="156" height="1.2" rx="0.6" fill="#ffffff" fill-opacity="0.7"/>')
    return {
        "buton_MARK_OFF_168x44": button("#fbfbfb", "#cfd2d6", "#8c8c8c"),
        "buton_MARK_ON_168x44": button("#a9def4", "#5dbde6", ACCENT_DEEP),
    }


def oval_buttons():
    def button(top, bottom, stroke):
        return svg(132, 31,
            gradient("face", top, bottom) +
            f'<rect x="1" y="1" width="130" height="29" rx="14.5" fill="url(#face)" stroke="{stroke}" stroke-width="1.5"/>')
    return {
        "Oval_OFF_132x31": button("#4a4f57", "#26292e", "#a4a9b0"),
        "Oval_ON_132x31": button("#2aa3d8", ACCENT_DEEP, "#8fd8f6"),
    }


# A gear of eight teeth with a hole, as one even-odd path.
def gear(fill):
    cx = cy = 24
    outer, inner, hole, teeth = 21, 16, 7, 8
    points = []
    for i in range(teeth):
        base = 2 * math.pi * i / teeth
        for angle, radius in ((-0.24, inner), (-0.14, outer), (0.14, outer), (0.24, inner)):
            a = base + angle * 2 * math.pi / teeth * 1.6
            points.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    rim = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points) + " Z"
    circle = f"M{cx + hole},{cy} A{hole},{hole} 0 1 0 {cx - hole},{cy} A{hole},{hole} 0 1 0 {cx + hole},{cy} Z"
    return svg(48, 48, f'<path d="{rim} {circle}" fill="{fill}" fill-rule="evenodd" stroke="{fill}" '
                       f'stroke-width="1" stroke-linejoin="round"/>')


def gears():
    return {"Gear_OFF_48x48": gear("#cfd2d6"), "Gear_ON_48x48": gear(ACCENT)}


# The lock: a rounded square with a padlock, open and grey at rest, closed on accent when locked.
def key_button(locked):
    if locked:
        face = gradient("face", "#3bb8ec", ACCENT_DEEP)
        stroke, metal, keyhole = "#8fd8f6", "#14181d", "#8fd8f6"
        shackle = "M25,31 V24 A8,8 0 0 1 41,24 V31"
    else:
        face = gradient("face", "#4a4f57", "#22252a")
        stroke, metal, keyhole = "#8c9097", "#b9bdc3", "#2a2d32"
        shackle = "M41,31 V18 A8,8 0 0 0 25,18 V22"
    return svg(66, 66,
        face +
        f'<rect x="2" y="2" width="62" height="62" rx="13" fill="url(#face)" stroke="{stroke}" stroke-width="2"/>\n'
        f'  <path d="{shackle}" fill="none" stroke="{metal}" stroke-width="4" stroke-linecap="round"/>\n'
        f'  <rect x="20" y="30" width="26" height="20" rx="3.5" fill="{metal}"/>\n'
        f'  <circle cx="33" cy="38.5" r="2.6" fill="{keyhole}"/>\n'
        f'  <rect x="32" y="39" width="2" height="6" rx="1" fill="{keyhole}"/>')


def keys():
    return {"KEY-OFF_66x66": key_button(False), "KEY-ON_66x66": key_button(True)}


# A light chevron pointing down; the page turns it up where needed.
def page_chevron():
    return svg(10, 10, f'<path d="M1.5,3 L5,7 L8.5,3" fill="none" stroke="{LIGHT}" stroke-width="2" '
                       f'stroke-linecap="round" stroke-linejoin="round"/>')


# ---- The information panel ----

PANEL_EDGE = "#8c8c8c"
COLUMN = "#e3e6ea"        # the labels' column, right to x 144
SEPARATOR = "#cfd3d8"
ROW_TOPS = [4 + 28 * i for i in range(8)]


def info_title():
    return svg(384, 46,
        gradient("band", "#3a3f47", "#16181c") +
        '<path d="M0,46 V9 A9,9 0 0 1 9,0 H375 A9,9 0 0 1 384,9 V46 Z" fill="url(#band)"/>\n'
        f'  <rect x="0" y="43" width="384" height="3" fill="{ACCENT}"/>\n  ' +
        label("INFORMATION", 192, 21.5, 300, 18, "#ffffff"))


def info_body():
    separators = "".join(
        f'\n  <rect x="8" y="{top + 24.5}" width="368" height="1" fill="{SEPARATOR}"/>' for top in ROW_TOPS[:-1])
    return svg(384, 220,
        f'<rect x="0" y="0" width="384" height="220" fill="{LIGHT}"/>\n'
        f'  <rect x="0" y="0" width="144" height="220" fill="{COLUMN}"/>' + separators + '\n'
        f'  <rect x="0" y="0" width="1" height="220" fill="{PANEL_EDGE}"/>\n'
        f'  <rect x="383" y="0" width="1" height="220" fill="{PANEL_EDGE}"/>')


def info_under():
    r = 9
    return svg(384, 15,
        f'<path d="M0,0 H384 V{15 - r} A{r},{r} 0 0 1 {384 - r},15 H{r} A{r},{r} 0 0 1 0,{15 - r} Z" fill="{LIGHT}"/>\n'
        f'  <path d="M0,0 H144 V15 H{r} A{r},{r} 0 0 1 0,{15 - r} Z" fill="{COLUMN}"/>\n'
        f'  <path d="M0.5,0 V{15 - r} A{r - 0.5},{r - 0.5} 0 0 0 {r},14.5 H{384 - r} '
        f'A{r - 0.5},{r - 0.5} 0 0 0 383.5,{15 - r} V0" fill="none" stroke="{PANEL_EDGE}" stroke-width="1"/>')


# A value: white capitals on a dark rounded badge, or dark on grey for OFF.
def badge(width, text, top="#454a52", bottom="#26292e", ink="#ffffff", stroke="#1a1d21"):
    return svg(width, 22,
        gradient("badge", top, bottom) +
        f'<rect x="0.5" y="0.5" width="{width - 1}" height="21" rx="5" fill="url(#badge)" stroke="{stroke}"/>\n  ' +
        label(text, width / 2, 11, width - 12, 11.5, ink))


def badges():
    values = {
        "info_STEREO": (77, "STEREO"),
        "info_MONO": (68, "MONO"),
        "info_A-UNBALANCE": (167, "ANALOG UNBALANCED"),
        "info_A-BALANCE": (147, "ANALOG BALANCED"),
        "info_D-COAXIAL": (139, "DIGITAL COAXIAL"),
        "info_D-XLR": (106, "DIGITAL XLR"),
        "info_XC-NT4": (126, "XC-NT4"),
    }
    images = {name: badge(width, text) for name, (width, text) in values.items()}
    images["info_ON"] = badge(45, "ON", "#2496c8", ACCENT_DEEP, "#ffffff", "#135f80")
    images["info_OFF"] = badge(45, "OFF", "#d9dce0", "#b9bdc3", DARK, "#8c9097")
    return images


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {"display_396x212": display(), "MARK_S": mark_arrow(), "page_10x10": page_chevron(),
              "info_title_384x46": info_title(), "info_bar_384": info_body(), "info_under": info_under()}
    for group in (indicators, transports, mark_buttons, oval_buttons, gears, keys, badges):
        images.update(group())
    for name, text in images.items():
        with open(f"{OUT}/{name}.svg", "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
