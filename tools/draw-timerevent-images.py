#!/usr/bin/env python3
"""Draws the images of the TIMER EVENT page as SVG: the event cards and their
schedule strip, the icons inside the cards, the footer's add and delete-all
icons, the filter and schedule panels, the calendar's arrows, the check mark
and the type icons of the type editor. The option field is rendered to PNG
at three times its size (it is named as a PNG). Run from the repository
root; writes Resource/TimerEvent/<name>.svg. tools/render-timerevent-images.sh
draws them and checks that each one renders.

Where they stand: the cards lie on the black page, their boxes are dark grey
("#464646"); the pop-up panels are light grey ("#DBDBDB") with a black rim and
lighter bands ("#F7F7F7") for the chosen part."""

import os

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

PANEL = "#DBDBDB"
BAND = "#F7F7F7"
FRAME = "#878787"
GREEN = "#3fbf5f"
RED = "#e23b3b"
CARD_FILL = "#2f3e4f"
CARD_LINE = "#7a8fa6"

OUT = "Resource/TimerEvent"


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{defs}  {body}\n</svg>\n')


def write(name, text):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(text)


# ---- Cards ----

def card_path(w, h):
    # A card with a tab at its top left that holds the schedule strip.
    return (f"M4 2 H236 q4 0 6 4 L250 36 q1 4 5 4 H{w - 4} q3 0 3 3 V{h - 4} q0 3 -3 3 "
            f"H4 q-3 0 -3 -3 V5 q0 -3 3 -3 Z")


def card(w, h, fill, stroke, gradient=False):
    defs = ""
    stroke_ref = stroke
    if gradient:
        defs = ('  <defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
                '<stop offset="0" stop-color="#9a9a9a"/><stop offset="1" stop-color="#3c3c3c"/>'
                '</linearGradient></defs>\n')
        stroke_ref = "url(#g)"
    return svg(w, h, f'<path d="{card_path(w, h)}" fill="{fill}" stroke="{stroke_ref}" stroke-width="2"/>', defs)


def schedule(shade):
    # A dark bar with a calendar glyph at its left end and a slanted right end.
    bar = '<path d="M0 0 H214 L231 34 H0 Z" fill="#1a1a1a"/>'
    if shade:
        return svg(231, 34, '<path d="M0 0 H214 L231 34 H0 Z" fill="black" fill-opacity="0.5"/>')
    glyph = ('<rect x="7" y="8" width="20" height="18" rx="2" fill="none" stroke="white" stroke-width="2"/>\n'
             '  <rect x="7" y="8" width="20" height="5" fill="white"/>\n'
             '  <rect x="11" y="5" width="2" height="5" fill="white"/><rect x="21" y="5" width="2" height="5" fill="white"/>\n'
             '  <rect x="11" y="16" width="3" height="3" fill="white"/><rect x="16" y="16" width="3" height="3" fill="white"/>'
             '<rect x="21" y="16" width="3" height="3" fill="white"/>')
    return svg(231, 34, bar + "\n  " + glyph)


def option_field():
    return svg(384, 37,
               '<defs><linearGradient id="f" x1="0" y1="0" x2="0" y2="1">'
               '<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#d2d2d2"/>'
               '</linearGradient></defs>\n'
               '  <rect x="1" y="1" width="382" height="35" rx="4" fill="url(#f)" stroke="#5a5a5a" stroke-width="1.5"/>')


# ---- Box icons ----

def time_display():
    return svg(34.7, 27,
               '<circle cx="13.5" cy="13.5" r="11.5" fill="none" stroke="white" stroke-width="2.5"/>\n'
               '  <path d="M13.5 6 V13.5 H20" fill="none" stroke="white" stroke-width="2.5" stroke-linecap="round"/>\n'
               '  <path d="M28 9 L33 13.5 L28 18" fill="none" stroke="#b3b3b3" stroke-width="2"/>')


def repeat_times():
    return svg(44, 10.2,
               '<path d="M2 5 A3.5 3.5 0 0 1 9 3" fill="none" stroke="white" stroke-width="1.6"/>\n'
               '  <path d="M9 0.5 V4.5 H5" fill="none" stroke="white" stroke-width="1.6"/>\n'
               '  <text x="14" y="9" font-family="DejaVu Sans" font-weight="bold" font-size="9" fill="#b3b3b3">TIMES</text>')


def play_repeat_bar():
    return svg(88, 7,
               '<rect x="0" y="2.5" width="80" height="2" fill="#b3b3b3"/>\n'
               '  <path d="M80 0 L88 3.5 L80 7 Z" fill="#b3b3b3"/>\n'
               '  <rect x="0" y="0" width="2" height="7" fill="#b3b3b3"/>')


