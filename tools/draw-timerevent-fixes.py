#!/usr/bin/env python3
"""Redraws two TIMER EVENT images after tools/draw-timerevent-images.py:

- icon_62x28_Play_Black.svg: the type editor writes "START TIME" / "END TIME"
  35 units right of where this icon starts, so the triangle keeps to the
  icon's left end;
- icon_48x14_RepeatCount.svg: the word fits inside the 48-unit width.
"""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "Resource", "TimerEvent")
EDGE = "#464646"


def write(name, body, width, height):
    with open(os.path.join(OUT, name), "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
                f'viewBox="0 0 {width} {height}">\n{body}</svg>\n')


def main():
    write("icon_62x28_Play_Black.svg", '  <path d="M5.0 4.0 L23.0 14.0 L5.0 24.0 Z" fill="black"/>\n', 62, 28)
    write("icon_48x14_RepeatCount.svg",
          f'  <path d="M2 7 A4 4 0 0 1 10 5.5" fill="none" stroke="{EDGE}" stroke-width="1.8"/>\n'
          f'  <path d="M10 1.5 V6 H5.5" fill="none" stroke="{EDGE}" stroke-width="1.8"/>\n'
          f'  <text x="14" y="11.5" font-family="DejaVu Sans" font-weight="bold" font-size="8.5" '
          f'fill="{EDGE}">TIMES</text>\n', 48, 14)


if __name__ == "__main__":
    main()
