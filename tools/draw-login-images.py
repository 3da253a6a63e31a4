#!/usr/bin/env python3
"""Draws the images of the login page as SVG. Run from the repository root;
writes Resource/login/<name>.svg. The four bitmaps of the manual login page
(Resource/LogIn_*_3.png) are drawn here as SVG sources of their plain size and
rendered at three times that size by tools/render-login-images.sh."""

import os
from svgimages import svg

OUT = "Resource/login"

CYAN = "#0ec0dd"
GREY = "#878787"
WHITE = "#ffffff"


# ---- Letters drawn as strokes, in a box of width w and height h at (x, y) ----

def letter(ch, x, y, w, h):
    r = x + w
    b = y + h
    mx = x + w / 2
    if ch == "O":
        return f'M{x},{y + h / 2} A{w / 2},{h / 2} 0 1 1 {r},{y + h / 2} A{w / 2},{h / 2} 0 1 1 {x},{y + h / 2} Z'
    if ch == "Q":
        return letter("O", x, y, w, h) + f' M{x + w * 0.6},{y + h * 0.66} L{r + w * 0.04},{b + h * 0.04}'
    if ch == "U":
        return f'M{x},{y} V{y + h * 0.58} A{w / 2},{h * 0.42} 0 0 0 {r},{y + h * 0.58} V{y}'
    if ch == "V":
        return f'M{x},{y} L{mx},{b} L{r},{y}'
    if ch == "A":
        return f'M{x},{b} L{mx},{y} L{r},{b} M{x + w * 0.2},{y + h * 0.64} H{r - w * 0.2}'
    if ch == "L":
        return f'M{x},{y} V{b} H{r}'
    if ch == "E":
        return f'M{r},{y} H{x} V{b} H{r} M{x},{y + h / 2} H{r - w * 0.15}'
    if ch == "R":
        return (f'M{x},{b} V{y} H{x + w * 0.55} A{w * 0.45},{h * 0.26} 0 0 1 {x + w * 0.55},{y + h * 0.52} '
                f'H{x} M{x + w * 0.5},{y + h * 0.52} L{r},{b}')
    if ch == "D":
        return f'M{x},{y} V{b} H{x + w * 0.4} A{w * 0.6},{h / 2} 0 0 0 {x + w * 0.4},{y} Z'
    raise ValueError(ch)


def word(text, x, y, h, widths, gap):
    out = []
    for ch in text:
        w = widths[ch]
        out.append(letter(ch, x, y, w, h))
        x += w + gap
    return " ".join(out), x - gap


# ---- Medium icons: white versions of the grey ones of the timer-event page ----

def medium_icons():
    return {
        # No medium: an empty dashed slot.
        "icon_19x19_none": svg(19, 19,
            f'<rect x="2.5" y="2.5" width="14" height="14" rx="2.5" fill="none" stroke="{GREY}" '
            f'stroke-width="1.5" stroke-dasharray="3 2"/>'),
        # A memory card with its top right corner cut off.
        "icon_w_16x20_sd": svg(16, 20,
            f'<polygon points="1.71,1.33 10.67,1.33 14.5,5.56 14.5,19 1.71,19" fill="{WHITE}"/>'),
        # A plug body and its connector with two windows.
        "icon_w_16x20_usb": svg(16, 20,
            f'<path d="M2.07,8.06 H14.07 V15.92 Q14.07,19 11.47,19 H4.67 Q2.07,19 2.07,15.92 Z" fill="{WHITE}"/>\n'
            f'  <path fill-rule="evenodd" fill="{WHITE}" d="M3.94,1.23 H12.22 V6.03 H3.94 Z '
            f'M5.36,2.66 V4.19 H7.3 V2.66 Z M8.69,2.66 V4.19 H10.63 V2.66 Z"/>'),
        # A disc with its centre hole and a ring in the selected card's colour.
        "icon_w_19x19_cd": svg(19, 19,
            f'<path fill-rule="evenodd" fill="{WHITE}" d="M0.6,9.6 A8.92,8.92 0 1 0 18.44,9.6 '
            f'A8.92,8.92 0 1 0 0.6,9.6 Z M7.88,9.6 A1.64,1.64 0 1 1 11.16,9.6 A1.64,1.64 0 1 1 7.88,9.6 Z"/>\n'
            f'  <circle cx="9.52" cy="9.63" r="3" fill="none" stroke="#646464" stroke-width="0.5"/>'),
    }


# ---- Transport state, drawn into the row's black 47 x 47 frame ----

def status_icons():
    frame = f'<rect x="0.5" y="0.5" width="46" height="46" rx="3" fill="none" stroke="#2a2a2a"/>\n  '
    return {
        "icon_47x47_Status_none": svg(47, 47, frame +
            f'<line x1="17" y1="23.5" x2="30" y2="23.5" stroke="#5a5a5a" stroke-width="3" stroke-linecap="round"/>'),
        "icon_47x47_Status_stop": svg(47, 47, frame +
            f'<rect x="15" y="15" width="17" height="17" rx="1.5" fill="{WHITE}"/>'),
        "icon_47x47_Status_play": svg(47, 47, frame +
            '<polygon points="17,13 17,34 35,23.5" fill="#3dd46a" stroke="#3dd46a" stroke-width="1.5" '
            'stroke-linejoin="round"/>'),
        "icon_47x47_Status_rec": svg(47, 47, frame +
            '<circle cx="23.5" cy="23.5" r="9.5" fill="#e8392f"/>'),
        "icon_47x47_Status_pause": svg(47, 47, frame +
            f'<rect x="15" y="14" width="6" height="19" rx="1" fill="{WHITE}"/>'
            f'<rect x="26" y="14" width="6" height="19" rx="1" fill="{WHITE}"/>'),
    }


