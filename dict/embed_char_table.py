#!/usr/bin/env python3
"""Turns the dictionary's data files into a C++ source of constant tables.

    embed_char_table.py characters.tsv radicals.tsv output.cpp

Checks the files while it reads them (row numbers, unique GBK glyphs, readings, elements,
radical indices) so that a damaged data file stops the build instead of reaching the program.
"""

import re
import sys

CHAR_COUNT = 7227
RADICAL_COUNT = 267
ELEMENT_BITS = {"土": 1, "火": 2, "水": 4, "木": 8, "金": 16}
CHAR_COLUMNS = ["row", "glyph", "pinyin", "meaning", "radical", "radical_glyph", "by_radical",
                "simplified", "kangxi"]
READING = re.compile(r"[a-z]+|,(?:[a-z]+,)+")


def fail(path, line, message):
    sys.exit(f"{path}:{line}: {message}")


def read_tsv(path, columns):
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines or lines[0].split("\t") != columns:
        fail(path, 1, "header must be " + " ".join(columns))
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != len(columns):
            fail(path, number, f"expected {len(columns)} columns")
        rows.append((number, dict(zip(columns, cells))))
    return rows


def check_glyph(path, line, glyph, seen):
    try:
        encoded = glyph.encode("gbk")
    except UnicodeEncodeError:
        fail(path, line, f"{glyph} is not a GBK character")
    if len(glyph) != 1 or len(encoded) != 2:
        fail(path, line, f"{glyph!r} is not one two-byte GBK character")
    if glyph in seen:
        fail(path, line, f"{glyph} repeats line {seen[glyph]}")
    seen[glyph] = line


def element_mask(path, line, text):
    if text == "-":
        return 0
    mask = 0
    for name in text:
        if name not in ELEMENT_BITS or mask & ELEMENT_BITS[name]:
            fail(path, line, f"bad element {text!r}")
        mask |= ELEMENT_BITS[name]
    return mask


def stroke_count(path, line, text):
    if not text.isdigit() or not 1 <= int(text) <= 255:
        fail(path, line, f"stroke count {text!r} outside 1 … 255")
    return int(text)


def read_radicals(path):
    rows, seen = [], {}
    for line, row in read_tsv(path, ["strokes", "glyph"]):
        check_glyph(path, line, row["glyph"], seen)
        strokes = int(row["strokes"])
        if rows and strokes < rows[-1][1]:
            fail(path, line, "radicals must run in ascending stroke groups")
        rows.append((row["glyph"], strokes))
    if len(rows) != RADICAL_COUNT:
        fail(path, len(rows) + 1, f"expected {RADICAL_COUNT} radicals")
    return rows


def read_characters(path, radicals):
    rows, seen = [], {}
    for line, row in read_tsv(path, CHAR_COLUMNS):
        if row["row"] != str(len(rows)):
            fail(path, line, f"row number {row['row']} out of sequence")
        check_glyph(path, line, row["glyph"], seen)
        if not READING.fullmatch(row["pinyin"]):
            fail(path, line, f"reading {row['pinyin']!r} is not lowercase pinyin")
        radical = int(row["radical"])
        if not 0 <= radical < len(radicals) or radicals[radical][0] != row["radical_glyph"]:
            fail(path, line, f"radical {row['radical']} is not {row['radical_glyph']}")
        rows.append((row["glyph"], row["pinyin"], element_mask(path, line, row["meaning"]), radical,
                     element_mask(path, line, row["by_radical"]),
                     stroke_count(path, line, row["simplified"]), stroke_count(path, line, row["kangxi"])))
    if len(rows) != CHAR_COUNT:
        fail(path, len(rows) + 1, f"expected {CHAR_COUNT} characters")
    return rows


def literal(text):
    return '"' + "".join(f"\\x{b:02x}" for b in text.encode("utf-8")) + '"'


def render(characters, radicals):
    out = [
        "// Generated from dict/data/characters.tsv and dict/data/radicals.tsv by",
        "// dict/embed_char_table.py. Do not edit.",
        '#include "dict/char_rows.h"',
        "",
        "namespace morvenda::dict_rows {",
        "",
        "const std::array<CharRow, CharCount + 1> CharRows = {{",
    ]
    for glyph, pinyin, meaning, radical, by_radical, simplified, kangxi in characters:
        out.append(f"    {{{literal(glyph)}, {literal(pinyin)}, {meaning}, {radical}, {by_radical}, "
                   f"{simplified}, {kangxi}}},  // {glyph}")
    out.append('    {"", "", 0, 0, 0, 0, 0},')
    out += ["}};", "", "const std::array<std::uint16_t, CharCount> RowsByGlyph = {{"]
    by_glyph = sorted(range(len(characters)), key=lambda i: characters[i][0].encode("utf-8"))
    for start in range(0, len(by_glyph), 16):
        out.append("    " + ", ".join(str(i) for i in by_glyph[start:start + 16]) + ",")
    out += ["}};", "", "const std::array<RadicalRow, RadicalCount> RadicalRows = {{"]
    for glyph, strokes in radicals:
        out.append(f"    {{{literal(glyph)}, {strokes}}},  // {glyph}")
    out += ["}};", "", "}  // namespace morvenda::dict_rows", ""]
    return "\n".join(out)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    characters_path, radicals_path, output_path = sys.argv[1:]
    radicals = read_radicals(radicals_path)
    characters = read_characters(characters_path, radicals)
    with open(output_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(render(characters, radicals))


if __name__ == "__main__":
    main()
