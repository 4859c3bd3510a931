#!/usr/bin/env python3
"""Generates pdf/tpdffontwidths.cpp: the width texts of the six Latin PDF fonts.

The Century, Century Bold, Arial and Arial Bold tables come from the metrics of the
metric-compatible URW base-35 fonts of Debian's fonts-urw-base35 package (C059-Roman,
C059-Bold, NimbusSans-Regular, NimbusSans-Bold): each code 31-255 of the WinAnsi encoding
is mapped to its glyph name, the glyph's advance width is read from the .afm file and
scaled by 0.958 (rounded half up), the factor that the fixed rows of the tables show.
Rows fixed by the report layout (codes 31-57, and Century's code 255) are kept as they
are where scaling gives a different value. Codes without a glyph in the encoding take
the width of code 31. The Courier tables are 575 throughout.

Usage (from the repository root):
    python3 scripts/gen_pdf_widths.py [AFM_DIR] > pdf/tpdffontwidths.cpp
AFM_DIR defaults to /usr/share/fonts/type1/urw-base35.
"""

import os
import sys
import textwrap

SCALE_NUM = 958
SCALE_DEN = 1000
FIRST_CHAR = 31
LAST_CHAR = 255
UNDEFINED_WIDTH = 719  # code 31 of every proportional table

# WinAnsiEncoding, codes 32-255; None marks a code without a glyph.
ASCII_NAMES = (
    "space exclam quotedbl numbersign dollar percent ampersand quotesingle parenleft "
    "parenright asterisk plus comma hyphen period slash zero one two three four five six "
    "seven eight nine colon semicolon less equal greater question at A B C D E F G H I J K "
    "L M N O P Q R S T U V W X Y Z bracketleft backslash bracketright asciicircum "
    "underscore grave a b c d e f g h i j k l m n o p q r s t u v w x y z braceleft bar "
    "braceright asciitilde"
).split()
HIGH_NAMES = (
    "Euro - quotesinglbase florin quotedblbase ellipsis dagger daggerdbl circumflex "
    "perthousand Scaron guilsinglleft OE - Zcaron - - quoteleft quoteright quotedblleft "
    "quotedblright bullet endash emdash tilde trademark scaron guilsinglright oe - zcaron "
    "Ydieresis space exclamdown cent sterling currency yen brokenbar section dieresis "
    "copyright ordfeminine guillemotleft logicalnot hyphen registered macron degree "
    "plusminus twosuperior threesuperior acute mu paragraph periodcentered cedilla "
    "onesuperior ordmasculine guillemotright onequarter onehalf threequarters questiondown "
    "Agrave Aacute Acircumflex Atilde Adieresis Aring AE Ccedilla Egrave Eacute Ecircumflex "
    "Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde Ograve Oacute Ocircumflex "
    "Otilde Odieresis multiply Oslash Ugrave Uacute Ucircumflex Udieresis Yacute Thorn "
    "germandbls agrave aacute acircumflex atilde adieresis aring ae ccedilla egrave eacute "
    "ecircumflex edieresis igrave iacute icircumflex idieresis eth ntilde ograve oacute "
    "ocircumflex otilde odieresis divide oslash ugrave uacute ucircumflex udieresis yacute "
    "thorn ydieresis"
).split()
assert len(ASCII_NAMES) == 95 and len(HIGH_NAMES) == 128
WIN_ANSI = {32 + i: n for i, n in enumerate(ASCII_NAMES)}
WIN_ANSI[127] = None
WIN_ANSI.update({128 + i: (None if n == "-" else n) for i, n in enumerate(HIGH_NAMES)})

# Fixed rows: codes 31-57, plus the last value of the Century table.
FIXED = {
    "Century": ([719, 266, 283, 373, 533, 533, 798, 781, 196, 319, 319, 479, 581, 266, 319,
                 266, 266] + [533] * 10, {255: 515}),
    "Century,Bold": ([719, 267, 284, 374, 533, 533, 799, 781, 196, 320, 320, 480, 581, 267,
                      320, 267, 267] + [533] * 10, {}),
    "Arial": ([719, 266, 266, 340, 533, 533, 852, 639, 183, 319, 319, 373, 559, 266, 319,
               266, 266] + [533] * 10, {}),
    "Arial,Bold": ([719, 266, 319, 454, 533, 533, 852, 692, 228, 319, 319, 373, 559, 266,
                    319, 266, 266] + [533] * 10, {}),
}

