#!/usr/bin/env python3
"""Draws the images of the Home page's transport block, level meters and
recording-format labels as SVG sources of their plain size. Run from the
repository root; writes Resource/transport/<name>.svg.
tools/render-transport-images.sh renders them at three times that size into
Resource/<name>_3.png.

Everything stands on the black page. The transport buttons are dark keys with
light glyphs; the upper row lights in the accent colour (REC in red) while the
recorder is in that state, the lower row while pressed. The meters carry dark
tracks under which the application draws its bars, a dB scale and the over
fields; the format labels are dark plates for grey text."""

import os
from svgimages import svg, gradient

OUT = "Resource/transport"

ACCENT = "#29abe2"
DARK = "#282828"
LIGHT = "#f2f2f2"
EDGE = "#5a5a5a"

ACCENT_DEEP = "#1b7ea8"   # accent dark enough to carry white glyphs
GLYPH = "#c4c8ce"         # unlit glyphs
REC_RED = "#e63228"       # the lit REC lamp and the over markers
TRACK = "#2e3136"         # unlit meter track
SCALE = "#b4b4b4"         # scale ticks and numbers

FONT = "Liberation Sans, DejaVu Sans, sans-serif"

# The meter's scale: 58 segments over 333 units, one decibel each, 0 dB at the end.
SEGMENTS = 58
SCALE_LENGTH = 333.0
MARKED_DB = (-50, -40, -30, -20, -12, -6, 0)


# Text centred on (cx, cy) for capitals and digits.
def text(value, cx, cy, size, fill, anchor="middle"):
    baseline = cy + size * 0.729 / 2
    return (f'<text x="{cx:.2f}" y="{baseline:.2f}" font-family="{FONT}" font-weight="bold" '
            f'font-size="{size:g}" text-anchor="{anchor}" fill="{fill}">{value}</text>')


# ---- Transport keys ----

def key_face(width, height, lit, lamp):
    if lit:
        face = gradient("face", "#454a52", "#24272c")
        ring = f'stroke="{lamp}" stroke-width="2.5"'
    else:
        face = gradient("face", "#3a3e45", "#1c1e22")
        ring = f'stroke="{EDGE}" stroke-width="1.5"'
    return (face +
            f'<rect x="1.5" y="1.5" width="{width - 3}" height="{height - 3}" rx="11" fill="url(#face)" {ring}/>\n'
            f'  <rect x="8" y="3.2" width="{width - 16}" height="1.2" rx="0.6" fill="#ffffff" fill-opacity="0.25"/>')


def glow(shape, lamp):
    # A soft halo of the lamp's colour behind the lit glyph.
    return (f'<g opacity="0.35" transform="translate(35.5 35.5) scale(1.25) translate(-35.5 -35.5)">'
            f'{shape.replace("FILL", lamp)}</g>\n  ' + shape.replace("FILL", lamp))


def upper_key(shape, lamp):
    return {
        "OFF": svg(71, 71, key_face(71, 71, False, lamp) + '\n  ' + shape.replace("FILL", GLYPH)),
        "ON": svg(71, 71, key_face(71, 71, True, lamp) + '\n  ' + glow(shape, lamp)),
    }


def upper_row():
    shapes = {
        "STOP": ('<rect x="23.5" y="23.5" width="24" height="24" rx="2.5" fill="FILL"/>', ACCENT),
        "PLAY": ('<path d="M27,21 L51,35.5 L27,50 Z" fill="FILL" stroke="FILL" stroke-width="1.5" '
                 'stroke-linejoin="round"/>', ACCENT),
        "PAUSE": ('<rect x="23.5" y="22.5" width="8.5" height="26" rx="1.5" fill="FILL"/>'
                  '<rect x="39" y="22.5" width="8.5" height="26" rx="1.5" fill="FILL"/>', ACCENT),
        "REC": ('<circle cx="35.5" cy="35.5" r="13" fill="FILL"/>', REC_RED),
    }
    images = {}
    for name, (shape, lamp) in shapes.items():
        for state, image in upper_key(shape, lamp).items():
            images[f"button-A_{name}-{state}_71x71"] = image
    return images