def type_icon(kind, colour, w=65.1, h=31.1):
    cx, cy = w / 2, h / 2
    if kind == "play":
        body = f'<path d="M{cx - 8} {cy - 11} L{cx + 12} {cy} L{cx - 8} {cy + 11} Z" fill="{colour}"/>'
    elif kind == "repeat":
        body = (f'<path d="M{cx - 14} {cy - 10} L{cx + 4} {cy} L{cx - 14} {cy + 10} Z" fill="{colour}"/>\n'
                f'  <path d="M{cx + 10} {cy - 8} A8 8 0 1 1 {cx + 10} {cy + 8}" fill="none" stroke="{colour}" stroke-width="2.5"/>\n'
                f'  <path d="M{cx + 6} {cy + 4} L{cx + 11} {cy + 8} L{cx + 6} {cy + 12}" fill="none" stroke="{colour}" stroke-width="2"/>')
    elif kind == "rec":
        body = f'<circle cx="{cx}" cy="{cy}" r="11" fill="{colour}"/>'
    elif kind == "stop":
        body = f'<rect x="{cx - 10}" y="{cy - 10}" width="20" height="20" fill="{colour}"/>'
    elif kind == "download":
        body = (f'<path d="M{cx - 4} {cy - 12} H{cx + 4} V{cy - 1} H{cx + 10} L{cx} {cy + 9} L{cx - 10} {cy - 1} H{cx - 4} Z" fill="{colour}"/>\n'
                f'  <rect x="{cx - 13}" y="{cy + 11}" width="26" height="2.5" fill="{colour}"/>')
    else:  # delete & download: a cross beside the download arrow
        body = (f'<path d="M{cx + 1} {cy - 12} H{cx + 9} V{cy - 1} H{cx + 15} L{cx + 5} {cy + 9} L{cx - 5} {cy - 1} H{cx + 1} Z" fill="{colour}"/>\n'
                f'  <rect x="{cx - 8}" y="{cy + 11}" width="26" height="2.5" fill="{colour}"/>\n'
                f'  <path d="M{cx - 22} {cy - 8} L{cx - 10} {cy + 4} M{cx - 10} {cy - 8} L{cx - 22} {cy + 4}" stroke="{colour}" stroke-width="3"/>')
    return svg(w, h, body)


# ---- Row buttons and footer ----

def bin_icon(colour, w=25, h=29):
    return svg(w, h,
               f'<rect x="2" y="4" width="{w - 4}" height="3" rx="1" fill="{colour}"/>\n'
               f'  <rect x="{w / 2 - 4}" y="1" width="8" height="3" fill="{colour}"/>\n'
               f'  <path d="M4 9 H{w - 4} L{w - 6} {h - 1} H6 Z" fill="{colour}"/>\n'
               f'  <path d="M{w / 2 - 5} 12 V{h - 5} M{w / 2} 12 V{h - 5} M{w / 2 + 5} 12 V{h - 5}" stroke="#464646" stroke-width="1.5"/>')


def search_icon():
    return svg(15, 15,
               '<circle cx="6" cy="6" r="4.5" fill="none" stroke="white" stroke-width="2"/>\n'
               '  <path d="M9.5 9.5 L14 14" stroke="white" stroke-width="2.5" stroke-linecap="round"/>')


def add_file():
    return svg(55, 41,
               '<path d="M15 3 H33 L41 11 V38 H15 Z" fill="none" stroke="white" stroke-width="2.5"/>\n'
               '  <path d="M33 3 V11 H41" fill="none" stroke="white" stroke-width="2"/>\n'
               f'  <circle cx="16" cy="28" r="10" fill="{ACCENT}"/>\n'
               '  <path d="M16 22 V34 M10 28 H22" stroke="white" stroke-width="3"/>')


def all_delete():
    return svg(55, 41,
               '<g transform="translate(21 6)"><rect x="0" y="3" width="22" height="3" fill="#8c8c8c"/>'
               '<path d="M2 8 H20 L18 30 H4 Z" fill="#8c8c8c"/></g>\n'
               '  <g transform="translate(12 9)"><rect x="0" y="3" width="22" height="3" fill="white"/>'
               '<path d="M2 8 H20 L18 30 H4 Z" fill="white"/>'
               '<path d="M7 11 V26 M11 11 V26 M15 11 V26" stroke="#464646" stroke-width="1.5"/></g>\n'
               '  <text x="50" y="14" font-family="DejaVu Sans" font-weight="bold" font-size="9" fill="white" text-anchor="end">ALL</text>')


# The word fits inside the icon's 48 units.
def repeat_count():
    return svg(48, 14,
               '<path d="M2 7 A4 4 0 0 1 10 5.5" fill="none" stroke="#464646" stroke-width="1.8"/>\n'
               '  <path d="M10 1.5 V6 H5.5" fill="none" stroke="#464646" stroke-width="1.8"/>\n'
               '  <text x="14" y="11.5" font-family="DejaVu Sans" font-weight="bold" font-size="8.5" '
               'fill="#464646">TIMES</text>')


