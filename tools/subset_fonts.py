#!/usr/bin/python3
"""Build the two fonts that are compiled into the plug-in's resource bundle.

    resources/Arial.ttf      <- Arimo Regular (Debian package fonts-croscore)
    resources/OratorStd.otf  <- Cousine Regular (Debian package fonts-croscore)

Both are cut down to printable ASCII (U+0020-U+007E) and Latin-1
(U+00A0-U+00FF).  Outlines and hinting are kept as they are: TrueType glyf
plus fpgm/prep/cvt/gasp.  Both keep their names: their licence, the SIL Open
Font License 1.1, reserves no font name for them.  The plug-in looks the
fonts up by resource path, so the file names are those paths; FreeType reads
a font by its content, so the TrueType outlines behind the ".otf" name load
as they are.

The output is deterministic: head.modified is carried over from the source
font instead of being set to the current time, so running the script again on
the same inputs gives byte-identical files.

Needs fontTools (Debian: python3-fonttools).  Run with the system python:

    /usr/bin/python3 tools/subset_fonts.py [--arimo PATH] [--cousine PATH]
                                           [--out-dir DIR]
"""

import argparse
import hashlib
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

DEFAULT_ARIMO = "/usr/share/fonts/truetype/croscore/Arimo-Regular.ttf"
DEFAULT_COUSINE = "/usr/share/fonts/truetype/croscore/Cousine-Regular.ttf"
DEFAULT_OUT_DIR = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources"))

# Printable ASCII and the printable half of Latin-1.
CODEPOINTS = frozenset(range(0x20, 0x7F)) | frozenset(range(0xA0, 0x100))

# TrueType instruction tables that must survive for hinted rendering.
TT_HINTING_TABLES = ("fpgm", "prep", "cvt ", "gasp")

# The sfnt version of a font with TrueType outlines.
TRUETYPE_SFNT_VERSION = "\x00\x01\x00\x00"


def subset_options():
    opts = subset.Options()
    # Keep the glyphs' instructions and the font-wide hinting tables.
    opts.hinting = True
    # Only horizontal kerning is useful for single-line gauge labels; other
    # GSUB/GPOS features would pull in ligatures and alternates that cannot
    # be reached through the cmap.
    opts.layout_features = ["kern"]
    opts.legacy_kern = True
    # With no substitution features left, GSUB would only be an empty shell.
    opts.drop_tables = opts.drop_tables + ["GSUB"]
    # Keep the whole name table: copyright, licence text and URL included.
    opts.name_IDs = ["*"]
    opts.name_languages = ["*"]
    opts.name_legacy = True
    # Keep the original glyph names and a drawn .notdef box.
    opts.glyph_names = True
    opts.notdef_glyph = True
    opts.notdef_outline = True
    opts.recommended_glyphs = False
    return opts


def load(path):
    # recalcTimestamp=False keeps head.modified from the source font.
    return TTFont(path, recalcTimestamp=False, lazy=False)


def make_subset(src_path, dst_path):
    font = load(src_path)
    if "glyf" not in font:
        sys.exit("%s: no TrueType outlines (glyf); refusing to convert outlines"
                 % src_path)
    src_cmap = set(font.getBestCmap())
    missing = sorted(CODEPOINTS - src_cmap)
    wanted = sorted(CODEPOINTS & src_cmap)

    subsetter = subset.Subsetter(options=subset_options())
    subsetter.populate(unicodes=wanted)
    subsetter.subset(font)

    font.save(dst_path)

    # Re-read the written file and check what we care about.
    out = load(dst_path)
    problems = []
    if out.sfntVersion != TRUETYPE_SFNT_VERSION:
        problems.append("sfnt version %r, expected %r"
                        % (out.sfntVersion, TRUETYPE_SFNT_VERSION))
    if "glyf" not in out:
        problems.append("'glyf' table missing")
    for tag in TT_HINTING_TABLES:
        if tag in font and tag not in out:
            problems.append("hinting table '%s' dropped" % tag)
    got = set(out.getBestCmap())
    if got != set(wanted):
        extra = sorted(got - set(wanted))
        lost = sorted(set(wanted) - got)
        problems.append("cmap mismatch: extra %s, lost %s"
                        % ([hex(c) for c in extra], [hex(c) for c in lost]))
    if out.getGlyphOrder()[0] != ".notdef":
        problems.append("glyph 0 is %r, not .notdef" % out.getGlyphOrder()[0])
    if problems:
        sys.exit("%s: %s" % (dst_path, "; ".join(problems)))

    with open(dst_path, "rb") as f:
        data = f.read()
    return {
        "src": src_path,
        "dst": dst_path,
        "glyphs": len(out.getGlyphOrder()),
        "src_glyphs": len(load(src_path).getGlyphOrder()),
        "chars": len(got),
        "missing": missing,
        "size": len(data),
        "sha256": hashlib.sha256(data).hexdigest(),
        "tables": sorted(t for t in out.keys() if t != "GlyphOrder"),
    }


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--arimo", default=DEFAULT_ARIMO,
                    help="Arimo Regular TTF (default: %(default)s)")
    ap.add_argument("--cousine", default=DEFAULT_COUSINE,
                    help="Cousine Regular TTF (default: %(default)s)")
    ap.add_argument("--out-dir", default=DEFAULT_OUT_DIR,
                    help="output directory (default: %(default)s)")
    args = ap.parse_args()

    for p in (args.arimo, args.cousine):
        if not os.path.isfile(p):
            sys.exit("input font not found: %s" % p)
    os.makedirs(args.out_dir, exist_ok=True)

    results = [
        make_subset(args.arimo, os.path.join(args.out_dir, "Arial.ttf")),
        make_subset(args.cousine, os.path.join(args.out_dir, "OratorStd.otf")),
    ]

    for r in results:
        print("%s <- %s" % (r["dst"], r["src"]))
        print("  glyphs %d (source %d), mapped characters %d, %d bytes"
              % (r["glyphs"], r["src_glyphs"], r["chars"], r["size"]))
        print("  tables %s" % " ".join(t.strip() for t in r["tables"]))
        print("  sha256 %s" % r["sha256"])
        if r["missing"]:
            print("  not in source font: %s"
                  % " ".join("U+%04X" % c for c in r["missing"]))


if __name__ == "__main__":
    main()