def lower_key(shape, pressed):
    if pressed:
        face = (gradient("face", "#2aa3d8", ACCENT_DEEP) +
                '<rect x="1.5" y="1.5" width="68" height="41" rx="9" fill="url(#face)" stroke="#8fd8f6" '
                'stroke-width="1.5"/>')
        ink = "#ffffff"
    else:
        face = (gradient("face", "#3a3e45", "#1c1e22") +
                f'<rect x="1.5" y="1.5" width="68" height="41" rx="9" fill="url(#face)" stroke="{EDGE}" '
                'stroke-width="1.5"/>')
        ink = GLYPH
    return svg(71, 44, face + '\n  ' + shape.replace("FILL", ink))


def triangle(tip, base, half=8.5, cy=22):
    return f'<path d="M{base},{cy - half} L{tip},{cy} L{base},{cy + half} Z" fill="FILL"/>'


def mirrored(shape):
    return f'<g transform="translate(71 0) scale(-1 1)">{shape}</g>'


def lower_row():
    rew = triangle(21, 35) + triangle(35, 49)
    skip = '<rect x="18" y="13.5" width="3.5" height="17" rx="0.8" fill="FILL"/>' + triangle(22.5, 36) + triangle(36, 49.5)
    shapes = {"skip-L": skip, "REW": rew, "FF": mirrored(rew), "skip-R": mirrored(skip)}
    images = {}
    for name, shape in shapes.items():
        images[f"button-B_{name}_OFF_71x44"] = lower_key(shape, False)
        images[f"button-B_{name}_ON_71x44"] = lower_key(shape, True)
    return images


# ---- Level meters ----

def boundary(scale_x, segments):
    return scale_x + segments * SCALE_LENGTH / SEGMENTS


def ticks(scale_x, top, length, towards_down=True):
    parts = []
    for segment in range(0, SEGMENTS + 1, 2):
        x = boundary(scale_x, segment)
        marked = segment - SEGMENTS in MARKED_DB
        size = length if marked else length * 0.5
        y = top if towards_down else top - size
        parts.append(f'<rect x="{x - 0.4:.2f}" y="{y:.2f}" width="0.8" height="{size:.2f}" fill="{SCALE}"/>')
    return "".join(parts)


def numbers(scale_x, cy):
    return "".join(text(str(db), boundary(scale_x, SEGMENTS + db), cy, 7.5, SCALE) for db in MARKED_DB)


def track(scale_x, y):
    return f'<rect x="{scale_x}" y="{y}" width="{SCALE_LENGTH:g}" height="8" fill="{TRACK}"/>'


def over_field(x, y):
    return (f'<rect x="{x + 0.5}" y="{y + 0.5}" width="24" height="7" rx="1" fill="#3a1614" '
            f'stroke="#7a2a24" stroke-width="1"/>')


# Stereo: L on top, R at the bottom, the scale between them, the over fields on the right.
def bar_meter():
    scale_x = 14
    return svg(380, 46,
        track(scale_x, 0) + '\n  ' + track(scale_x, 38) + '\n  ' +
        text("L", 6.5, 4, 8, LIGHT) + '\n  ' + text("R", 6.5, 42, 8, LIGHT) + '\n  ' +
        ticks(scale_x, 10, 4) + '\n  ' + ticks(scale_x, 36, 4, towards_down=False) + '\n  ' +
        numbers(scale_x, 23) + '\n  ' +
        text("dB", 6.5, 23, 6.5, SCALE) + '\n  ' +
        over_field(355, 0) + '\n  ' + over_field(355, 38) + '\n  ' +
        text("OVER", 367.5, 23, 6.5, REC_RED))


# Mono: one track on top, the scale under it, the over field at its right.
def bar_meter_mono():
    scale_x = 7
    return svg(380, 46,
        track(scale_x, 0) + '\n  ' +
        ticks(scale_x, 10, 4) + '\n  ' +
        numbers(scale_x, 22) + '\n  ' +
        over_field(348, 0) + '\n  ' +
        text("OVER", 360.5, 14, 6.5, REC_RED) + '\n  ' +
        text("dB", 360.5, 24, 6.5, SCALE))


# ---- Recording-format labels: a dark plate ----

def label_plate():
    return svg(120, 48,
        gradient("face", "#3b3f46", DARK) +
        f'<rect x="1" y="1" width="118" height="46" rx="10" fill="url(#face)" stroke="{EDGE}" stroke-width="1.5"/>')


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {"BarMeter_380x46": bar_meter(), "BarMeter_mono_380x46": bar_meter_mono(),
              "button-D_OFF_120x48": label_plate()}
    images.update(upper_row())
    images.update(lower_row())
    for name, source in images.items():
        with open(f"{OUT}/{name}.svg", "w") as out:
            out.write(source)


if __name__ == "__main__":
    main()