FONTS = [
    # (C++ name, PDF base font, AFM file)
    ("kCenturyWidthsText", "Century", "C059-Roman.afm"),
    ("kCenturyBoldWidthsText", "Century,Bold", "C059-Bold.afm"),
    ("kArialWidthsText", "Arial", "NimbusSans-Regular.afm"),
    ("kArialBoldWidthsText", "Arial,Bold", "NimbusSans-Bold.afm"),
]


def read_afm_widths(path):
    widths = {}
    with open(path, encoding="latin-1") as afm:
        for line in afm:
            if not line.startswith("C "):
                continue
            fields = {}
            for item in line.split(";"):
                parts = item.split()
                if len(parts) >= 2:
                    fields[parts[0]] = parts[1]
            if "N" in fields and "WX" in fields:
                widths[fields["N"]] = int(fields["WX"])
    return widths


def scaled(width):
    return (width * SCALE_NUM + SCALE_DEN // 2) // SCALE_DEN


def build_table(base_font, afm_path):
    glyphs = read_afm_widths(afm_path)
    fixed_rows, fixed_extra = FIXED[base_font]
    table, overridden = [], []
    for code in range(FIRST_CHAR, LAST_CHAR + 1):
        name = WIN_ANSI.get(code)
        if name is None:
            value = UNDEFINED_WIDTH
        else:
            if name not in glyphs:
                sys.exit(f"{afm_path}: no glyph {name} for code {code}")
            value = scaled(glyphs[name])
        fixed = None
        if code - FIRST_CHAR < len(fixed_rows):
            fixed = fixed_rows[code - FIRST_CHAR]
        fixed = fixed_extra.get(code, fixed)
        if fixed is not None and fixed != value:
            overridden.append((code, value, fixed))
            value = fixed
        table.append(value)
    return table, overridden


def width_text(values):
    """'[ ' + each value and a space, CR LF after every sixteenth value, then ']'."""
    out = "[ "
    for i, value in enumerate(values, 1):
        out += f"{value} "
        if i % 16 == 0:
            out += "\r\n"
    return out + "]"


def cxx_literal(text):
    lines = text.split("\r\n")
    pieces = [f'    "{line}\\r\\n"' for line in lines[:-1]] + [f'    "{lines[-1]}"']
    return "\n".join(pieces)


def main():
    afm_dir = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/type1/urw-base35"
    out = []
    notes = []
    for cxx_name, base_font, afm in FONTS:
        table, overridden = build_table(base_font, os.path.join(afm_dir, afm))
        assert len(table) == LAST_CHAR - FIRST_CHAR + 1
        if overridden:
            kept = ", ".join(f"{c}: {s}->{f}" for c, s, f in overridden)
            notes.extend(textwrap.wrap(f"{base_font}: {kept}", width=92,
                                       initial_indent="//   ", subsequent_indent="//     "))
        out.append(f"// {base_font}, from {afm}.\n"
                   f"extern const char {cxx_name}[] =\n{cxx_literal(width_text(table))};\n")
    courier = cxx_literal(width_text([575] * (LAST_CHAR - FIRST_CHAR + 1)))
    out.append(f"// Courier and Courier,Bold: every code is 575.\n"
               f"extern const char kCourierWidthsText[] =\n{courier};\n")

    print("// Width texts of the six Latin fonts, codes 31-255, in thousandths of an em.")
    print("// Generated by scripts/gen_pdf_widths.py; do not edit by hand. To regenerate:")
    print("//   python3 scripts/gen_pdf_widths.py > pdf/tpdffontwidths.cpp")
    print("// (needs Debian's fonts-urw-base35). Century and Century,Bold are the widths of")
    print("// C059-Roman and C059-Bold, Arial and Arial,Bold those of NimbusSans-Regular and")
    print("// NimbusSans-Bold, read from their .afm files through the WinAnsi glyph names and")
    print("// scaled by 0.958, rounded half up. Codes without a glyph in WinAnsi (127, 129,")
    print("// 141, 143, 144, 157) take the code-31 width. Where scaling differs from the fixed")
    print("// rows of the report layout (codes 31-57, Century's code 255), the fixed value is")
    print("// kept; code: scaled->kept:")
    for note in notes:
        print(note)
    print()
    print('#include "pdf/tpdffontwidths.h"')
    print()
    print("\n".join(out), end="")


if __name__ == "__main__":
    main()
