#!/usr/bin/env python3
"""Builds the phonetic display font from DejaVu Sans.

Usage: make_phonetic_font.py DEJAVU_SANS_TTF OUTPUT_TTF

Word books store a transcription as a phonetic code; the program turns that
code into plain ASCII display characters, and this font draws those
characters as IPA. Every other character keeps DejaVu's own glyph.
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Kingsoft Phonetic Plain"
STYLE = "Regular"

# Display character -> the IPA symbol whose DejaVu glyph it draws.
DISPLAY_TO_IPA = {
    "B": "\u00e6",  # æ
    "Q": "\u0251",  # ɑ
    "E": "\u0254",  # ɔ
    "Z": "\u0259",  # ə
    "A": "\u025b",  # ɛ
    "R": "\u026a",  # ɪ
    "F": "\u028a",  # ʊ
    "T": "\u028c",  # ʌ
    "N": "\u03b8",  # θ
    "W": "\u00f0",  # ð
    "V": "\u014b",  # ŋ
    "5": "\u02c8",  # ˈ primary stress
    "7": "\u02cc",  # ˌ secondary stress
    "S": "\u0283",  # ʃ
    "J": "\u0292",  # ʒ
    ":": "\u02d0",  # ː length mark
}

PRINTABLE_ASCII = range(0x20, 0x7F)

# DejaVu's own timestamps would do, but a constant keeps the bytes the same
# even when the installed DejaVu package is rebuilt with a new date.
# 2020-01-01T00:00:00Z in seconds since 1904-01-01, the head table's epoch.
TIMESTAMP = 3660595200


def build(source, output):
    font = TTFont(source, recalcTimestamp=False)

    # Subset first, keeping the IPA symbols at their own code points too, so
    # every glyph the display characters borrow survives with its hinting.
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recalc_timestamp = False
    # FontForge's own timestamps; nothing reads them at run time.
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=list(PRINTABLE_ASCII) + [ord(c) for c in DISPLAY_TO_IPA.values()])
    subsetter.subset(font)

    best = font.getBestCmap()
    missing = [ipa for ipa in DISPLAY_TO_IPA.values() if ord(ipa) not in best]
    if missing:
        raise SystemExit("%s has no glyph for %s" % (source, " ".join("U+%04X" % ord(c) for c in missing)))
    for table in font["cmap"].tables:
        if not table.isUnicode():
            continue
        for display, ipa in DISPLAY_TO_IPA.items():
            table.cmap[ord(display)] = best[ord(ipa)]

    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    postscript = FAMILY.replace(" ", "")
    for name_id, text in ((1, FAMILY), (2, STYLE), (3, postscript), (4, FAMILY),
                          (6, postscript), (16, FAMILY), (17, STYLE)):
        name.setName(text, name_id, 3, 1, 0x409)
        name.setName(text, name_id, 1, 0, 0)

    font["head"].created = TIMESTAMP
    font["head"].modified = TIMESTAMP
    font.save(output)


def main(argv):
    if len(argv) != 3:
        raise SystemExit("usage: %s DEJAVU_SANS_TTF OUTPUT_TTF" % argv[0])
    build(argv[1], argv[2])


if __name__ == "__main__":
    main(sys.argv)
