#!/usr/bin/env python3
"""Writes the program icon: a pair of beamed quavers on a blue badge, at every size Windows asks for.

Image 30001 is the 32 x 32 one in 256 colours with a 1-bit mask: the window's picture control shows it and older
readers expect it. The other sizes are drawn from the same shapes, scaled, in 32-bit colour whose alpha softens the
edges; the 256 x 256 one is a PNG, which Windows reads from Vista on. The files are the raw resources, because the
images must carry the ids from 30001 in icon group 1 and windres numbers the images of an ICON statement from 1:
  program_icon_image.bin  image 30001, 32 x 32 (header, palette, colour pixels, 1-bit mask)
  program_icon_16.bin     images 30002 to 30007, 16, 20, 24, 40, 48 and 64 pixels (header, BGRA pixels, 1-bit mask)
  ... program_icon_64.bin
  program_icon_256.bin    image 30008, 256 x 256 (PNG)
  program_icon_group.bin  the RT_GROUP_ICON directory naming all eight
Run it from anywhere; it writes beside itself. The output depends on nothing but this file.
"""
import math
import os
import struct
import zlib

DESIGN = 32  # the shapes are laid out in the pixels of the 256-colour image
SAMPLES = 4  # per axis, for the edges of the notes in the 256-colour image
SHADES = 32  # one background shade per row
LEVELS = 8   # how much of a pixel the notes cover
FULL_INK = LEVELS - 1  # the level of a pixel the notes cover wholly: INK whatever the shade
# Every fully inked pixel takes the first shade's entry, which frees the last shade's for the transparent pixels. Those
# must be black: Windows draws through the mask and then XORs the colour, which any other colour would tint.
TRANSPARENT = SHADES * LEVELS - 1
PALETTE_ID = 30001
TRUE_COLOUR_SIZES = (16, 20, 24, 40, 48, 64, 256)  # with the ids after 30001, in this order
PNG_SIZE = 256

TOP = (52, 104, 212)
BOTTOM = (18, 38, 120)
INK = (255, 248, 225)
STEMS = ((13.4, 15.0), (25.8, 27.4))


def in_ellipse(x, y, cx, cy, rx, ry, angle):
    c, s = math.cos(angle), math.sin(angle)
    dx, dy = x - cx, y - cy
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0


def beam_top(x):
    return 8.0 + (x - 13.6) * (5.0 - 8.0) / (27.2 - 13.6)


def in_notes(x, y, stems=STEMS):
    """stems: the left and right edge of each stem; the beam spans both."""
    (left_lo, left_hi), (right_lo, right_hi) = stems
    tilt = math.radians(-22)
    return (in_ellipse(x, y, 10.6, 23.2, 4.3, 3.0, tilt)
            or in_ellipse(x, y, 23.0, 20.2, 4.3, 3.0, tilt)
            or (left_lo <= x <= left_hi and 8.0 <= y <= 23.0)
            or (right_lo <= x <= right_hi and 5.0 <= y <= 20.0)
            or (left_lo <= x <= right_hi and beam_top(x) <= y <= beam_top(x) + 3.6))


def in_badge(x, y, inset=0.0):
    """The rounded square from 1 to 31, shrunk by inset."""
    lo, hi, radius = 1.0 + inset, DESIGN - 1.0 - inset, 7.5 - inset
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def whole_pixels(length, scale):
    """length at scale rounded to whole pixels, at least one: an edge between two pixels stays sharp."""
    return max(1, round(length * scale))


def covered(inside, px, py, scale, samples):
    """The share of pixel (px, py) of an image with scale pixels to the design's one that lies inside."""
    hits = sum(inside((px + (i + 0.5) / samples) / scale, (py + (j + 0.5) / samples) / scale)
               for i in range(samples) for j in range(samples))
    return hits / (samples * samples)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def palette():
    colours = []
    for shade in range(SHADES):
        background = mix(TOP, BOTTOM, shade / (SHADES - 1))
        for level in range(LEVELS):
            colours.append(mix(background, INK, level / FULL_INK))
    colours[TRANSPARENT] = (0, 0, 0)
    return colours


