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
import re
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
RANK_GAP = 160  # where one rank's strokes end before the next rank: 2 px at 12 px
# A stroke that runs on into its neighbour's reaches under it, so the two
# antialiased edges never meet at a fractional pixel and leave a pale seam.
OVERLAP = 20

COPTIC = list(range(0x2C80, 0x2CE5)) + list(range(0x03E2, 0x03F0))
# The letters Coptic numerals are written with, small and capital.
NUMERAL_LETTERS = "ⲁⲃⲅⲇⲉⲋⲍⲏⲑⲓⲕⲗⲙⲛⲝⲟⲡϥⲣⲥⲧⲩⲫⲭⲯⲱϣ"
NUMERAL_LETTERS += NUMERAL_LETTERS.upper()

# How a stroke ends: running on into the next letter's stroke of its rank,
# stopping short of a letter of another rank, or flush with its letter.
ENDS = ("join", "end", "flush")
KINDS = ("one", "two", "top")


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


def stroke_levels(font, letters):
    """The heights a numeral's lowest stroke may stand at: over the x-height,
    over the tallest numeral letter, over the tallest Coptic letter at all. A
    whole numeral takes the level of its tallest letter, so its lines run
    straight and every rank's lowest stroke shares one height."""
    glyf, cmap = font["glyf"], font.getBestCmap()
    numeral = {cmap[ord(c)] for c in NUMERAL_LETTERS if ord(c) in cmap}
    needs = [stroke_height(glyf[n]) for n in letters]
    tallest_numeral = max(stroke_height(glyf[n]) for n in numeral)
    levels = sorted({LINE, tallest_numeral, max(needs)})
    return levels, levels.index(tallest_numeral)


def level_widths(levels, numeral_top, widths, levels_of):
    """The letter widths that have strokes at each level: every width up to the
    numerals' highest level (any letter may stand in a numeral with ⲫ); above it
    only the widths of letters that tall, which no numeral holds."""
    return [sorted(set(widths.values())) if lv <= numeral_top else
            sorted({widths[n] for n in widths if levels_of[n] >= lv}) for lv in range(len(levels))]


def level_of(height, levels):
    return next(i for i, h in enumerate(levels) if h >= height)


def rectangles(boxes):
    pen = TTGlyphPen(None)
    for x0, y0, x1, y1 in boxes:
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
    return pen.glyph()


def stroke_name(kind, end, width, level):
    return f"zfn.{kind}.{end}.{width}.{level}"


def raised(name, level):
    return re.sub(r"\.\d+$", f".{level}", name)


def stroke_glyphs(width, levels, level_ws):
    """The stroke glyphs for letters of one advance width, by name. Each is drawn
    back over the letter from the pen position after it, at the height of its
    level, so a mark needs no offset: PDF text extractors then keep it with its
    letter, in order."""
    glyphs = {}
    right = {"join": OVERLAP, "end": -RANK_GAP, "flush": 0}
    for level, low in enumerate(levels):
        if width not in level_ws[level]:
            continue
        for end in ENDS:
            x1 = right[end]
            rows = {"one": [low], "two": [low, low + PITCH], "top": [low + 2 * PITCH]}
            for kind in KINDS:
                glyphs[stroke_name(kind, end, width, level)] = [
                    (-width, y, x1, y + THICK) for y in rows[kind]]
    return glyphs


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


