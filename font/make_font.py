#!/usr/bin/python3
"""Makes Zefnaro Coptic from Noto Sans Coptic: the same letters, with overlines
that read as Coptic numerals.

Noto draws U+0305 and U+033F as free-standing marks, picked by width but
left-aligned, and a U+0305 after a U+033F lands on the double stroke, so
millions look like thousands. Here every Coptic letter gets its own strokes,
as wide as the letter, so the strokes of one rank join into one line; a stroke
followed by a letter of another rank stops short of it, so ranks stay apart;
and a U+0305 after a U+033F rides above the double stroke (mark to mark), three
strokes in all.

usage: make_font.py SOURCE.ttf OUTPUT.ttf
The same source gives the same bytes.
"""

import io
import sys
import unicodedata

from fontTools.feaLib.builder import addOpenTypeFeaturesFromString
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

FAMILY = "Zefnaro Coptic"
POSTSCRIPT = "ZefnaroCoptic-Regular"

# Font units (1,000 to the em). A stroke must be at least a pixel thick at
# 16 px (62 units) and two strokes need a gap of about 80 units to stay apart.
THICK = 70
PITCH = THICK + 90  # from one stroke to the next of a stack
LINE = 660  # height of the lowest stroke over letters of the x-height
X_HEIGHT_TOP = 580  # letters no taller than this share that line
CLEAR = 90  # gap between a taller letter and its stroke
RANK_GAP = 120  # where one rank's strokes end before the next rank

COPTIC = list(range(0x2C80, 0x2CE5)) + list(range(0x03E2, 0x03F0))


def coptic_letters(font):
    cmap = font.getBestCmap()
    glyf = font["glyf"]
    names = sorted({cmap[c] for c in COPTIC if c in cmap}, key=font.getGlyphID)
    return [n for n in names if glyf[n].numberOfContours > 0]


def small_letters(font):
    return {name for code, name in font.getBestCmap().items()
            if code in COPTIC and "SMALL" in unicodedata.name(chr(code), "")}


def stroke_height(glyph):
    if glyph.yMax <= X_HEIGHT_TOP:
        return LINE
    return glyph.yMax + CLEAR


def rectangles(boxes):
    pen = TTGlyphPen(None)
    for x0, y0, x1, y1 in boxes:
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
    return pen.glyph()


def stroke_glyphs(width):
    """The stroke glyphs for letters of one advance width, by name. Each is drawn
    back over the letter from the pen position after it, so a mark needs no
    offset: PDF text extractors then keep it with its letter, in order."""
    single = [(-width, 0, 0, THICK)]
    double = single + [(-width, PITCH, 0, PITCH + THICK)]
    single_end = [(-width, 0, -RANK_GAP, THICK)]
    double_end = single_end + [(-width, PITCH, -RANK_GAP, PITCH + THICK)]
    return {
        f"zfn.one.{width}": single,
        f"zfn.one.end.{width}": single_end,
        f"zfn.two.{width}": double,
        f"zfn.two.end.{width}": double_end,
        f"zfn.top.{width}": single,
        f"zfn.top.end.{width}": single_end,
    }


# The glyphs U+0305 and U+033F map to: empty, each with its visible stroke put in
# front of it by substitution. A PDF writer that finds text by the character map
# (Qt's does) then gives every stroke back as its mark, after its own letter,
# whichever stroke glyph was drawn.
TEXT_MARKS = {0x0305: ("zfn.text0305", "uni0305"), 0x033F: ("zfn.text033F", "uni033F")}


def add_text_marks(font):
    add_glyphs(font, {text: [] for text, _ in TEXT_MARKS.values()})
    for table in font["cmap"].tables:
        if table.isUnicode():
            for code, (text, _) in TEXT_MARKS.items():
                table.cmap[code] = text


def add_glyphs(font, glyphs):
    order = font.getGlyphOrder() + list(glyphs)
    font.setGlyphOrder(order)
    glyf, hmtx = font["glyf"], font["hmtx"]
    for name, boxes in glyphs.items():
        glyf[name] = rectangles(boxes)
        hmtx[name] = (0, min((box[0] for box in boxes), default=0))
    gdef = font["GDEF"].table.GlyphClassDef.classDefs
    for name in glyphs:
        gdef[name] = 3  # mark


