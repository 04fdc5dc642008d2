#!/usr/bin/python3
"""Build the two fonts that are compiled into the plug-in's resource bundle.

    resources/Arial.ttf      <- Arimo Regular (Debian package fonts-croscore)
    resources/OratorStd.otf  <- B612 Mono Regular (Debian package fonts-b612)

Both are cut down to printable ASCII (U+0020-U+007E) and Latin-1
(U+00A0-U+00FF).  Outlines and hinting are kept as they are: TrueType glyf
plus fpgm/prep/cvt/gasp for Arimo, CFF charstrings, subroutines and Private
dict hints for B612 Mono.  Arimo keeps its names.  B612 is licensed with the
Reserved Font Name "B612", which a modified version (a subset is one) may not
carry, so its subset is renamed "Kest Readout Mono" in the name table and in
the CFF font dictionary.  The plug-in looks the fonts up by resource path, so
the file names are those paths.

The output is deterministic: head.modified is carried over from the source
font instead of being set to the current time, so running the script again on
the same inputs gives byte-identical files.

Needs fontTools (Debian: python3-fonttools).  Run with the system python:

    /usr/bin/python3 tools/subset_fonts.py [--arimo PATH] [--b612-mono PATH]
                                           [--out-dir DIR]
"""

import argparse
import hashlib
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

DEFAULT_ARIMO = "/usr/share/fonts/truetype/croscore/Arimo-Regular.ttf"
DEFAULT_B612_MONO = "/usr/share/fonts/opentype/b612/B612Mono-Regular.otf"
DEFAULT_OUT_DIR = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources"))

# Printable ASCII and the printable half of Latin-1.
CODEPOINTS = frozenset(range(0x20, 0x7F)) | frozenset(range(0xA0, 0x100))

# TrueType instruction tables that must survive for hinted rendering.
TT_HINTING_TABLES = ("fpgm", "prep", "cvt ", "gasp")


def subset_options():
    opts = subset.Options()
    # Keep instructions (glyf) and charstring hints (CFF), plus the
    # font-wide hinting tables.
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
    # Leave CFF subroutines as they are in the source font.
    opts.desubroutinize = False
    return opts


def load(path):
    # recalcTimestamp=False keeps head.modified from the source font.
    return TTFont(path, recalcTimestamp=False, lazy=False)


# Reserved font names and the names that replace them in the subsets.
B612_RENAMES = (("B612 Mono", "Kest Readout Mono"), ("B612Mono", "KestReadoutMono"),
                ("B612", "Kest Readout"))


def rename_family(font, renames):
    """Replaces reserved names in the name table and the CFF dictionary."""
    def renamed(text):
        for old, new in renames:
            text = text.replace(old, new)
        return text
    # The copyright, trademark and licence records (IDs 0, 7, 13, 14) name
    # the original font on purpose and stay as they are.
    for record in font["name"].names:
        if record.nameID not in (0, 7, 13, 14):
            record.string = renamed(record.toUnicode())
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [renamed(n) for n in cff.fontNames]
        top = cff.topDictIndex[0]
        for key in ("FullName", "FamilyName"):
            if hasattr(top, key):
                setattr(top, key, renamed(getattr(top, key)))


def make_subset(src_path, dst_path, outline_tag, sfnt_version, renames=()):
    font = load(src_path)
    if outline_tag not in font:
        sys.exit("%s: no '%s' table; refusing to convert outlines"
                 % (src_path, outline_tag.strip()))
    src_cmap = set(font.getBestCmap())
    missing = sorted(CODEPOINTS - src_cmap)
    wanted = sorted(CODEPOINTS & src_cmap)

    subsetter = subset.Subsetter(options=subset_options())
    subsetter.populate(unicodes=wanted)
    subsetter.subset(font)
    if renames:
        rename_family(font, renames)

    font.save(dst_path)

    # Re-read the written file and check what we care about.
    out = load(dst_path)
    problems = []
    if out.sfntVersion != sfnt_version:
        problems.append("sfnt version %r, expected %r"
                        % (out.sfntVersion, sfnt_version))
    if outline_tag not in out:
        problems.append("'%s' table missing" % outline_tag)
    if outline_tag == "glyf":
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
    ap.add_argument("--b612-mono", default=DEFAULT_B612_MONO,
                    help="B612 Mono Regular OTF with CFF outlines "
                         "(default: %(default)s)")
    ap.add_argument("--out-dir", default=DEFAULT_OUT_DIR,
                    help="output directory (default: %(default)s)")
    args = ap.parse_args()

    for p in (args.arimo, args.b612_mono):
        if not os.path.isfile(p):
            sys.exit("input font not found: %s" % p)
    os.makedirs(args.out_dir, exist_ok=True)

    results = [
        make_subset(args.arimo, os.path.join(args.out_dir, "Arial.ttf"),
                    "glyf", "\x00\x01\x00\x00"),
        make_subset(args.b612_mono,
                    os.path.join(args.out_dir, "OratorStd.otf"),
                    "CFF ", "OTTO", B612_RENAMES),
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