# ---- Power state ----

def power_icon(colour):
    return svg(18, 20,
        f'<path d="M5.2,6.2 A7,7 0 1 0 12.8,6.2" fill="none" stroke="{colour}" stroke-width="2.2" '
        f'stroke-linecap="round"/>\n'
        f'  <line x1="9" y1="2" x2="9" y2="10" stroke="{colour}" stroke-width="2.2" stroke-linecap="round"/>')


def power_icons():
    return {
        "icon_18x20_power_on": power_icon(CYAN),
        "icon_18x20_power_off": power_icon(GREY),
        # The power state is not known: the machine does not answer.
        "icon_13x20_question": svg(13, 20,
            f'<path d="M2.6,6.4 A3.9,3.9 0 1 1 8.7,9.6 Q6.5,11 6.5,13.6" fill="none" stroke="{GREY}" '
            f'stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>\n'
            f'  <circle cx="6.5" cy="17.4" r="1.45" fill="{GREY}"/>'),
    }


# ---- The list's reload button ----

def reload_button():
    widths = {"R": 7.5, "E": 7, "L": 6.5, "O": 11, "A": 9, "D": 8.5}
    text, end = word("RELOAD", 45, 16.5, 12, widths, 3.4)
    cx, cy, r = 27, 22.5, 8.5
    # A circular arrow: three quarters of a circle and its head.
    return svg(125, 45,
        f'<rect x="1.5" y="1.5" width="122" height="42" rx="7" fill="#1c1c1c" stroke="{CYAN}" stroke-width="2"/>\n'
        f'  <path d="M{cx + r},{cy} A{r},{r} 0 1 1 {cx},{cy - r}" fill="none" stroke="{CYAN}" stroke-width="2.6" '
        f'stroke-linecap="round"/>\n'
        f'  <polygon points="{cx - 1},{cy - r - 4.6} {cx + 5.2},{cy - r} {cx - 1},{cy - r + 4.6}" fill="{CYAN}"/>\n'
        f'  <path d="{text}" fill="none" stroke="{CYAN}" stroke-width="1.9" stroke-linecap="round" '
        f'stroke-linejoin="round"/>')


# ---- The wordmark beside the title ----

def logo():
    widths = {"Q": 12, "U": 10, "O": 12, "V": 11, "A": 11, "L": 8}
    text, end = word("QUOVAL", 1.2, 2, 12, widths, 5.6)
    return svg(95, 16,
        f'<path d="{text}" fill="none" stroke="{WHITE}" stroke-opacity="0.55" stroke-width="2" '
        f'stroke-linecap="round" stroke-linejoin="round"/>')


# ---- The slide knob of the admin-mode switch ----

def padlock(open_):
    body = '<rect x="43" y="24" width="22" height="17" rx="2.5" fill="#1b2a47"/>\n  ' \
           '<circle cx="54" cy="31" r="2.2" fill="#cfd4dc"/><rect x="53" y="31" width="2" height="5" fill="#cfd4dc"/>'
    if open_:
        shackle = 'M47.5,24 V15 A6.5,6.5 0 0 1 60.5,15 V17.5'
    else:
        shackle = 'M47.5,24 V19 A6.5,6.5 0 0 1 60.5,19 V24'
    return (f'<path d="{shackle}" fill="none" stroke="#1b2a47" stroke-width="3.2" stroke-linecap="round"/>\n  '
            + body)


def shuttle(unlocked):
    fill = CYAN if unlocked else "#cfd4dc"
    knob = f'<rect x="1.5" y="1.5" width="77" height="49" rx="7" fill="{fill}" stroke="#0b1830" stroke-width="1.5"/>\n  '
    # Two chevrons tell which way the knob slides.
    arrows = '' if unlocked else (
        '<path d="M21,17 L13,26 L21,35 M31,17 L23,26 L31,35" fill="none" stroke="#2f3e5b" stroke-width="3" '
        'stroke-linecap="round" stroke-linejoin="round"/>\n  ')
    return svg(80, 52, knob + arrows + padlock(unlocked))


def shuttles():
    return {"icon_80x52_lock_off": shuttle(False), "icon_80x52_lock_on": shuttle(True)}


# ---- The manual login page's fields and button (sources of the bitmaps) ----

def manual_page():
    def field(stroke, width):
        return svg(296, 50, f'<rect x="1.5" y="1.5" width="293" height="47" rx="6" fill="#f4f4f4" '
                            f'stroke="{stroke}" stroke-width="{width}"/>')

    def button(fill, stroke):
        return svg(296, 50, f'<rect x="1.5" y="1.5" width="293" height="47" rx="23.5" fill="{fill}" '
                            f'stroke="{stroke}" stroke-width="2.5"/>')

    return {
        "LogIn_add-pass_OFF_296x50": field("#5a5a5a", 2),
        "LogIn_add-pass_ON_296x50": field(CYAN, 3),
        "LogIn_296x50": button("#e9eef8", "#2D52A8"),
        "LogIn_connect_296x50": button("#f8e6de", "#D14413"),
    }


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {}
    for group in (medium_icons, status_icons, power_icons, shuttles, manual_page):
        images.update(group())
    images["icon_125x45_reload"] = reload_button()
    images["quoval_logo_95x16"] = logo()
    for name, text in images.items():
        with open(f"{OUT}/{name}.svg", "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
