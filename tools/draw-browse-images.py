#!/usr/bin/env python3
"""Draws the images of the media browser and its chooser as SVG icons, which
the application shows as they are: the folder title bar's up arrows and
current badge, the row icons, the footer buttons, the menus' buttons and
panel, the chooser's footer, the view-only badge and the close cross. Run
from the repository root; writes Resource/Browse/<name>.svg,
Resource/icon_100x20_viewonly.svg and Resource/Playlist/icon_20x20_close.svg.
tools/render-browse-images.sh draws them and checks that each one renders.

Where they stand: the folder title bar is a light blue ("#89A3D4"), the rows
and the footer bar are dark, the menu panels light grey. Glyphs ending in -B
are black (for the light panels), -W and the footer's are white."""

import os
from svgimages import FONT, label, svg

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

NAVY = "#1d2b45"          # the up arrow on the light blue title bar
FOLDER = "#e8b84a"        # folder body, warm so it stands out of the dark rows
FOLDER_BACK = "#c4952f"
GREY = "#8c8c8c"


# ---- Title bar ----

def up(colour):
    return svg(44, 44,
        f'<rect x="2" y="2" width="40" height="40" rx="8" fill="none" stroke="{colour}" stroke-width="3"/>\n'
        f'  <path d="M22 10 L33 22 H26 V33 H18 V22 H11 Z" fill="{colour}"/>')


def current_badge():
    return svg(100, 24,
        f'<rect x="1" y="1" width="98" height="22" rx="11" fill="{ACCENT}" stroke="{NAVY}" stroke-width="1.5"/>\n'
        f'  {label("CURRENT", 50, 12, 80, 13, "white")}')


def set_to_current():
    return svg(135, 26,
        f'<rect x="1" y="1" width="133" height="24" rx="12" fill="{DARK}" stroke="white" stroke-width="1.5"/>\n'
        f'  {label("SET TO CURRENT", 67.5, 13, 115, 12, "white")}')


# ---- Rows ----

def folder_shape(x, y):
    return (f'<path d="M{x} {y + 4} q0 -3 3 -3 h9 l3 4 h15 q3 0 3 3 v2 h-33 Z" fill="{FOLDER_BACK}"/>\n'
            f'  <rect x="{x}" y="{y + 9}" width="33" height="20" rx="2.5" fill="{FOLDER}"/>')


def folder(current):
    body = folder_shape(9, 7)
    if current:
        # A play triangle marks the recorder's current folder.
        body += (f'\n  <circle cx="37" cy="31" r="9" fill="{ACCENT}" stroke="{DARK}" stroke-width="1.5"/>'
                 f'\n  <path d="M34 26.5 L42 31 L34 35.5 Z" fill="white"/>')
    return svg(52, 44, body)