# The type editor writes "START TIME" / "END TIME" 35 units right of where
# this icon starts: the triangle keeps to its left end.
def play_row_icon():
    return svg(62, 28, '<path d="M5.0 4.0 L23.0 14.0 L5.0 24.0 Z" fill="black"/>')


def chevron(direction, colour):
    d = "M9 2 L2 9.5 L9 17" if direction == "left" else "M2 2 L9 9.5 L2 17"
    return svg(11, 19, f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="2.5" stroke-linecap="round"/>')


def check_mark():
    return svg(20, 21, '<path d="M2 11 L8 18 L18 3" fill="none" stroke="black" stroke-width="3" stroke-linecap="round"/>')


# ---- Pop-up panels ----

def panel(height, bands, boxes, ticked, lines=()):
    body = [f'<rect x="1.5" y="1.5" width="322" height="{height - 3}" rx="10" fill="{PANEL}" stroke="black" stroke-width="3"/>']
    for top, bottom in bands:
        body.append(f'<rect x="3" y="{top}" width="319" height="{bottom - top}" fill="{BAND}"/>')
    for x, y in lines:
        body.append(f'<rect x="{x}" y="{y}" width="282" height="2" fill="{BAND}"/>')
    for i, (x, y) in enumerate(boxes):
        body.append(f'<rect x="{x}" y="{y}" width="22" height="22" rx="3" fill="none" stroke="{FRAME}" stroke-width="1"/>')
        if ticked == i:
            body.append(f'<path d="M{x + 4} {y + 11} L{x + 9} {y + 17} L{x + 18} {y + 4}" fill="none" '
                        'stroke="black" stroke-width="2.5" stroke-linecap="round"/>')
    return svg(325, height, "\n  ".join(body))


def filter_window(choice):
    boxes = [(271.6, 22), (271.6, 82)]
    bands = {"all": [(3, 62)], "today": [(62, 122)], "date": [(122, 330)]}[choice]
    ticked = {"all": 0, "today": 1, "date": None}[choice]
    return panel(400, bands, boxes, ticked, lines=[(21.3, 61), (21.3, 121)])


def schedule_window(choice):
    bands = {"everyday": [(3, 52)], "week": [(50, 121)], "day": [(119, 349)]}[choice]
    lines = {"everyday": [(21.3, 119)], "week": [], "day": [(21.3, 50)]}[choice]
    return panel(420, bands, [(271.6, 19)], 0 if choice == "everyday" else None, lines)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("area_404x190_OnArea.svg", card(404, 190, CARD_FILL, "#8c8c8c"))
    write("area_404x190_OffSelect.svg", card(404, 190, "none", CARD_LINE))
    write("area_404x148_RegularArea.svg", card(404, 148, "none", None, gradient=True))
    write("Schedule_30x33_Schedule.svg", schedule(False))
    write("Schedule_30x33_Schedule_shade.svg", schedule(True))
    os.makedirs(os.path.join(OUT, "source"), exist_ok=True)
    write("source/area_384x37_Unselectedt.svg", option_field())
    write("icon_TimeDisplay.svg", time_display())
    write("icon_RepeatTimes.svg", repeat_times())
    write("icon_88x7_PlayRepeat.svg", play_repeat_bar())
    white = "white"
    for name, kind, colour in [("Play", "play", GREEN), ("PlayRepeat", "repeat", GREEN), ("Rec", "rec", RED),
                               ("Stop", "stop", white), ("Download", "download", white),
                               ("DeleteDownload", "deldown", white)]:
        write(f"icon_65x31_{name}.svg", type_icon(kind, colour))
    write("icon_62x28_Play_Black.svg", play_row_icon())
    for name, kind, colour in [("RepeatPlay_Black", "repeat", "black"),
                               ("RECORD", "rec", RED), ("STOP_Black", "stop", "black"),
                               ("Download_Black", "download", "black"),
                               ("Delete-Download_Black", "deldown", "black")]:
        write(f"icon_62x28_{name}.svg", type_icon(kind, colour, 62, 28))
    write("icon_25x29_Delete.svg", bin_icon("white"))
    write("icon_15x15_Search.svg", search_icon())
    write("icon_55x41_AddFile.svg", add_file())
    write("icon_55x41_AllDelete.svg", all_delete())
    write("icon_48x14_RepeatCount.svg", repeat_count())
    write("left-B_11x19.svg", chevron("left", "black"))
    write("left_11x19.svg", chevron("left", "#B4B4B4"))
    write("right-B_11x19.svg", chevron("right", "black"))
    write("right_11x19.svg", chevron("right", "#B4B4B4"))
    write("check_20x21.svg", check_mark())
    for choice in ("all", "today", "date"):
        write(f"filterWindow_{choice}_325x400.svg", filter_window(choice))
    for choice in ("everyday", "week", "day"):
        write(f"Schedule_{choice}_325x420.svg", schedule_window(choice))


if __name__ == "__main__":
    main()
