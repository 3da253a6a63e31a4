"""What the image scripts share: an SVG document of a plain size, a vertical
gradient for its fills and a bold label fitted to the room it has."""

import math


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n  {body}\n</svg>\n')


def gradient(name, top, bottom):
    return (f'<defs><linearGradient id="{name}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient></defs>\n  ')


FONT = "Liberation Sans, DejaVu Sans, sans-serif"
# Widths of DejaVu Sans Bold, which Qt's SVG renderer draws here, in
# thousandths of the font size.
ADVANCE = {
    'A': 774, 'B': 762, 'C': 734, 'D': 830, 'E': 683, 'F': 683, 'G': 821, 'H': 837,
    'I': 372, 'J': 372, 'K': 775, 'L': 637, 'M': 995, 'N': 837, 'O': 850, 'P': 733,
    'Q': 850, 'R': 770, 'S': 720, 'T': 682, 'U': 812, 'V': 774, 'W': 1103, 'X': 771,
    'Y': 724, 'Z': 725, ' ': 348, '-': 415,
}
CAP_HEIGHT = 0.729


def label(text, cx, cy, room, largest, fill):
    width = sum(ADVANCE[c] for c in text) / 1000
    size = min(largest, math.floor(room / width * 4) / 4)
    baseline = cy + size * CAP_HEIGHT / 2
    return (f'<text x="{cx:g}" y="{baseline:.2f}" font-family="{FONT}" font-weight="bold" '
            f'font-size="{size:g}" text-anchor="middle" fill="{fill}">{text}</text>')
