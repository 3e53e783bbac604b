#!/usr/bin/env python3
"""Zefnaro Coptic for the web: the built font as WOFF2 (brotli), only the characters
a report shows, its layout (the strokes' lookups) kept, without glyph names.
Usage: web_font.py FONT.ttf OUT.woff2"""
import sys

from fontTools import subset

def main(source, target):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.glyph_names = False
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.drop_tables += ["DSIG"]
    font = subset.load_font(source, options)
    sub = subset.Subsetter(options)
    # Basic Latin, Latin-1, the combining marks, Greek and Coptic's Coptic letters,
    # the Coptic block, the marks U+FE20-2F and the numeral sign.
    ranges = [(0x20, 0x7E), (0xA0, 0xFF), (0x300, 0x36F), (0x370, 0x3FF), (0x2C80, 0x2CFF),
              (0xFE20, 0xFE2F), (0x2010, 0x2027), (0x25CC, 0x25CC)]
    sub.populate(unicodes=[c for a, b in ranges for c in range(a, b + 1)])
    sub.subset(font)
    subset.save_font(font, target, options)

if __name__ == "__main__":
    main(*sys.argv[1:])