def file_icon(check):
    body = (f'<path d="M14 6 h16 l8 8 v24 h-24 Z" fill="{LIGHT}" stroke="{EDGE}" stroke-width="1"/>\n'
            f'  <path d="M30 6 v8 h8" fill="#cfcfcf" stroke="{EDGE}" stroke-width="1"/>\n'
            f'  <path d="M18 20 h16 M18 25 h16 M18 30 h12" stroke="{GREY}" stroke-width="2"/>')
    if check:
        body += (f'\n  <circle cx="37" cy="31" r="9" fill="{ACCENT}" stroke="{DARK}" stroke-width="1.5"/>'
                 f'\n  <path d="M32.5 31 l3 3.5 l6 -7" fill="none" stroke="white" stroke-width="2.5" '
                 f'stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(52, 44, body)


def menu_button():
    dots = ''.join(f'<circle cx="18" cy="{y}" r="3" fill="white"/>' for y in (9, 18, 27))
    return svg(36, 36, f'<rect x="1" y="1" width="34" height="34" rx="7" fill="none" stroke="{EDGE}" '
                       f'stroke-width="1.5"/>\n  {dots}')


# ---- Footer of the page (white glyphs on the dark blue bar) ----

def footer_icon(glyph):
    return svg(44, 44, f'<rect x="1" y="1" width="42" height="42" rx="9" fill="none" stroke="white" '
                       f'stroke-opacity="0.55" stroke-width="1.5"/>\n  {glyph}')


def create_folder():
    return footer_icon(
        '<path d="M8 14 q0 -2 2 -2 h7 l2.5 3 h13.5 q2 0 2 2 v15 q0 2 -2 2 h-23 q-2 0 -2 -2 Z" '
        'fill="none" stroke="white" stroke-width="2.2"/>\n'
        '  <path d="M22 19 v11 M16.5 24.5 h11" stroke="white" stroke-width="2.6" stroke-linecap="round"/>')


def goto_current():
    return footer_icon(
        '<circle cx="22" cy="22" r="11" fill="none" stroke="white" stroke-width="2.2"/>\n'
        '  <circle cx="22" cy="22" r="4" fill="white"/>\n'
        '  <path d="M22 6 v6 M22 32 v6 M6 22 h6 M32 22 h6" stroke="white" stroke-width="2.2" stroke-linecap="round"/>')


def sort_by_time():
    return footer_icon(
        '<circle cx="17" cy="22" r="10" fill="none" stroke="white" stroke-width="2.2"/>\n'
        '  <path d="M17 15 v7 h5" fill="none" stroke="white" stroke-width="2.2" stroke-linecap="round"/>\n'
        '  <path d="M33 11 v20" stroke="white" stroke-width="2.2"/><path d="M28 27 l5 7 l5 -7 Z" fill="white"/>')


def sort_by_name():
    return footer_icon(
        '<text x="15" y="20" font-family="' + FONT + '" font-weight="bold" font-size="11" '
        'text-anchor="middle" fill="white">A</text>\n'
        '  <text x="15" y="34" font-family="' + FONT + '" font-weight="bold" font-size="11" '
        'text-anchor="middle" fill="white">Z</text>\n'
        '  <path d="M31 11 v20" stroke="white" stroke-width="2.2"/><path d="M26 27 l5 7 l5 -7 Z" fill="white"/>')


def undo():
    return footer_icon(
        '<path d="M14 17 h13 a8 8 0 0 1 0 16 h-9" fill="none" stroke="white" stroke-width="2.6" '
        'stroke-linecap="round"/>\n'
        '  <path d="M8 17 l8 -7 v14 Z" fill="white"/>')


# ---- Menu buttons (47 x 30) ----

def rename(colour):
    return svg(47, 30,
        f'<rect x="4" y="8" width="39" height="14" rx="2" fill="none" stroke="{colour}" stroke-width="2"/>\n'
        f'  <path d="M10 12 v6 M14 12 v6" stroke="{colour}" stroke-width="1.6"/>\n'
        f'  <path d="M30 26 l2 -6 l10 -14 l4 3 l-10 14 Z" fill="{colour}"/>')


def delete(colour):
    return svg(47, 30,
        f'<path d="M15 7 h17 M21 7 v-3 h5 v3" fill="none" stroke="{colour}" stroke-width="2"/>\n'
        f'  <path d="M17 10 h13 l-1.5 18 h-10 Z" fill="none" stroke="{colour}" stroke-width="2" stroke-linejoin="round"/>\n'
        f'  <path d="M21.5 13 v12 M25.5 13 v12" stroke="{colour}" stroke-width="1.6"/>')


def select(colour):
    return svg(47, 30,
        f'<circle cx="23.5" cy="15" r="12" fill="none" stroke="{colour}" stroke-width="2"/>\n'
        f'  <path d="M17 15 l5 5 l9 -10" fill="none" stroke="{colour}" stroke-width="2.6" '
        f'stroke-linecap="round" stroke-linejoin="round"/>')


def copy(colour):
    return svg(47, 30,
        f'<rect x="12" y="3" width="15" height="19" rx="2" fill="none" stroke="{colour}" stroke-width="2"/>\n'
        f'  <rect x="20" y="8" width="15" height="19" rx="2" fill="#DCDCDC" stroke="{colour}" stroke-width="2"/>')


# ---- Panels ----

def file_menu_back():
    return svg(325, 230,
        '<rect x="1.5" y="1.5" width="322" height="227" rx="10" fill="#DCDCDC" stroke="black" stroke-width="3"/>\n'
        '  <rect x="20" y="39" width="285" height="2" fill="#878787"/>\n'
        '  <rect x="20" y="116" width="285" height="1" fill="#b4b4b4"/>')


def chooser_footer():
    return svg(360, 55,
        f'<rect x="0.5" y="0.5" width="359" height="54" rx="10" fill="{DARK}" stroke="{EDGE}" stroke-width="1"/>\n'
        f'  <rect x="179.5" y="10" width="1" height="35" fill="{EDGE}"/>')


def view_only():
    return svg(100, 20,
        f'<rect x="0.75" y="0.75" width="98.5" height="18.5" rx="4" fill="none" stroke="{ACCENT}" stroke-width="1.5"/>\n'
        f'  {label("VIEW ONLY", 50, 10, 84, 11, ACCENT)}')


def close():
    return svg(20, 20,
        '<circle cx="10" cy="10" r="9" fill="none" stroke="black" stroke-width="1.6"/>\n'
        '  <path d="M6.5 6.5 L13.5 13.5 M13.5 6.5 L6.5 13.5" stroke="black" stroke-width="2" stroke-linecap="round"/>')


IMAGES = {
    "Browse/icon_44x44_up-B": up(NAVY),
    "Browse/icon_44x44_up-G": up(GREY),
    "Browse/icon_100x24_current": current_badge(),
    "Browse/icon_135x26_Set-to-C": set_to_current(),
    "Browse/icon_52x44_Folder": folder(False),
    "Browse/icon_52x44_CurrentFolder": folder(True),
    "Browse/icon_52x44_File": file_icon(False),
    "Browse/icon_52x44_FileCheck": file_icon(True),
    "Browse/icon_36x36_Menu": menu_button(),
    "Browse/icon_44x44_CreateFolder": create_folder(),
    "Browse/icon_44x44_GotoCurrent": goto_current(),
    "Browse/icon_44x44_sort-by-Time": sort_by_time(),
    "Browse/icon_44x44_sort-by-Name": sort_by_name(),
    "Browse/icon_44x44_undo": undo(),
    "Browse/icon_47x30_rename-B": rename("black"),
    "Browse/icon_47x30_rename-W": rename("white"),
    "Browse/icon_47x30_Delete-B": delete("black"),
    "Browse/icon_47x30_select-B": select("black"),
    "Browse/icon_47x30_copy": copy("black"),
    "Browse/browse_back_325x230": file_menu_back(),
    "Browse/area_360x55_cancel": chooser_footer(),
    "icon_100x20_viewonly": view_only(),
    "Playlist/icon_20x20_close": close(),
}

if __name__ == "__main__":
    for name, text in IMAGES.items():
        path = os.path.join("Resource", name + ".svg")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as out:
            out.write(text)