def features(letters, widths, levels_of, levels, level_ws):
    """The feature file for the strokes: which glyph stands for a mark, where
    ranks end, one height for a whole numeral, and where the strokes attach."""
    def group(names):
        return "[" + " ".join(names) + "]"

    n = len(levels)
    by_key = {}
    for name in letters:
        by_key.setdefault((widths[name], levels_of[name]), []).append(name)

    def strokes(kinds=KINDS, ends=ENDS, levels_in=range(n)):
        return [stroke_name(k, e, w, lv) for lv in levels_in for w in level_ws[lv]
                for k in kinds for e in ends]

    base = group(letters)
    out = ["languagesystem DFLT dflt;", "languagesystem copt dflt;"]
    texts = " ".join(f"sub {text} by {shown} {text};" for text, shown in TEXT_MARKS.values())
    out.append(f"lookup zfn_text {{ {texts} }} zfn_text;")
    # The rules see only letters and strokes: the empty text marks are skipped.
    out.append(f"@ZFN_STROKES = [uni0305 uni033F {' '.join(strokes())}];")
    only_strokes = "lookupflag UseMarkFilteringSet @ZFN_STROKES;"
    for (w, lv) in sorted(by_key):
        out.append(f"lookup zfn_marks_{w}_{lv} {{ sub uni0305 by {stroke_name('one', 'join', w, lv)}; "
                   f"sub uni033F by {stroke_name('two', 'join', w, lv)}; }} zfn_marks_{w}_{lv};")
        out.append(f"lookup zfn_top_{w}_{lv} {{ sub uni0305 by {stroke_name('top', 'join', w, lv)}; "
                   f"}} zfn_top_{w}_{lv};")
    for end in ("end", "flush"):
        rules = " ".join(f"sub {stroke_name(k, 'join', w, lv)} by {stroke_name(k, end, w, lv)};"
                         for lv in range(n) for w in level_ws[lv] for k in KINDS)
        out.append(f"lookup zfn_{end} {{ {rules} }} zfn_{end};")
    def below(lv):  # the strokes under level lv that it has a glyph to raise them to
        return [stroke_name(k, e, w, low) for low in range(lv) for w in level_ws[lv]
                for k in KINDS for e in ENDS]

    for lv in range(1, n):
        rules = " ".join(f"sub {name} by {raised(name, lv)};" for name in below(lv))
        out.append(f"lookup zfn_raise_{lv} {{ {rules} }} zfn_raise_{lv};")

    out.append("feature ccmp {")
    out.append("  lookup zfn_text;")
    out.append(f"  lookup zfn_widths {{ {only_strokes}")
    for (w, lv) in sorted(by_key):
        letters_k = group(by_key[(w, lv)])
        out.append(f"    sub {letters_k} uni0305' lookup zfn_marks_{w}_{lv};")
        out.append(f"    sub {letters_k} uni033F' lookup zfn_marks_{w}_{lv};")
        out.append(f"    sub {stroke_name('two', 'join', w, lv)} uni0305' lookup zfn_top_{w}_{lv};")
    out.append("  } zfn_widths;")
    # A rank is a letter with one stroke (units), two (thousands) or two and a
    # top stroke (millions); a stroke runs on into a letter of its own rank,
    # stops short of another rank and ends flush where the numeral ends.
    one, two, top = (group(strokes([k], ["join"])) for k in KINDS)
    out.append(f"""  lookup zfn_rank_ends {{ {only_strokes}
    ignore sub {one}' {base} {one};
    sub {one}' lookup zfn_end {base};
    sub {one}' lookup zfn_flush;
    ignore sub {two}' {top} {base} {two} {top};
    sub {two}' lookup zfn_end {top} {base};
    sub {two}' lookup zfn_end {base} {two} {top};
    ignore sub {two}' {base} {two};
    sub {two}' lookup zfn_end {base};
    sub {two}' lookup zfn_flush;
    ignore sub {top}' {base} {two} {top};
    sub {top}' lookup zfn_end {base};
    sub {top}' lookup zfn_flush;
  }} zfn_rank_ends;""")
    # One height for the whole numeral: a level spreads forwards, stroke to
    # stroke (over the letters between), then backwards from the last.
    out.append(f"  lookup zfn_level_forward {{ {only_strokes}")
    for lv in reversed(range(1, n)):
        high, low = group(strokes(levels_in=range(lv, n))), group(below(lv))
        out.append(f"    sub {high} {low}' lookup zfn_raise_{lv};")
        out.append(f"    sub {high} {base} {low}' lookup zfn_raise_{lv};")
    out.append("  } zfn_level_forward;")
    out.append(f"  lookup zfn_level_back {{ {only_strokes}")
    for lv in reversed(range(1, n)):
        low = below(lv)
        up = group(raised(name, lv) for name in low)
        high = group(strokes(levels_in=range(lv, n)))
        out.append(f"    rsub {group(low)}' {high} by {up};")
        out.append(f"    rsub {group(low)}' {base} {high} by {up};")
    out.append("  } zfn_level_back;")
    out.append("} ccmp;")

    # Every stroke carries its own height, so all attach at the letter's end.
    out.append(f"markClass {group(strokes())} <anchor 0 0> @ZFN_STROKE;")
    out.append("feature mark { lookup zfn_mark {")
    for name in letters:
        out.append(f"  pos base {name} <anchor {widths[name]} 0> mark @ZFN_STROKE;")
    out.append("} zfn_mark; } mark;")
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
    levels, numeral_top = stroke_levels(font, letters)
    levels_of = {n: level_of(heights[n], levels) for n in letters}
    level_ws = level_widths(levels, numeral_top, widths, levels_of)
    glyphs = {}
    for w in sorted(set(widths.values())):
        glyphs.update(stroke_glyphs(w, levels, level_ws))
    add_glyphs(font, glyphs)
    add_text_marks(font)

    # Noto's own substitutions only swap the overlines for its width variants;
    # ours replace them. Its positioning (the jinkim and other marks) stays.
    scratch_bytes = io.BytesIO()
    font.save(scratch_bytes)
    scratch = TTFont(io.BytesIO(scratch_bytes.getvalue()))
    del scratch["GSUB"], scratch["GPOS"]
    addOpenTypeFeaturesFromString(scratch, features(letters, widths, levels_of, levels, level_ws),
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
