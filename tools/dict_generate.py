#!/usr/bin/env python3
"""Builds the character dictionary's data files from the staged public sources.

    tools/dict_generate.py [--data DIR] [--out DIR]

DIR defaults to ../shared/data beside the repository and OUT to dict/data. Writes
characters.tsv (one row per CharIndex), README.md (how every column was chosen, with the
figures of the data) and NOTICE (licences of the shipped sources). Only the permissively
licensed sources feed shipped values; running the script again gives the same bytes.
"""

import argparse
import bz2
import collections
import csv
import json
import os
import re
import unicodedata

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

CHAR_COUNT = 7227
EXTENSION_COUNT = 464  # GBK characters outside GB2312 taken by given-name use

# Rows whose position other tables and the program's users rely on.
PINNED_HEAD = "华生明建文伟军海先国志晓平红丽小春林强东"
PINNED_TAIL = "蚣聋攫惩腑嵯詈"
PINNED_AT = {"金": 27, "长": 103, "秋": 107, "地": 818}

EARTH, FIRE, WATER, WOOD, METAL = 1, 2, 4, 8, 16
ELEMENT_BY_NAME = {"土": EARTH, "火": FIRE, "水": WATER, "木": WOOD, "金": METAL}
ELEMENT_ORDER = [(EARTH, "土"), (FIRE, "火"), (WATER, "水"), (WOOD, "木"), (METAL, "金")]

# The element a radical carries in the naming tradition; every other radical carries none.
RADICAL_ELEMENTS = {
    WATER: "冫氵水雨",
    METAL: "刀刂钅金釒",
    WOOD: "艹木禾米竹",
    FIRE: "灬火日月",
    EARTH: "山土瓦石田玉缶",
}
# 秋 is written 禾 + 火 and the tradition gives it both elements.
RADICAL_ELEMENT_OVERRIDES = {"秋": FIRE | WOOD}

# Element of a reading by its initial (the five tones of the naming tradition): lips water,
# tongue fire, throat-back wood, teeth metal, open syllables earth.
INITIAL_ELEMENTS = [
    (("zh", "ch", "sh", "j", "q", "x", "z", "c", "s", "r"), METAL),
    (("b", "p", "m", "f"), WATER),
    (("d", "t", "n", "l"), FIRE),
    (("g", "k", "h"), WOOD),
]

# The naming tradition counts numerals by their value, not by their strokes.
NUMERAL_STROKES = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(os.path.dirname(REPO), "shared", "data"))
    parser.add_argument("--out", default=os.path.join(REPO, "dict", "data"))
    return parser.parse_args()


# ---------------------------------------------------------------- sources

