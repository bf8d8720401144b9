#!/usr/bin/env python3
"""Adds the glyphs of one script from another font to a font that lacks them.

    add-script-glyphs.py BASE.ttf EXTRA.ttf FIRST LAST OUT.ttf

Every character from FIRST to LAST (hexadecimal code points) that EXTRA has and BASE lacks is
copied into BASE, its outline decomposed and scaled to BASE's em; everything BASE had stays as
it was, its hinting and embedded bitmaps included. The Wine prefix uses it to give the dialog
font the Thai letters that Windows' own dialog font has.
"""
import sys

from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

# Bits of the OS/2 table that say a font covers Thai: code page 874, Unicode range 24.
THAI_CODE_PAGE_BIT = 16
THAI_UNICODE_RANGE_BIT = 24


def main(base_path, extra_path, first, last, out_path):
    base = TTFont(base_path)
    extra = TTFont(extra_path)
    scale = base["head"].unitsPerEm / extra["head"].unitsPerEm
    base_cmap = base.getBestCmap()
    extra_cmap = extra.getBestCmap()
    extra_glyphs = extra.getGlyphSet()
    order = list(base.getGlyphOrder())
    added = 0
    for code in range(int(first, 16), int(last, 16) + 1):
        if code in base_cmap or code not in extra_cmap:
            continue
        source = extra_cmap[code]
        name = "uni%04X" % code
        outline = DecomposingRecordingPen(extra_glyphs)
        extra_glyphs[source].draw(outline)
        pen = TTGlyphPen(None)
        outline.replay(TransformPen(pen, (scale, 0, 0, scale, 0, 0)))
        base["glyf"][name] = pen.glyph()
        width, lsb = extra["hmtx"][source]
        base["hmtx"][name] = (round(width * scale), round(lsb * scale))
        for table in base["cmap"].tables:
            if table.isUnicode():
                table.cmap[code] = name
        order.append(name)
        added += 1
    base.setGlyphOrder(order)
    base["glyf"].glyphOrder = order
    os2 = base["OS/2"]
    if added and first.upper() <= "0E00" <= last.upper():
        os2.ulCodePageRange1 |= 1 << THAI_CODE_PAGE_BIT
        os2.ulUnicodeRange1 |= 1 << THAI_UNICODE_RANGE_BIT
    base.save(out_path)
    print(f"{added} glyphs added to {out_path}")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__.strip().splitlines()[2].strip())
    main(*sys.argv[1:])