def palette_pixels():
    rows = []
    for py in range(DESIGN):
        row = []
        for px in range(DESIGN):
            # Without alpha a pixel is in or out: in when its centre lies half a pixel inside the badge's edge.
            if not in_badge(px + 0.5, py + 0.5, inset=0.5):
                row.append(None)
                continue
            level = round(covered(in_notes, px, py, 1.0, SAMPLES) * FULL_INK)
            row.append(FULL_INK if level == FULL_INK else py * SHADES // DESIGN * LEVELS + level)
        rows.append(row)
    return rows


def true_colour_pixels(size):
    """Rows of (r, g, b, a), top down."""
    scale = size / DESIGN
    # The badge's sides and the stems fall on whole pixels, or the small sizes would blur them across two.
    inset = whole_pixels(1.0, scale) / scale - 1.0
    stems = tuple((round(lo * scale) / scale, (round(lo * scale) + whole_pixels(hi - lo, scale)) / scale)
                  for lo, hi in STEMS)
    # A quarter-pixel step is finer than the eye at 256 pixels, and an eighth there would take four times as long.
    samples = 8 if size < PNG_SIZE else 4
    rows = []
    for py in range(size):
        background = mix(TOP, BOTTOM, py / (size - 1))
        row = []
        for px in range(size):
            alpha = covered(lambda x, y: in_badge(x, y, inset), px, py, scale, samples)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            ink = covered(lambda x, y: in_notes(x, y, stems), px, py, scale, samples)
            row.append(mix(background, INK, ink) + (round(alpha * 255),))
        rows.append(row)
    return rows


def bitmap_header(size, bit_count, colour_bytes, mask_bytes):
    # The height counts the colour pixels and the mask, one above the other.
    return struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, bit_count, 0, colour_bytes + mask_bytes, 0, 0, 0, 0)


def mask(rows, transparent):
    """The 1-bit mask, bottom up, each row padded to 32 bits."""
    stride = (len(rows[0]) + 31) // 32 * 4
    data = b''
    for row in reversed(rows):
        bits = 0
        for pixel in row:
            bits = bits << 1 | (1 if transparent(pixel) else 0)
        data += (bits << (stride * 8 - len(row))).to_bytes(stride, 'big')
    return data


def palette_image(rows):
    bits = mask(rows, lambda index: index is None)
    data = bitmap_header(DESIGN, 8, DESIGN * DESIGN, len(bits))
    data += b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette())
    for row in reversed(rows):  # bottom-up
        data += bytes(TRANSPARENT if index is None else index for index in row)
    return data + bits


def true_colour_image(rows):
    size = len(rows)
    # The mask clears just the pixels alpha clears, which are black: drawn through the mask they keep the background
    # instead of inverting it.
    bits = mask(rows, lambda pixel: pixel[3] == 0)
    data = bitmap_header(size, 32, size * size * 4, len(bits))
    for row in reversed(rows):  # bottom-up
        data += b''.join(struct.pack('BBBB', b, g, r, a) for r, g, b, a in row)
    return data + bits


def png_chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def png_image(rows):
    size = len(rows)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8 bits a channel, RGBA
    raw = b''.join(b'\0' + b''.join(bytes(pixel) for pixel in row) for row in rows)  # each row unfiltered
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header) + png_chunk(b'IDAT', zlib.compress(raw, 9))
            + png_chunk(b'IEND', b''))


def group(entries):
    """entries: (size, bit count, bytes, id); a size of 256 is written as 0."""
    return struct.pack('<HHH', 0, 1, len(entries)) + b''.join(
        struct.pack('<BBBBHHIH', size % 256, size % 256, 0, 0, 1, bit_count, length, image_id)
        for size, bit_count, length, image_id in entries)


def main():
    here = os.path.dirname(os.path.abspath(__file__))

    def write(name, data):
        with open(os.path.join(here, name), 'wb') as f:
            f.write(data)

    data = palette_image(palette_pixels())
    write('program_icon_image.bin', data)
    # 30001 first: a reader that takes the first entry gets the image it always got.
    entries = [(DESIGN, 8, len(data), PALETTE_ID)]
    for image_id, size in enumerate(TRUE_COLOUR_SIZES, PALETTE_ID + 1):
        rows = true_colour_pixels(size)
        data = png_image(rows) if size == PNG_SIZE else true_colour_image(rows)
        write('program_icon_%d.bin' % size, data)
        entries.append((size, 32, len(data), image_id))
    write('program_icon_group.bin', group(entries))


if __name__ == '__main__':
    main()