def features(letters, widths, heights):
    """The feature file for the strokes: which glyph stands for a mark, where
    ranks end, and where the strokes sit."""
    def group(names):
        return "[" + " ".join(names) + "]"

    by_width = {}
    for name in letters:
        by_width.setdefault(widths[name], []).append(name)
    ws = sorted(by_width)
    one = group(f"zfn.one.{w}" for w in ws)
    two = group(f"zfn.two.{w}" for w in ws)
    top = group(f"zfn.top.{w}" for w in ws)
    base = group(letters)

    out = ["languagesystem DFLT dflt;", "languagesystem copt dflt;"]
    texts = " ".join(f"sub {text} by {shown} {text};" for text, shown in TEXT_MARKS.values())
    out.append(f"lookup zfn_text {{ {texts} }} zfn_text;")
    # The rules see only letters and strokes: the empty text marks are skipped.
    strokes = " ".join(["uni0305", "uni033F"] + [f"zfn.{k}.{w}" for w in ws for k in (
        "one", "one.end", "two", "two.end", "top", "top.end")])
    out.append(f"@ZFN_STROKES = [{strokes}];")
    only_strokes = "lookupflag UseMarkFilteringSet @ZFN_STROKES;"
    for w in ws:
        out.append(f"lookup zfn_marks_{w} {{ sub uni0305 by zfn.one.{w}; "
                   f"sub uni033F by zfn.two.{w}; }} zfn_marks_{w};")
        out.append(f"lookup zfn_top_{w} {{ sub uni0305 by zfn.top.{w}; }} zfn_top_{w};")
    ends = " ".join(f"sub zfn.{k}.{w} by zfn.{k}.end.{w};" for w in ws for k in ("one", "two", "top"))
    out.append(f"lookup zfn_end {{ {ends} }} zfn_end;")

    out.append("feature ccmp {")
    out.append("  lookup zfn_text;")
    out.append(f"  lookup zfn_widths {{ {only_strokes}")
    for w in ws:
        letters_w = group(by_width[w])
        out.append(f"    sub {letters_w} uni0305' lookup zfn_marks_{w};")
        out.append(f"    sub {letters_w} uni033F' lookup zfn_marks_{w};")
        out.append(f"    sub zfn.two.{w} uni0305' lookup zfn_top_{w};")
    out.append("  } zfn_widths;")
    # A rank is a letter with one stroke (units), two (thousands) or two and a
    # top stroke (millions); a stroke runs on into a letter of its own rank.
    out.append(f"""  lookup zfn_rank_ends {{ {only_strokes}
    ignore sub {one}' {base} {one};
    sub {one}' lookup zfn_end {base};
    ignore sub {two}' {top} {base} {two} {top};
    sub {two}' lookup zfn_end {top} {base};
    sub {two}' lookup zfn_end {base} {two} {top};
    ignore sub {two}' {base} {two};
    sub {two}' lookup zfn_end {base};
    ignore sub {top}' {base} {two} {top};
    sub {top}' lookup zfn_end {base};
  }} zfn_rank_ends;""")
    out.append("} ccmp;")

    low = group(f"zfn.{k}.{w}" for w in ws for k in ("one", "one.end", "two", "two.end"))
    high = group(f"zfn.{k}.{w}" for w in ws for k in ("top", "top.end"))
    doubles = group(f"zfn.{k}.{w}" for w in ws for k in ("two", "two.end"))
    out.append(f"markClass {low} <anchor 0 0> @ZFN_LOW;")
    out.append(f"markClass {high} <anchor 0 0> @ZFN_TOP;")
    out.append("feature mark { lookup zfn_mark {")
    for name in letters:
        out.append(f"  pos base {name} <anchor {widths[name]} {heights[name]}> mark @ZFN_LOW;")
    out.append("} zfn_mark; } mark;")
    out.append(f"feature mkmk {{ lookup zfn_mkmk {{ {only_strokes} pos mark {doubles} "
               f"<anchor 0 {2 * PITCH}> mark @ZFN_TOP; }} zfn_mkmk; }} mkmk;")
    return "\n".join(out) + "\n"


