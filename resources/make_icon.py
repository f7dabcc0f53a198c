#!/usr/bin/env python3
"""Writes the program icon: a pair of beamed quavers on a blue badge, 32 x 32 pixels, 256 colours.

The two files are the raw resources, because the image must carry the id 30001 in icon group 1 and windres numbers
the images of an ICON statement from 1:
  program_icon_image.bin  the RT_ICON image (header, palette, colour pixels, 1-bit mask)
  program_icon_group.bin  the RT_GROUP_ICON directory naming image 30001
Run it from anywhere; it writes beside itself. The output depends on nothing but this file.
"""
import math
import os
import struct

SIZE = 32
SAMPLES = 4  # per axis, for the edges of the notes
SHADES = 32  # one background shade per row
LEVELS = 8   # how much of a pixel the notes cover
IMAGE_ID = 30001

TOP = (52, 104, 212)
BOTTOM = (18, 38, 120)
INK = (255, 248, 225)


def in_ellipse(x, y, cx, cy, rx, ry, angle):
    c, s = math.cos(angle), math.sin(angle)
    dx, dy = x - cx, y - cy
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0


def beam_top(x):
    return 8.0 + (x - 13.6) * (5.0 - 8.0) / (27.2 - 13.6)


def in_notes(x, y):
    tilt = math.radians(-22)
    return (in_ellipse(x, y, 10.6, 23.2, 4.3, 3.0, tilt)
            or in_ellipse(x, y, 23.0, 20.2, 4.3, 3.0, tilt)
            or (13.4 <= x <= 15.0 and 8.0 <= y <= 23.0)
            or (25.8 <= x <= 27.4 and 5.0 <= y <= 20.0)
            or (13.4 <= x <= 27.4 and beam_top(x) <= y <= beam_top(x) + 3.6))


def in_badge(px, py):
    radius = 7
    lo, hi = 1, SIZE - 2
    if not (lo <= px <= hi and lo <= py <= hi):
        return False
    cx = min(max(px, lo + radius), hi - radius)
    cy = min(max(py, lo + radius), hi - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def palette():
    colours = []
    for shade in range(SHADES):
        background = mix(TOP, BOTTOM, shade / (SHADES - 1))
        for level in range(LEVELS):
            colours.append(mix(background, INK, level / (LEVELS - 1)))
    return colours


def pixels():
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            if not in_badge(px, py):
                row.append(None)
                continue
            covered = sum(in_notes(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
                          for i in range(SAMPLES) for j in range(SAMPLES))
            level = round(covered * (LEVELS - 1) / (SAMPLES * SAMPLES))
            row.append(py * SHADES // SIZE * LEVELS + level)
        rows.append(row)
    return rows


def image(rows):
    colour_bytes = SIZE * SIZE
    mask_bytes = SIZE * SIZE // 8
    data = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 8, 0, colour_bytes + mask_bytes, 0, 0, 0, 0)
    data += b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette())
    for row in reversed(rows):  # bottom-up
        data += bytes(0 if index is None else index for index in row)
    for row in reversed(rows):
        bits = 0
        for index in row:
            bits = bits << 1 | (1 if index is None else 0)
        data += struct.pack('>I', bits)
    return data


def group(image_bytes):
    return struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHIH', SIZE, SIZE, 0, 0, 1, 8, image_bytes, IMAGE_ID)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = image(pixels())
    with open(os.path.join(here, 'program_icon_image.bin'), 'wb') as f:
        f.write(data)
    with open(os.path.join(here, 'program_icon_group.bin'), 'wb') as f:
        f.write(group(len(data)))


if __name__ == '__main__':
    main()