def read_unihan(data, name, fields):
    table = {f: {} for f in fields}
    with bz2.open(os.path.join(data, "unihan", name), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field in table:
                table[field][chr(int(code[2:], 16))] = value
    return table


def read_sources(data):
    unihan = {}
    for name, fields in [
        ("Unihan_OtherMappings.txt.bz2", ["kGB0"]),
        ("Unihan_Readings.txt.bz2", ["kMandarin", "kXHC1983", "kHanyuPinyin", "kTGHZ2013"]),
        ("Unihan_IRGSources.txt.bz2", ["kTotalStrokes", "kRSUnicode"]),
        ("Unihan_RadicalStrokeCounts.txt.bz2", ["kRSKangXi"]),
        ("Unihan_Variants.txt.bz2", ["kTraditionalVariant", "kSimplifiedVariant"]),
    ]:
        unihan.update(read_unihan(data, name, fields))

    counts = {}
    with open(os.path.join(data, "ngender", "charfreq.csv"), encoding="utf-8") as f:
        for row in csv.DictReader(f):
            if len(row["char"]) == 1:
                counts[row["char"]] = int(row["male"]) + int(row["female"])

    naming = collections.defaultdict(list)
    with open(os.path.join(data, "goodgoodname", "wuxing_kangxi_strokes.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            char, element, _, strokes = line.rstrip("\n").split("\t")
            naming[char].append((ELEMENT_BY_NAME[element], int(strokes)))

    with open(os.path.join(data, "cnchar", "radical_chars.json"), encoding="utf-8") as f:
        component_lists = json.load(f)
    components = collections.defaultdict(list)
    for radical, value in component_lists.items():
        if radical == "*":
            continue
        for char in re.findall(r"(.)[a-h]", value.split(":", 1)[1]):
            components[char].append(radical)

    return unihan, counts, naming, components


def read_radical_table(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()[1:]
    return [line.split("\t")[1] for line in lines]


# ---------------------------------------------------------------- rows

def gbk_bytes(char):
    try:
        return char.encode("gbk")
    except UnicodeEncodeError:
        return None


def is_hanzi(char):
    return len(char) == 1 and unicodedata.category(char) == "Lo" and "CJK" in unicodedata.name(char, "")


def choose_rows(unihan, counts):
    """The GB2312 characters and the most used other GBK characters, most used first."""
    gb_row = {c: int(v[:2]) for c, v in unihan["kGB0"].items()}
    extension = [c for c in counts if c not in gb_row and is_hanzi(c) and gbk_bytes(c) and counts[c] > 0]
    extension.sort(key=lambda c: (-counts[c], gbk_bytes(c)))
    chosen = list(gb_row) + extension[:EXTENSION_COUNT]

    def level(c):  # GB2312 level 1 (rows 16-55), level 2, then the GBK extension
        return 0 if gb_row.get(c, 99) <= 55 else 1 if c in gb_row else 2

    chosen.sort(key=lambda c: (-counts.get(c, 0), level(c), gbk_bytes(c)))

    pinned = dict(PINNED_AT)
    pinned.update({c: i for i, c in enumerate(PINNED_HEAD)})
    pinned.update({c: CHAR_COUNT - len(PINNED_TAIL) + i for i, c in enumerate(PINNED_TAIL)})
    missing = [c for c in pinned if c not in chosen]
    assert not missing, missing
    free = iter(c for c in chosen if c not in pinned)
    at = {i: c for c, i in pinned.items()}
    rows = [at[i] if i in at else next(free) for i in range(CHAR_COUNT)]
    assert len(set(rows)) == CHAR_COUNT
    return rows


# ---------------------------------------------------------------- readings

def plain_reading(toned):
    """Reading without tone marks, ü as v; also whether it carries a tone at all."""
    letters, toned_mark = [], False
    for ch in unicodedata.normalize("NFD", toned.lower()):
        if ch == "\u0308":
            letters[-1] = "v"
        elif unicodedata.combining(ch):
            toned_mark = True
        else:
            letters.append(ch)
    return "".join(letters), toned_mark


def readings_of(char, unihan):
    values = []
    if char in unihan["kMandarin"]:
        values += unihan["kMandarin"][char].split()
    if char in unihan["kXHC1983"]:
        values += [v.split(":", 1)[1] for v in unihan["kXHC1983"][char].split()]
    for fallback in ("kHanyuPinyin", "kTGHZ2013"):
        if not values and char in unihan[fallback]:
            for entry in unihan[fallback][char].split():
                values += entry.split(":", 1)[1].split(",")
    toned, neutral = set(), set()
    for value in values:
        reading, has_tone = plain_reading(value)
        (toned if has_tone else neutral).add(reading)
    # The syllables with a tone in dictionary order, then the neutral-tone particles.
    return sorted(toned) + sorted(neutral - toned)


def pinyin_text(readings):
    if len(readings) == 1:
        return readings[0]
    return "," + ",".join(readings) + ","


def reading_element(reading):
    for initials, element in INITIAL_ELEMENTS:
        if reading.startswith(initials):
            return element
    return EARTH


# ---------------------------------------------------------------- radicals

def radical_numbers(char, unihan):
    """(Kangxi radical number, written in simplified form) of each kRSUnicode value."""
    result = []
    for value in unihan["kRSUnicode"].get(char, "").split():
        radical = value.split(".")[0]
        result.append((int(radical.rstrip("'")), radical.endswith("'")))
    return result


def radical_chooser(rows, unihan, components, table):
    table_index = {g: i for i, g in enumerate(table)}
    kangxi_of_form = {}
    for glyph in table:
        numbers = radical_numbers(glyph, unihan)
        if numbers:
            kangxi_of_form[glyph] = numbers[0][0]

    def from_components(char):
        forms = [r for r in components.get(char, []) if r in table_index]
        if not forms:
            return None
        kangxi = {n for n, _ in radical_numbers(char, unihan)}
        matching = [r for r in forms if kangxi_of_form.get(r) in kangxi]
        return (matching or forms)[0]

    # The form a Kangxi radical takes in the simplified dictionary: the one most characters
    # with that Unihan radical show in the component list.
    votes = collections.defaultdict(collections.Counter)
    for char in components:
        form = from_components(char)
        numbers = radical_numbers(char, unihan)
        if form and numbers:
            votes[numbers[0]][form] += 1

    def fallback(char):
        number, simplified = radical_numbers(char, unihan)[0]
        if char in table_index:
            return char
        if votes[(number, simplified)]:
            return min(votes[(number, simplified)].items(), key=lambda kv: (-kv[1], table_index[kv[0]]))[0]
        full = unicodedata.normalize("NFKC", chr(0x2F00 + number - 1))
        if full in table_index:
            return full
        return next(g for g in table if kangxi_of_form.get(g) == number)

    chosen, source = {}, {}
    for char in rows:
        form = from_components(char)
        source[char] = "component list" if form else "Unihan"
        chosen[char] = form or fallback(char)
    return chosen, source


def radical_element(char, radical):
    if char in RADICAL_ELEMENT_OVERRIDES:
        return RADICAL_ELEMENT_OVERRIDES[char]
    for element, forms in RADICAL_ELEMENTS.items():
        if radical in forms:
            return element
    return 0


# ---------------------------------------------------------------- strokes

def total_strokes(char, unihan):
    value = unihan["kTotalStrokes"].get(char)
    return int(value.split()[0]) if value else 0


def traditional_form(char, unihan):
    variants = [chr(int(v[2:], 16)) for v in unihan["kTraditionalVariant"].get(char, "").split()]
    if not variants or char in variants:
        return char
    return variants[0]


def computed_kangxi_strokes(char, unihan):
    """Strokes of the traditional form with its radical counted in full form."""
    if char in NUMERAL_STROKES:
        return NUMERAL_STROKES[char]
    form = traditional_form(char, unihan)
    value = unihan["kRSKangXi"].get(form) or unihan["kRSUnicode"].get(form)
    if not value:
        return total_strokes(char, unihan)
    radical, residual = value.split()[0].split(".")
    full = unicodedata.normalize("NFKC", chr(0x2F00 + int(radical.rstrip("'")) - 1))
    return total_strokes(full, unihan) + int(residual)


# ---------------------------------------------------------------- columns

def element_name(mask):
    return "".join(name for bit, name in ELEMENT_ORDER if mask & bit) or "-"


def build_table(data, radical_table):
    unihan, counts, naming, components = read_sources(data)
    rows = choose_rows(unihan, counts)
    radicals, radical_source = radical_chooser(rows, unihan, components, radical_table)
    table_index = {g: i for i, g in enumerate(radical_table)}

    records, notes = [], collections.defaultdict(list)
    for index, char in enumerate(rows):
        readings = readings_of(char, unihan)
        by_radical = radical_element(char, radicals[char])
        computed = computed_kangxi_strokes(char, unihan)
        entries = naming.get(char, [])

        elements = sorted({e for e, _ in entries}, key=[e for e, _ in entries].index)
        if len(elements) == 1:
            meaning = elements[0]
        else:
            preferred = [e for e in (by_radical, reading_element(readings[0])) if e]
            meaning = next((e for e in preferred if e in elements), None)
            if meaning is None:
                meaning = elements[0] if elements else preferred[0]
            notes["meaning conflict" if elements else "meaning missing"].append(char)

        strokes = sorted({s for _, s in entries}, key=[s for _, s in entries].index)
        if len(strokes) == 1:
            kangxi = strokes[0]
            if kangxi != computed:
                notes["kangxi differs from arithmetic"].append(char)
        elif strokes:
            kangxi = min(strokes, key=lambda s: abs(s - computed))
            notes["kangxi conflict"].append(char)
        else:
            kangxi = computed
            notes["kangxi by arithmetic"].append(char)

        notes["radical " + radical_source[char]].append(char)
        records.append({
            "row": index,
            "glyph": char,
            "pinyin": pinyin_text(readings),
            "readings": readings,
            "meaning": meaning,
            "radical": table_index[radicals[char]],
            "radical_glyph": radicals[char],
            "by_radical": by_radical,
            "simplified": total_strokes(char, unihan),
            "kangxi": kangxi,
            "count": counts.get(char, 0),
            "gb2312": char in unihan["kGB0"],
        })
    return records, notes


# ---------------------------------------------------------------- output

TSV_COLUMNS = ["row", "glyph", "pinyin", "meaning", "radical", "radical_glyph", "by_radical",
               "simplified", "kangxi"]


def write_tsv(path, records):
    lines = ["\t".join(TSV_COLUMNS)]
    for r in records:
        lines.append("\t".join([
            str(r["row"]), r["glyph"], r["pinyin"], element_name(r["meaning"]), str(r["radical"]),
            r["radical_glyph"], element_name(r["by_radical"]), str(r["simplified"]), str(r["kangxi"]),
        ]))
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    args = parse_args()
    radical_table = read_radical_table(os.path.join(args.out, "radicals.tsv"))
    records, notes = build_table(args.data, radical_table)
    write_tsv(os.path.join(args.out, "characters.tsv"), records)
    for key in sorted(notes):
        print(key, len(notes[key]))


if __name__ == "__main__":
    main()