def append_lookups(target, source):
    """Adds source's lookups and their features to target, keeping target's own
    (a compiled feature file would replace the jinkim's and other marks' places)."""
    t, s = target.table, source.table
    offset = len(t.LookupList.Lookup)
    t.LookupList.Lookup.extend(s.LookupList.Lookup)
    t.LookupList.LookupCount = len(t.LookupList.Lookup)
    for record in s.FeatureList.FeatureRecord:
        added = [offset + i for i in record.Feature.LookupListIndex]
        for mine in t.FeatureList.FeatureRecord:
            if mine.FeatureTag == record.FeatureTag and not set(added) <= set(
                    mine.Feature.LookupListIndex):
                mine.Feature.LookupListIndex.extend(added)
                mine.Feature.LookupCount = len(mine.Feature.LookupListIndex)


def rename(font):
    name = font["name"]
    version = name.getDebugName(5).split(";")[0]
    for record in list(name.names):
        if record.nameID in (7, 16, 17, 18, 21, 22):
            name.removeNames(nameID=record.nameID)
    texts = {
        1: FAMILY,
        2: "Regular",
        3: f"{version};ZFNR;{POSTSCRIPT}",
        4: f"{FAMILY} Regular",
        5: f"{version}; Zefnaro Coptic 1",
        6: POSTSCRIPT,
        10: "Noto Sans Coptic with overlines for Coptic numerals: one stroke for units, "
            "two for thousands, three for millions. Made for Zefnaro.",
    }
    for nid, text in texts.items():
        name.removeNames(nameID=nid)
        name.setName(text, nid, 3, 1, 0x409)
        name.setName(text, nid, 1, 0, 0)
    font["OS/2"].achVendID = "ZFNR"


def make(source, output):
    font = TTFont(source, recalcTimestamp=False)
    if "DSIG" in font:
        del font["DSIG"]  # a signature of the original, void once changed
    letters = coptic_letters(font)
    glyf = font["glyf"]
    widths = {n: font["hmtx"][n][0] for n in letters}
    heights = {n: stroke_height(glyf[n]) for n in letters}
    glyphs = {}
    for w in sorted(set(widths.values())):
        glyphs.update(stroke_glyphs(w))
    add_glyphs(font, glyphs)
    add_text_marks(font)

    # Noto's own substitutions only swap the overlines for its width variants;
    # ours replace them. Its positioning (the jinkim and other marks) stays.
    scratch_bytes = io.BytesIO()
    font.save(scratch_bytes)
    scratch = TTFont(io.BytesIO(scratch_bytes.getvalue()))
    del scratch["GSUB"], scratch["GPOS"]
    addOpenTypeFeaturesFromString(scratch, features(letters, widths, heights),
                                  tables=["GSUB", "GPOS", "GDEF"])
    font["GSUB"] = scratch["GSUB"]
    append_lookups(font["GPOS"], scratch["GPOS"])
    gdef = font["GDEF"].table  # Noto's classes, with the set our lookups filter by
    gdef.Version = 0x00010002
    gdef.MarkGlyphSetsDef = scratch["GDEF"].table.MarkGlyphSetsDef

    # Stacks over tall letters rise above Noto's ascent; lines make room for those
    # over the small letters the numerals use (capitals' stacks may touch the line
    # above rather than spread every line of Coptic).
    small = [n for n in letters if n in small_letters(font)]
    top = max(heights[n] for n in small) + 2 * PITCH + THICK + 20
    font["hhea"].ascent = max(font["hhea"].ascent, top)
    os2 = font["OS/2"]
    os2.sTypoAscender = max(os2.sTypoAscender, top)
    os2.usWinAscent = max(os2.usWinAscent, top)
    rename(font)
    font.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    make(sys.argv[1], sys.argv[2])
