#!/usr/bin/env python3
"""Draws the seven tree bitmaps of the configuration window into res/bitmaps/.

Each picture is a 17 x 17 character grid; every character is a colour of PALETTE. The two
"forbidden" pictures are their plain picture with the prohibition sign laid over the lower
left corner ('_' in an overlay lets the picture below show through). The files are 24-bit
BI_RGB bitmaps, bottom-up, on a white background since the image list has no mask.

The build does not run this script; its output is kept with the sources. Run it after
changing a picture:  python3 res/tools/make_bitmaps.py [output-dir]
"""

import os
import struct
import sys

SIZE = 17

PALETTE = {
    ".": (255, 255, 255),  # background
    "W": (255, 255, 255),  # white inside a shape (paper)
    "K": (40, 40, 40),  # outline
    "H": (105, 105, 110),  # dark grey
    "G": (160, 162, 168),  # grey
    "g": (212, 214, 218),  # light grey
    "B": (30, 75, 180),  # screen blue
    "b": (80, 135, 225),  # screen blue, lit
    "c": (170, 205, 250),  # screen reflection
    "E": (40, 190, 70),  # power light
    "Y": (245, 195, 40),  # yellow
    "y": (255, 230, 125),  # light yellow
    "O": (175, 120, 15),  # ochre edge
    "R": (220, 20, 20),  # red
    "r": (150, 0, 0),  # dark red
    "N": (170, 110, 50),  # wood
    "n": (110, 65, 25),  # dark wood
    "T": (240, 205, 155),  # bare pencil wood
    "P": (240, 135, 155),  # eraser
    "S": (195, 200, 210),  # steel
    "L": (135, 150, 185),  # lines of text
}

# The root node: a computer monitor.
MONITOR = [
    ".................",
    ".KKKKKKKKKKKKKKK.",
    ".KgggggggggggggK.",
    ".KgHHHHHHHHHHHgK.",
    ".KgHccbbbbbbbHgK.",
    ".KgHcbbbbbbbBHgK.",
    ".KgHbbbbbbbBBHgK.",
    ".KgHbbbbbbBBBHgK.",
    ".KgHbbbbbBBBBHgK.",
    ".KgHbbbbBBBBBHgK.",
    ".KgHHHHHHHHHHHgK.",
    ".KggggggggggEggK.",
    ".KKKKKKKKKKKKKKK.",
    "......KHGHK......",
    "....KKKGGGKKK....",
    "...KgggggggggK...",
    "...KKKKKKKKKKK...",
]

# "System Information" and its pages: a sheet of paper with a pencil.
SHEET = [
    ".................",
    "..KKKKKKKK.......",
    "..KWWWWWWKK......",
    "..KWWWWWWKgK.....",
    "..KWLLLLWKKK..KK.",
    "..KWWWWWWWWWKKPPK",
    "..KWLLLLLLLWKPPK.",
    "..KWWWWWWWWKSSK..",
    "..KWLLLLLLKYOK...",
    "..KWWWWWWKYOK....",
    "..KWLLLLKYOKK....",
    "..KWWWWKYOKWK....",
    "..KWLLKTTKLWK....",
    "..KWWHTKWWWWK....",
    "..KWHKWWWWWWK....",
    "..KKKKKKKKKKK....",
    ".................",
]

# The "Setting" group: a screwdriver and a hammer.
TOOLS = [
    "KK...............",
    "KHS.......KK.....",
    "..HS.....KGHK....",
    "...HS...KgGGHK...",
    "....HS...KgGGHK..",
    ".....HS...KgGGHK.",
    "......HS.KNKgGGK.",
    ".......HKNnKKHK..",
    ".......KHnK..K...",
    "......KNnKRK.....",
    ".....KNnKrRRK....",
    "....KNnK.KrRRK...",
    "...KNnK...KrRRK..",
    "..KNnK.....KrRRK.",
    ".KNnK.......KrRRK",
    "KNnK.........KrRR",
    "..............KrK",
]

# The "Advanced" group: two gear wheels.
GEARS = [
    ".....KK..........",
    ".KK.KSSK.KK......",
    ".KSKKSSKKSK......",
    "..KSSSSSSK.......",
    ".KKSSKKSSKK......",
    "KSSSK..KSSSK.....",
    "KSSSK..KSSSK.....",
    ".KKSSKKSSKKOO....",
    "..KSSSSSOO.OO.OO.",
    ".KSKKSSKOYOYYOYO.",
    ".KK.KSSK.OYOOYO..",
    ".....KKOOYO..OYOO",
    ".......OOYO..OYOO",
    ".........OYOOYO..",
    "........OYOYYOYO.",
    "........OO.OO.OO.",
    "...........OO....",
]

# A page the operator may open: a yellow folder.
FOLDER = [
    ".................",
    ".................",
    "..OOOOO..........",
    ".OyyyyyO.........",
    ".OYYYYYYOOOOOOOO.",
    ".OYYYYYYYYYYYYYO.",
    ".OYYYYYYYYYYYYYO.",
    ".OOOOOOOOOOOOOOO.",
    ".OyyyyyyyyyyyyyO.",
    ".OYYYYYYYYYYYYYO.",
    ".OYYYYYYYYYYYYYO.",
    ".OYYYYYYYYYYYYYO.",
    ".OYYYYYYYYYYYYYO.",
    ".OYYYYYYYYYYYYYO.",
    ".OOOOOOOOOOOOOOO.",
    ".................",
    ".................",
]

# The prohibition sign, laid over the lower left corner of a picture.
PROHIBITION = [
    "__RRRRR__",
    "_RRWWWRR_",
    "RRRRWWWRR",
    "RWRRRWWWR",
    "RWWRRRWWR",
    "RWWWRRRWR",
    "RRWWWRRRR",
    "_RRWWWRR_",
    "__RRRRR__",
]


def overlay(picture, sign, top, left):
    rows = [list(row) for row in picture]
    for dy, line in enumerate(sign):
        for dx, ch in enumerate(line):
            if ch != "_":
                rows[top + dy][left + dx] = ch
    return ["".join(row) for row in rows]


BITMAPS = {
    "tools.bmp": TOOLS,
    "gears.bmp": GEARS,
    "monitor.bmp": MONITOR,
    "folder.bmp": FOLDER,
    "sheet.bmp": SHEET,
    "folder_forbidden.bmp": overlay(FOLDER, PROHIBITION, SIZE - len(PROHIBITION), 0),
    "sheet_forbidden.bmp": overlay(SHEET, PROHIBITION, SIZE - len(PROHIBITION), 0),
}


def encode_bmp(grid):
    """A 24-bit BI_RGB bitmap file of the grid, rows bottom-up, each padded to 4 bytes."""
    if len(grid) != SIZE or any(len(row) != SIZE for row in grid):
        raise ValueError("a picture must be %d x %d characters" % (SIZE, SIZE))
    stride = (SIZE * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(grid):
        line = bytearray()
        for ch in row:
            r, g, b = PALETTE[ch]
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + bytes(pixels)


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "bitmaps")
    os.makedirs(out_dir, exist_ok=True)
    for name, grid in BITMAPS.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(encode_bmp(grid))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
