#!/usr/bin/env python3
"""Prints the text of wine's PostScript output, one line of a page per line as "page<TAB>text".

Wine's printer driver draws every character alone, as a glyph of an embedded font named by its
glyph number ("/g0646 glyphshow" after "x y moveto"), so no text survives in the file. The
numbers are turned back into characters through the font's own character map, and the glyphs
of a page are put into lines by their height and into order by their place on the line.
A glyph the font gives several characters reads as the lowest of them, but an ideograph
rather than the radical of the same shape.
"""
import re
import struct
import subprocess
import sys
from collections import defaultdict

TOKENS = re.compile(rb"^%%Page:|(-?[\d.]+) (-?[\d.]+) moveto|/g([0-9a-f]+) glyphshow", re.M)
FONT_NAME = re.compile(rb"/FontName /(\S+) def")
RADICALS = (0x2E80, 0x2FDF)


def font_file(postscript_name):
    """The file and the font's index in it."""
    out = subprocess.run(["fc-list", "-f", "%{file}\t%{index}\n", ":postscriptname=" + postscript_name],
                         capture_output=True, text=True, check=True).stdout.split("\n")[0]
    if not out:
        sys.exit("no font named " + postscript_name)
    path, index = out.split("\t")
    return path, int(index)


def characters(path, index):
    """Glyph number to character, from the font's Unicode map of full range (format 12)."""
    data = open(path, "rb").read()
    font = 0
    if data[:4] == b"ttcf":
        font = struct.unpack_from(">I", data, 12 + 4 * index)[0]
    (tables,) = struct.unpack_from(">H", data, font + 4)
    cmap = None
    for i in range(tables):
        tag, _, offset, _ = struct.unpack_from(">4sIII", data, font + 12 + 16 * i)
        if tag == b"cmap":
            cmap = offset
    if cmap is None:
        sys.exit("the font has no character map")
    (subtables,) = struct.unpack_from(">H", data, cmap + 2)
    for i in range(subtables):
        platform, encoding, offset = struct.unpack_from(">HHI", data, cmap + 4 + 8 * i)
        start = cmap + offset
        if (platform, encoding) == (3, 10) and struct.unpack_from(">H", data, start)[0] == 12:
            break
    else:
        sys.exit("the font has no full-range Unicode map")
    (groups,) = struct.unpack_from(">I", data, start + 12)
    chars = {}
    for g in range(groups):
        first, last, glyph = struct.unpack_from(">III", data, start + 16 + 12 * g)
        for code in range(first, last + 1):
            known = chars.get(glyph + code - first)
            if known is None or RADICALS[0] <= ord(known) <= RADICALS[1]:
                chars[glyph + code - first] = chr(code)
    return chars


def main(path):
    data = open(path, "rb").read()
    names = set(FONT_NAME.findall(data))
    if len(names) != 1:
        sys.exit("expected one embedded font, found %d" % len(names))
    chars = characters(*font_file(names.pop().decode()))
    pages = []
    x = y = 0.0
    for match in TOKENS.finditer(data):
        if match.group(0).startswith(b"%%Page:"):
            pages.append(defaultdict(list))
        elif match.group(1) is not None:
            x, y = float(match.group(1)), float(match.group(2))
        elif pages:
            pages[-1][round(y)].append((x, chars.get(int(match.group(3), 16), "?")))
    for number, lines in enumerate(pages, 1):
        # The driver's y grows downwards.
        for height in sorted(lines):
            print("%d\t%s" % (number, "".join(c for _, c in sorted(lines[height]))))


if __name__ == "__main__":
    main(sys.argv[1])
