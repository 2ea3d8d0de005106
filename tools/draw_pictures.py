#!/usr/bin/env python3
"""Draws the two installed pictures of the program folder as 24-bit Windows bitmaps.

    _KSF/IRender/currentfile.bmp   placeholder photo: a neutral head-and-shoulders silhouette
    _KSF/IRender/OurPassLogo.bmp   the pass logo: a round mark and the word "Kestrane"

Run once from anywhere; the output is deterministic, so re-running leaves the files unchanged.
Usage: draw_pictures.py [output folder]   (default: resources/_KSF/IRender beside this script's repo)
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4  # samples per pixel edge, for smooth outlines


def write_bmp(path, width, height, pixel):
    """Writes an uncompressed 24-bit BMP with a BITMAPINFOHEADER; pixel(x, y) gives (r, g, b), y down."""
    row_size = (width * 3 + 3) & ~3
    image_size = row_size * height
    offset = 14 + 40
    out = bytearray()
    out += struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    padding = bytes(row_size - width * 3)
    for y in range(height - 1, -1, -1):  # rows are stored bottom-up
        for x in range(width):
            r, g, b = pixel(x, y)
            out += bytes((b, g, r))
        out += padding
    with open(path, "wb") as f:
        f.write(out)


def coverage(inside, x, y):
    """Fraction of pixel (x, y) covered by the shape inside(px, py), by supersampling."""
    hits = 0
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            if inside(x + (sx + 0.5) / SUPERSAMPLE, y + (sy + 0.5) / SUPERSAMPLE):
                hits += 1
    return hits / (SUPERSAMPLE * SUPERSAMPLE)


def blend(back, front, amount):
    return tuple(round(b + (f - b) * amount) for b, f in zip(back, front))


def in_ellipse(px, py, cx, cy, rx, ry):
    return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0


def near_segment(px, py, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy)) <= half_width


# --- placeholder photo -------------------------------------------------------------------------

PHOTO_W, PHOTO_H = 240, 300
PHOTO_BACK_TOP = (238, 240, 243)
PHOTO_BACK_BOTTOM = (222, 225, 230)
PHOTO_FIGURE = (150, 155, 163)
PHOTO_FRAME = (200, 204, 210)


def in_person(px, py):
    head = in_ellipse(px, py, 120, 110, 46, 56)
    neck = 150 <= py <= 220 and abs(px - 120) <= 19 + (py - 150) * 0.12
    shoulders = in_ellipse(px, py, 120, 304, 118, 100)
    return head or neck or shoulders


def photo_pixel(x, y):
    if x == 0 or y == 0 or x == PHOTO_W - 1 or y == PHOTO_H - 1:
        return PHOTO_FRAME
    back = blend(PHOTO_BACK_TOP, PHOTO_BACK_BOTTOM, y / (PHOTO_H - 1))
    return blend(back, PHOTO_FIGURE, coverage(in_person, x, y))


# --- pass logo ---------------------------------------------------------------------------------

LOGO_W, LOGO_H = 300, 100
LOGO_BACK = (255, 255, 255)
LOGO_BLUE = (22, 58, 112)
LOGO_ACCENT = (196, 104, 38)

# 5 x 7 letter shapes; lower-case letters sit on the same base line as the capital.
GLYPHS = {
    "K": ["1...1", "1..1.", "1.1..", "11...", "1.1..", "1..1.", "1...1"],
    "e": [".....", ".....", ".111.", "1...1", "11111", "1....", ".111."],
    "s": [".....", ".....", ".1111", "1....", ".111.", "....1", "1111."],
    "t": [".1...", ".1...", "1111.", ".1...", ".1...", ".1..1", "..11."],
    "r": [".....", ".....", "1.11.", "11..1", "1....", "1....", "1...."],
    "a": [".....", ".....", ".111.", "....1", ".1111", "1...1", ".1111"],
    "n": [".....", ".....", "1.11.", "11..1", "1...1", "1...1", "1...1"],
}
WORD = "Kestrane"
SCALE = 4
TEXT_LEFT, TEXT_TOP = 100, 30
TEXT_RIGHT = TEXT_LEFT + (len(WORD) * 6 - 1) * SCALE

MARK_CX, MARK_CY, MARK_R = 50, 50, 40


def glyph_bit(gx, gy):
    letter, column = divmod(gx, 6)
    if gx < 0 or letter >= len(WORD) or column == 5:
        return False
    return GLYPHS[WORD[letter]][gy][column] == "1"


def in_text(x, y):
    # Each dot also spills half a dot to the right, which makes the letters bold.
    if x < TEXT_LEFT or y < TEXT_TOP or (y - TEXT_TOP) // SCALE >= 7:
        return False
    gx, gy = (x - TEXT_LEFT) // SCALE, (y - TEXT_TOP) // SCALE
    spill = (x - TEXT_LEFT) % SCALE < SCALE // 2
    return glyph_bit(gx, gy) or (spill and glyph_bit(gx - 1, gy))


def in_mark_letter(px, py):
    # A bold "K" inside the disc: one upright and two arms meeting left of centre.
    w = 5.5
    return (near_segment(px, py, 36, 28, 36, 72, w)
            or near_segment(px, py, 38, 52, 64, 27, w)
            or near_segment(px, py, 45, 46, 65, 73, w))


def logo_pixel(x, y):
    disc = coverage(lambda px, py: in_ellipse(px, py, MARK_CX, MARK_CY, MARK_R, MARK_R), x, y)
    colour = blend(LOGO_BACK, LOGO_BLUE, disc)
    if disc > 0:
        colour = blend(colour, LOGO_BACK, coverage(in_mark_letter, x, y) * disc)
    if in_text(x, y):
        colour = LOGO_BLUE
    if TEXT_LEFT <= x < TEXT_RIGHT and 66 <= y < 70:
        colour = LOGO_ACCENT
    return colour


def main():
    if len(sys.argv) > 1:
        folder = sys.argv[1]
    else:
        repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        folder = os.path.join(repo, "resources", "_KSF", "IRender")
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "currentfile.bmp"), PHOTO_W, PHOTO_H, photo_pixel)
    write_bmp(os.path.join(folder, "OurPassLogo.bmp"), LOGO_W, LOGO_H, logo_pixel)


if __name__ == "__main__":
    main()
