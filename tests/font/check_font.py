#!/usr/bin/python3
"""Checks Zefnaro Coptic with HarfBuzz and fontTools: each numeral letter's
strokes start at the letter's origin, as wide as the letter, above its ink, a
millions letter's top stroke above its double stroke; and the font build gives
the same bytes twice.

usage: check_font.py FONT.ttf MAKE_FONT.py SOURCE.ttf
"""
import json
import subprocess
import sys
import tempfile
import filecmp
import os

from fontTools.ttLib import TTFont

font_path, maker, source = sys.argv[1:4]
font = TTFont(font_path)
glyf = font["glyf"]
cmap = font.getBestCmap()
failures = []

LETTERS = "ⲁⲃⲅⲇⲉⲋⲍⲏⲑⲓⲕⲗⲙⲛⲝⲟⲡϥⲣⲥⲧⲩⲫⲭⲯⲱϣ"
MARKS = ["\u0305", "\u033F", "\u033F\u0305"]


def shape(text):
    out = subprocess.run(["hb-shape", "--output-format=json", font_path, text],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


for letter in LETTERS:
    for rank, marks in enumerate(MARKS):
        glyphs = shape(letter + marks)
        base, strokes = glyphs[0], glyphs[1::2]
        what = f"{letter + marks}: {glyphs}"
        # Each stroke is followed by the empty glyph its mark maps to, which
        # carries the mark's text into PDFs.
        texts = [g["g"] for g in glyphs[2::2]]
        if len(strokes) != len(marks) or texts != [cmap[ord(m)] for m in marks]:
            failures.append(what)
            continue
        ink_top = glyf[base["g"]].yMax
        previous = None
        for stroke in strokes:
            g = glyf[stroke["g"]]
            drawn_from = stroke["dx"] + g.xMin
            drawn_to = stroke["dx"] + g.xMax
            bottom = stroke["dy"] + g.yMin
            # Over the whole letter, with no horizontal offset (an offset would
            # tear the mark from its letter in extracted PDF text).
            ok = (stroke["ax"] == 0 and stroke["dx"] == 0 and drawn_from == -base["ax"]
                  and drawn_to == 0 and bottom > ink_top)
            if previous is not None:
                ok = ok and bottom > previous  # stacked, not drawn onto the last
            if not ok:
                failures.append(what)
            previous = stroke["dy"] + g.yMax

with tempfile.TemporaryDirectory() as work:
    a, b = os.path.join(work, "a.ttf"), os.path.join(work, "b.ttf")
    for out in (a, b):
        subprocess.run([sys.executable, maker, source, out], check=True)
    if not filecmp.cmp(a, b, shallow=False):
        failures.append("two builds of the font differ")
    if not filecmp.cmp(a, font_path, shallow=False):
        failures.append("the built font differs from a fresh build")

for f in failures[:20]:
    print("FAIL:", f)
print(f"{len(LETTERS) * len(MARKS) + 2 - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
