#!/usr/bin/env python3
"""Draws the ten tab icons of the window: each drawing in black (grey tab)
and in white (selected, black tab). Run from the repository root; writes
Resource/tab/<name>.svg and Resource/tab/<name>_white.svg."""

import os

STROKE = 1.6

def tile(x, y, w, h, letter_path):
    # A rounded tile with a letter drawn in strokes.
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="none" stroke-width="{STROKE}"/>'
            f'<path d="{letter_path}" fill="none" stroke-width="{STROKE}" stroke-linecap="round" stroke-linejoin="round"/>')

def sheet(x, y, w, h, lines):
    out = f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1" fill="none" stroke-width="{STROKE}"/>'
    step = h / (lines + 1)
    for i in range(1, lines + 1):
        ly = y + step * i
        out += f'<line x1="{x + 2.5}" y1="{ly:.2f}" x2="{x + w - 2.5}" y2="{ly:.2f}" stroke-width="{STROKE * 0.8}" stroke-linecap="round"/>'
    return out

ICONS = {
    # A house: roof, walls and a door.
    "home": (24.901, 21.491,
             '<path d="M2,11 L12.45,1.8 L22.9,11" fill="none" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>'
             '<path d="M5,9.5 V20 H10.2 V14 H14.7 V20 H19.9 V9.5" fill="none" stroke-width="2" stroke-linejoin="round"/>'),
    # A tile with M beside a three-row list.
    "menu": (44.691, 20.125,
             tile(1, 1.5, 17, 17, "M5,14.5 V5.5 L9.5,11 L14,5.5 V14.5")
             + ''.join(f'<circle cx="24" cy="{y}" r="1.4" stroke="none"/>'
                       f'<line x1="28" y1="{y}" x2="43" y2="{y}" stroke-width="2" stroke-linecap="round"/>'
                       for y in (4.5, 10, 15.6))),
    # A folder holding a B and three lines.
    "browse": (32.667, 22.168,
               '<path d="M1,4 Q1,1.5 3.5,1.5 H10.5 L13,4.5 H29.2 Q31.7,4.5 31.7,7 V18.7 Q31.7,21.2 29.2,21.2 H3.5 Q1,21.2 1,18.7 Z" '
               'fill="none" stroke-width="1.6" stroke-linejoin="round"/>'
               '<path d="M6,9 V18 H9.6 Q11.6,18 11.6,15.8 Q11.6,13.5 9.4,13.5 H6 M6,9 H9 Q11,9 11,11.2 Q11,13.5 9,13.5" '
               'fill="none" stroke-width="1.4" stroke-linejoin="round"/>'
               + ''.join(f'<line x1="15" y1="{y}" x2="28" y2="{y}" stroke-width="1.4" stroke-linecap="round"/>'
                         for y in (10, 13.5, 17))),
    # A tile with P beside a sheet of lines and a note tile.
    "playlist": (44.351, 26.507,
                 tile(1, 4.7, 17, 17, "M6,17.7 V8.7 H10.5 Q13,8.7 13,11.2 Q13,13.7 10.5,13.7 H6")
                 + sheet(21, 1, 15, 24.5, 4)
                 + '<rect x="31" y="15" width="12.3" height="10.5" rx="1.5" stroke="none"/>'
                   '<circle cx="35.2" cy="22.4" r="1.6" class="cut" stroke="none"/>'
                   '<path d="M36.6,22.4 V17.2 L40,16.5" fill="none" class="cutline" stroke-width="1"/>'),
    # A tile with T beside a sheet of lines and a clock tile.
    "timerevent": (44.627, 26.632,
                   tile(1, 4.8, 17, 17, "M5,8.8 H14 M9.5,8.8 V17.8")
                   + sheet(21, 1, 15, 24.6, 4)
                   + '<rect x="31.3" y="15" width="12.3" height="10.6" rx="1.5" stroke="none"/>'
                     '<circle cx="37.45" cy="20.3" r="3.8" fill="none" class="cutline" stroke-width="1"/>'
                     '<path d="M37.45,18.2 V20.3 H39.2" fill="none" class="cutline" stroke-width="1" stroke-linecap="round"/>'),
}

def svg(width, height, body, colour, background):
    # Shapes "cut" into a filled tile take the tab's own colour.
    body = body.replace('class="cut"', f'fill="{background}"').replace('class="cutline"', f'stroke="{background}"')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n'
            f'  <g fill="{colour}" stroke="{colour}">{body}</g>\n</svg>\n')

def main():
    os.makedirs("Resource/tab", exist_ok=True)
    for name, (width, height, body) in ICONS.items():
        with open(f"Resource/tab/{name}.svg", "w") as out:
            out.write(svg(width, height, body, "black", "#7F7F7F"))
        with open(f"Resource/tab/{name}_white.svg", "w") as out:
            out.write(svg(width, height, body, "white", "black"))

if __name__ == "__main__":
    main()
