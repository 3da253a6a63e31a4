#!/usr/bin/env python3
"""Draws the images of the playlist page as SVG icons, which the application
shows as they are: the playlist rows' buttons and current marker, the entry
rows' assign, clear and information buttons, the entry-count folder and the
footer's add and return buttons. Run from the repository root; writes
Resource/Playlist/<name>.svg. tools/render-playlist-images.sh draws them and
checks that each one renders. The view-only badge and the close cross are the
browser's (tools/draw-browse-images.py).

Where they stand: playlist rows are dark ("#272727" or black), the current
playlist's row light blue ("#89A3D4"); entry rows are dark; the footer is a
dark blue ("#2F3E5B"). Buttons of the current row are navy with white labels,
those of other rows dark with white labels."""

import os
from svgimages import FONT, label, svg

OUT = "Resource/Playlist"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

NAVY = "#1d2b45"          # buttons on the light blue current row
RED = "#c24c37"           # destructive buttons
GREY = "#8c8c8c"


# ---- Playlist rows ----

def row_button(text, fill, edge):
    return svg(47, 30,
        f'<rect x="1.5" y="3.5" width="44" height="23" rx="5" fill="{fill}" stroke="{edge}" stroke-width="1.5"/>\n'
        f'  {label(text, 23.5, 15, 38, 10, "white")}')


def current_marker():
    return svg(57, 18,
        f'<rect x="0.75" y="0.75" width="55.5" height="16.5" rx="8.25" fill="{NAVY}" stroke="white" stroke-width="1.5"/>\n'
        f'  {label("CURRENT", 28.5, 9, 45, 10, "white")}')


def play_folder():
    return svg(19, 18,
        '<path d="M1 3.5 q0 -2 2 -2 h4.5 l2 2.5 h7.5 q2 0 2 2 v9.5 q0 2 -2 2 h-14 q-2 0 -2 -2 Z" fill="white"/>\n'
        f'  <path d="M7.5 7.5 v7 l6 -3.5 Z" fill="{DARK}"/>')


# ---- Entry rows ----

def pill(text, edge, fill, ink):
    return svg(70, 20,
        f'<rect x="0.75" y="0.75" width="68.5" height="18.5" rx="9.25" fill="{fill}" stroke="{edge}" stroke-width="1.5"/>\n'
        f'  {label(text, 35, 10, 54, 11, ink)}')


def info(lit):
    ring, fill, ink = ("white", "white", "black") if lit else (GREY, "black", LIGHT)
    return svg(20, 20,
        f'<circle cx="10" cy="10" r="9" fill="{fill}" stroke="{ring}" stroke-width="1.5"/>\n'
        f'  <circle cx="10" cy="5.6" r="1.5" fill="{ink}"/>\n'
        f'  <rect x="8.6" y="8.2" width="2.8" height="7.6" rx="1" fill="{ink}"/>')


# ---- Footer ----

def add_playlist():
    return svg(56, 40,
        '<path d="M8 11 h24 M8 19 h24 M8 27 h14" stroke="white" stroke-width="3" stroke-linecap="round"/>\n'
        f'  <circle cx="39" cy="27" r="10" fill="{ACCENT}"/>\n'
        '  <path d="M39 21 v12 M33 27 h12" stroke="white" stroke-width="3" stroke-linecap="round"/>')


def return_to_playlists():
    return svg(56, 40,
        '<path d="M20 11 h28 M20 20 h28 M20 29 h28" stroke="white" stroke-width="3" stroke-linecap="round"/>\n'
        f'  <path d="M4 20 l9 -8 v16 Z" fill="{ACCENT}"/>')


IMAGES = {
    "icon_47x30_Load": row_button("LOAD", DARK, "white"),
    "icon_47x30_SaveAs": row_button("SAVE AS", NAVY, "white"),
    "icon_47x30_Edit": row_button("EDIT", NAVY, "white"),
    "icon_47x30_Delete": row_button("DELETE", RED, "white"),
    "icon_47x30_Rename": row_button("RENAME", DARK, "white"),
    "icon_57x18_current": current_marker(),
    "icon_19x18_playfolder_White": play_folder(),
    "icon_70x20_assign": pill("ASSIGN", ACCENT, DARK, "white"),
    "icon_70x20_clear": pill("CLEAR", GREY, "black", LIGHT),
    "icon_20x20_info_white": info(True),
    "icon_20x20_info_black": info(False),
    "icon_56x40_AddPlaylist": add_playlist(),
    "icon_56_return-PLAYLISTS": return_to_playlists(),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, text in IMAGES.items():
        with open(os.path.join(OUT, name + ".svg"), "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
