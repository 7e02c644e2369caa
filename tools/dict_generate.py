#!/usr/bin/env python3
"""Builds the character dictionary's data files from the staged public sources.

    tools/dict_generate.py [--data DIR] [--out DIR] [--check]

DIR defaults to ../shared/data beside the repository and OUT to dict/data. Writes
characters.tsv (one row per CharIndex), README.md (how every column was chosen, with the
figures of the data) and NOTICE (licences of the shipped sources). Only the permissively
licensed sources feed shipped values; running the script again gives the same bytes.
"""

import argparse
import collections
import csv
import json
import os
import re
import sys
import unicodedata

import generated_files
from unihan_files import read_unihan

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

SKIPPED = 77  # exit status of --check without the staged sources, a skip for the test runner

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

# Initials of pinyin, longest first so that zh is not read as z.
INITIALS = ("zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q", "x",
            "r", "z", "c", "s", "y", "w")

# The naming tradition counts numerals by their value, not by their strokes.
NUMERAL_STROKES = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}

# Characters whose table counts belong to other forms, where names count the character as it
# is written (the arithmetic of the character itself):
# * 强 is its own Kangxi entry (弓 + 9 = 12); the table gives only 強's 11 and a stray 16;
# * family names whose traditional form is the character itself, while the table counts the
#   form of another word: the family 姜 is not 薑, 后 not 後, 谷 not 穀, 范 not 範, 余 not 餘,
#   肖 not 蕭, 党 not 黨, 种 not 種, 郁 not 鬱, 干 not 乾/幹. Every grid of such a family
#   name depends on this count.
COUNTED_AS_WRITTEN = "强姜后谷范余肖党种郁干"


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(os.path.dirname(REPO), "shared", "data"))
    parser.add_argument("--out", default=os.path.join(REPO, "dict", "data"))
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in OUT instead of writing them")
    return parser.parse_args()


# ---------------------------------------------------------------- sources

def read_sources(data):
    unihan = {}
    for name, fields in [
        ("Unihan_OtherMappings.txt.bz2", ["kGB0"]),
        ("Unihan_Readings.txt.bz2", ["kMandarin", "kXHC1983", "kTGHZ2013", "kHanyuPinyin"]),
        ("Unihan_IRGSources.txt.bz2", ["kTotalStrokes", "kRSUnicode"]),
        ("Unihan_RadicalStrokeCounts.txt.bz2", ["kRSKangXi", "kRSAdobe_Japan1_6"]),
        ("Unihan_Variants.txt.bz2", ["kTraditionalVariant"]),
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


def dictionary_readings(field, char, unihan):
    """Readings of a kXHC1983-style field: "page.entry:reading" locations."""
    return [v.split(":", 1)[1] for v in unihan[field].get(char, "").split()]


def readings_of(char, unihan):
    """The character's common modern readings: Unihan's customary ones, and those of the 1983
    modern dictionary that the 2013 standard list still gives (it drops the literary and
    obsolete readings the older dictionary keeps)."""
    values = unihan["kMandarin"].get(char, "").split()
    modern = dictionary_readings("kXHC1983", char, unihan)
    standard = {plain_reading(v)[0] for v in dictionary_readings("kTGHZ2013", char, unihan)}
    if standard:
        modern = [v for v in modern if plain_reading(v)[0] in standard]
    values += modern
    if not values and char in unihan["kHanyuPinyin"]:
        for entry in unihan["kHanyuPinyin"][char].split():
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


def initial_of(reading):
    return next((i for i in INITIALS if reading.startswith(i)), "")


def learn_initial_elements(rows, readings, naming):
    """The element the naming table most often gives to characters of each initial: the
    tradition assigns elements partly by sound, so this is how it would likely judge a
    character it does not list."""
    votes = collections.defaultdict(collections.Counter)
    for char in rows:
        elements = {e for e, _ in naming.get(char, [])}
        if len(elements) == 1:
            votes[initial_of(readings[char][0])][elements.pop()] += 1
    order = [bit for bit, _ in ELEMENT_ORDER]
    return {initial: min(counter.items(), key=lambda kv: (-kv[1], order.index(kv[0])))[0]
            for initial, counter in votes.items()}


# ---------------------------------------------------------------- radicals

def radical_numbers(char, unihan):
    """(Kangxi radical number, written in simplified form) of each kRSUnicode value."""
    result = []
    for value in unihan["kRSUnicode"].get(char, "").split():
        radical = value.split(".")[0]
        result.append((int(radical.rstrip("'")), radical.endswith("'")))
    return result


def drawn_radical_strokes(char, number, unihan):
    """Strokes Kangxi radical `number` is drawn with in the character (氵 3 against 水 4,
    月 4 against 肉 6), where the glyph-set data knows them."""
    for entry in unihan["kRSAdobe_Japan1_6"].get(char, "").split():
        radical, drawn, _ = entry.split("+")[2].split(".")
        if int(radical) == number:
            return int(drawn)
    return None


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

    def written_radical(char):
        """Kangxi radical number, whether written simplified, and its strokes as written
        (氵 3 against 水 4, 忄 3 against 心 4), where the glyph-set data knows them."""
        number, simplified = radical_numbers(char, unihan)[0]
        return number, simplified, drawn_radical_strokes(char, number, unihan)

    # The form a Kangxi radical takes in the simplified dictionary: the one most characters
    # with that radical, written the same way, show in the component list.
    votes = collections.defaultdict(collections.Counter)
    for char in components:
        form = from_components(char)
        if form and radical_numbers(char, unihan):
            number, simplified, written = written_radical(char)
            votes[(number, simplified, written)][form] += 1
            votes[(number, simplified, None)][form] += 1

    def fallback(char):
        if char in table_index:
            return char
        number, simplified, written = written_radical(char)
        for key in ((number, simplified, written), (number, simplified, None)):
            if votes[key]:
                return min(votes[key].items(), key=lambda kv: (
                    -kv[1], kangxi_of_form.get(kv[0]) != number, table_index[kv[0]]))[0]
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


def traditional_forms(char, unihan):
    """The character and the traditional forms it stands for; the character itself first."""
    variants = [chr(int(v[2:], 16)) for v in unihan["kTraditionalVariant"].get(char, "").split()]
    return [char] + [v for v in variants if v != char]


def radical_arithmetic(form, unihan):
    """Strokes of a form with its Kangxi radical counted in full form. Never fewer than the
    form's own total: some residual counts are one short of it (斌 文 + 7 but 12 in all)."""
    value = unihan["kRSKangXi"].get(form) or unihan["kRSUnicode"].get(form)
    total = total_strokes(form, unihan)
    if not value:
        return total
    radical, residual = value.split()[0].split(".")
    full = unicodedata.normalize("NFKC", chr(0x2F00 + int(radical.rstrip("'")) - 1))
    return max(total_strokes(full, unihan) + int(residual), total)


def computed_kangxi_strokes(char, unihan):
    """Arithmetic counts of the character's forms, the likeliest first: its traditional form
    when it is only a simplification, else the character itself, then the other forms."""
    if char in NUMERAL_STROKES:
        return [NUMERAL_STROKES[char]]
    forms = traditional_forms(char, unihan)
    variants = unihan["kTraditionalVariant"].get(char, "").split()
    if variants and "U+%04X" % ord(char) not in variants:
        forms = forms[1:] + forms[:1]
    return [radical_arithmetic(form, unihan) for form in forms]


def traditional_kangxi_strokes(char, unihan):
    """Arithmetic count of the first traditional form other than the character, else of the
    character: the naming table takes that form for most characters that are both their own
    traditional form and stand for another (云 雲, 历 歷)."""
    if char in NUMERAL_STROKES:
        return NUMERAL_STROKES[char]
    forms = traditional_forms(char, unihan)
    return radical_arithmetic(forms[1] if len(forms) > 1 else char, unihan)


def writes_radical_reduced(char, unihan):
    """Whether the character draws its Kangxi radical with fewer strokes than the radical's
    full form (肩 with 月 for 肉, 渠 with 氵 for 水) beside strokes of its own."""
    value = unihan["kRSUnicode"].get(char)
    if not value:
        return False
    radical, residual = value.split()[0].split(".")
    number = int(radical.rstrip("'"))
    drawn = drawn_radical_strokes(char, number, unihan)
    full = total_strokes(unicodedata.normalize("NFKC", chr(0x2F00 + number - 1)), unihan)
    return int(residual) > 0 and drawn is not None and drawn < full


def naming_kangxi_strokes(listed, computed, traditional, reduced_count):
    """One count from the naming table's entries, checked against the arithmetic.
    `reduced_count` is the character's own stroke count where it draws its radical reduced."""
    if len(listed) == 1:
        # Counting radicals and components in full form only ever adds strokes, so a count
        # well below every form's arithmetic is a slip of the table, and so is the plain count
        # of a character drawn with a reduced radical (肩 8 where 肉 makes it 10).
        if listed[0] <= min(computed) - 3 or listed[0] == reduced_count < min(computed):
            return computed[0]
        return listed[0]
    if not listed:
        return traditional
    # A count above 30 belongs to a rare traditional form the character hardly stands for.
    plausible = [s for s in listed if s <= 30] or listed
    for value in computed:
        if value in plausible:
            return value
    return min(plausible, key=lambda s: (abs(s - computed[0]), s))


# ---------------------------------------------------------------- columns

def element_name(mask):
    return "".join(name for bit, name in ELEMENT_ORDER if mask & bit) or "-"


def build_table(data, radical_table):
    unihan, counts, naming, components = read_sources(data)
    rows = choose_rows(unihan, counts)
    radicals, radical_source = radical_chooser(rows, unihan, components, radical_table)
    table_index = {g: i for i, g in enumerate(radical_table)}

    all_readings = {char: readings_of(char, unihan) for char in rows}
    initial_elements = learn_initial_elements(rows, all_readings, naming)
    records, notes = [], collections.defaultdict(list)
    for index, char in enumerate(rows):
        readings = all_readings[char]
        by_radical = radical_element(char, radicals[char])
        computed = computed_kangxi_strokes(char, unihan)
        entries = naming.get(char, [])

        strokes = sorted({s for _, s in entries}, key=[s for _, s in entries].index)
        reduced_count = total_strokes(char, unihan) if writes_radical_reduced(char, unihan) else None
        kangxi = naming_kangxi_strokes(strokes, computed, traditional_kangxi_strokes(char, unihan),
                                       reduced_count)
        if char in COUNTED_AS_WRITTEN:
            kangxi = radical_arithmetic(char, unihan)
            notes["kangxi as written"].append(char)
        elif not strokes:
            notes["kangxi by arithmetic"].append(char)
        elif len(strokes) > 1:
            notes["kangxi conflict"].append(char)
        elif kangxi != strokes[0]:
            notes["kangxi below arithmetic"].append(char)
        elif kangxi not in computed:
            notes["kangxi differs from arithmetic"].append(char)

        elements = sorted({e for e, _ in entries}, key=[e for e, _ in entries].index)
        # Of conflicting entries, the one whose stroke count the kangxi column keeps is sound.
        sound = {e for e, s in entries if s == kangxi}
        if len(elements) == 1:
            meaning = elements[0]
        elif len(sound) == 1:
            meaning = sound.pop()
            notes["meaning conflict"].append(char)
        else:
            candidates = [e for e in elements if e in sound] or elements
            preferred = [e for e in (by_radical, initial_elements[initial_of(readings[0])]) if e]
            meaning = next((e for e in preferred if e in candidates), None)
            if meaning is None:
                meaning = candidates[0] if candidates else preferred[0]
            notes["meaning conflict" if elements else "meaning missing"].append(char)

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
    return records, notes, initial_elements


# ---------------------------------------------------------------- output

TSV_COLUMNS = ["row", "glyph", "pinyin", "meaning", "radical", "radical_glyph", "by_radical",
               "simplified", "kangxi"]


def tsv_text(records):
    lines = ["\t".join(TSV_COLUMNS)]
    for r in records:
        lines.append("\t".join([
            str(r["row"]), r["glyph"], r["pinyin"], element_name(r["meaning"]), str(r["radical"]),
            r["radical_glyph"], element_name(r["by_radical"]), str(r["simplified"]), str(r["kangxi"]),
        ]))
    return "\n".join(lines) + "\n"


def count_line(counter, order):
    return ", ".join(f"{name} {counter.get(name, 0)}" for name in order)


def readme_text(records, notes, initial_elements, radical_table):
    meaning = collections.Counter(element_name(r["meaning"]) for r in records)
    by_radical = collections.Counter(element_name(r["by_radical"]) for r in records)
    element_order = [name for _, name in ELEMENT_ORDER] + ["-"]
    polyphones = [r for r in records if len(r["readings"]) > 1]
    differing = sum(1 for r in records if r["simplified"] != r["kangxi"])
    zero_simplified = sum(1 for r in records if r["simplified"] == 0)
    zero_kangxi = sum(1 for r in records if r["kangxi"] == 0)
    gb2312 = sum(1 for r in records if r["gb2312"])
    unused_counts = sum(1 for r in records if r["count"] == 0)
    radicals_used = len({r["radical"] for r in records})
    over_30 = [r for r in records if max(r["simplified"], r["kangxi"]) > 30]

    by_initial = collections.defaultdict(list)
    for initial in sorted(initial_elements, key=lambda i: (INITIALS + ("",)).index(i)):
        by_initial[initial_elements[initial]].append(initial or "(none)")
    initial_rule = ", ".join(f"{' '.join(by_initial[bit])} {name}" for bit, name in ELEMENT_ORDER
                             if by_initial[bit])

    def listing(key):
        return "".join(notes.get(key, [])) or "none"

    text = f"""# Character dictionary data

`characters.tsv` holds one row per character index, in index order; `radicals.tsv` the
{len(radical_table)} radicals a row's `radical` column points to (its position in that file).
Both are compiled into the program at build time. `characters.tsv` is written by
`tools/dict_generate.py` from the public sources listed below; do not edit it by hand, change
the script and run it again (it writes the same bytes for the same sources).

## Columns of characters.tsv

| column | content |
|---|---|
| row | the character index |
| glyph | the character (always one GBK character) |
| pinyin | reading without tone marks, ü written v; several readings as `,a,b,` |
| meaning | element of the character by meaning: 土 火 水 木 金, `-` for none |
| radical | index into radicals.tsv |
| radical_glyph | that radical, for reading the file (checked against the index at build time) |
| by_radical | element carried by the radical, `-` for none, 火木 for 秋 |
| simplified | stroke count of the simplified form |
| kangxi | stroke count in the naming tradition (traditional form, radicals in full form) |

## How the rows were chosen

* The set: all {gb2312} GB2312 characters and the {CHAR_COUNT - gb2312} other GBK characters
  used most in given names (count of male plus female given-name uses in the ngender table;
  ties by GBK code).
* The order: by that count, most used first; characters of equal count by GB2312 level 1,
  level 2, then the GBK extension, then by GBK code. {unused_counts} rows have no count and
  come last. Fixed positions: rows 0-19 {PINNED_HEAD}, the last seven {PINNED_TAIL},
  {", ".join(f"{c} at {i}" for c, i in PINNED_AT.items())}. The other rows keep their order
  around them.
* Row numbers are identities: the name pools store them. The order is frozen; never re-sort.

## How every column was chosen

* pinyin: Unihan `kMandarin` together with the `kXHC1983` readings that the 2013 standard
  list (`kTGHZ2013`) still gives, where that list covers the character (it drops literary
  and obsolete readings such as 红 gong, 广 an, 思 sai); `kHanyuPinyin` only for a character
  with neither. Tone marks removed, readings that become equal merged. Readings with a tone
  in alphabetical order, then the neutral-tone particle readings (地 ",di,de,").
* meaning: the element of the naming tradition's element and stroke table (MIT, PY.Lee). Where it gives
  one element it is used. Where it gives conflicting elements ({len(notes.get("meaning conflict", []))}
  rows: {listing("meaning conflict")}) the element of the entry whose stroke count the kangxi
  column keeps (the others are slips of the table: 欣 金 11 against 木 8); where that leaves
  several, the element of the character's radical wins if it is one of them, else the element
  of its reading, else the first entry. Where the table has no
  entry ({len(notes.get("meaning missing", []))} rows) the element of the radical is used, else the
  element of the first reading by its initial. That element is the one the table itself most
  often gives to the characters it lists with that initial: {initial_rule}.
* radical: the simplified-dictionary radical of the cnchar component lists (海 氵, 钱 钅,
  说 讠, 红 纟, 华 十); where a character is listed under several radicals, the one matching
  its Unihan Kangxi radical. {len(notes.get("radical Unihan", []))} rows the lists do not cover take
  their Unihan radical (`kRSUnicode`; a radical character is its own radical) in the table
  form that most listed characters with the same Kangxi radical, written with the same number
  of strokes (Unihan `kRSAdobe_Japan1_6`), show: 氵 for 湧, 心 for 慶, 音 for 韻.
  {radicals_used} of the {len(radical_table)} radicals occur.
* by_radical: water for 冫 氵 水 雨, metal for 刀 刂 钅 金 釒, wood for 艹 木 禾 米 竹, fire
  for 灬 火 日 月, earth for 山 土 瓦 石 田 玉 缶, none for every other radical; 秋 (禾 and
  火) holds fire and wood.
* simplified: Unihan `kTotalStrokes` (its first value).
* kangxi: the count of the naming tradition's table (traditional form, radicals
  and components in full form, 一 to 十 counted by value), checked against the Unihan radical
  arithmetic (strokes of the full Kangxi radical plus `kRSKangXi` residual strokes, at least
  the form's own total, for the character and each of its `kTraditionalVariant` forms):
  * one count in the table: used, except {len(notes.get("kangxi below arithmetic", []))} slips of the
    table that take the arithmetic: counts 3 or more below every form's arithmetic, and plain
    counts of characters drawn with a reduced radical (月 for 肉, 罒 for 网, 忄 for 心, 扌 for
    手, 氵 for 水, 衤 for 衣) below it, where the table itself counts the full form (育 10,
    署 14) ({listing("kangxi below arithmetic")}); {len(notes.get("kangxi differs from arithmetic", []))}
    more differ from the arithmetic and are kept, since the tradition counts components in
    full form and reads some characters as their traditional variants (岩 巖, 升 昇);
  * several counts ({len(notes.get("kangxi conflict", []))} rows: {listing("kangxi conflict")}): the
    one the arithmetic of the likeliest form confirms (the traditional form of a plain
    simplification, else the character itself, then its other forms), else the one nearest to
    it; counts above 30, which belong to rare variants (吁 as 籲), only when nothing else is listed;
  * no entry ({len(notes.get("kangxi by arithmetic", []))} rows): the arithmetic of the traditional form
    other than the character where there is one (动 動 11, 历 歷 16; the table itself takes that
    form for most characters that are also their own traditional form), else of the character;
  * counted as written ({"".join(notes.get("kangxi as written", []))}): the arithmetic of the
    character itself, where the table counts the form of another word: 强 is its own entry (弓 +
    9 = 12), and a family name is written the same in traditional form (the family 姜 is not
    薑, 后 not 後, 余 not 餘), so every grid of that family name takes this count.

## Figures

* elements by meaning: {count_line(meaning, element_order)}
* elements by radical: {count_line(by_radical, element_order + ["火木"])}
* rows with several readings: {len(polyphones)}
* rows whose simplified and Kangxi counts differ: {differing}
* zero counts: simplified {zero_simplified}, Kangxi {zero_kangxi}
* rows with a count above 30: {" ".join(f'{r["glyph"]} ({r["simplified"]}/{r["kangxi"]})' for r in over_30) or "none"}

## Sources and attribution

Shipped values come only from these sources (licences in NOTICE):

* Unicode Han Database (Unihan) 15.0.0, as packaged by Debian (`unicode-data`): the GB2312
  set, readings, radicals, stroke counts, traditional variants. Unicode licence. The values
  were modified: tone marks removed, fields combined as described above.
* The naming tradition's table of elements and Kangxi stroke counts (`full_wuxing_dict.py`),
  MIT, Copyright (c) 2014 PY.Lee: element by meaning and Kangxi counts.
* cnchar (`cnchar-radical` 3.2.6), MIT, Copyright (c) 2017-present theajack: radicals.
* ngender (observerss/ngender, `ngender/charfreq.csv`), MIT, Copyright (c) 2015 Jingchao Hu:
  given-name character counts, used for the choice and the order of the rows only.
"""
    return text


NOTICE_SOURCES = [
    ("Unicode Han Database (Unihan) 15.0.0", os.path.join("unihan", "debian-copyright.txt"),
     "COPYRIGHT AND PERMISSION NOTICE"),
    ("Element and Kangxi stroke table (PY.Lee)", os.path.join("goodgoodname", "LICENSE"), None),
    ("cnchar (radical lists)", os.path.join("cnchar", "LICENSE"), None),
    ("ngender (given-name character counts)", os.path.join("ngender", "LICENSE"), None),
]


def notice_text(data):
    parts = ["The character dictionary (dict/data/characters.tsv) is derived from the data below.\n"
             "The Unihan values were modified (tone marks removed, fields combined and chosen).\n"]
    for title, name, start in NOTICE_SOURCES:
        with open(os.path.join(data, name), encoding="utf-8") as f:
            licence = f.read()
        if start:
            licence = licence[licence.index(start):]
        body = "\n".join(line.rstrip() for line in licence.strip().splitlines())
        parts.append(f"{'=' * 72}\n{title}\n{'=' * 72}\n\n{body}\n")
    return "\n".join(parts)


def main():
    args = parse_args()
    if not os.path.isdir(args.data):
        print(f"no staged sources at {args.data}")
        return SKIPPED if args.check else 1
    radical_table = read_radical_table(os.path.join(args.out, "radicals.tsv"))
    records, notes, initial_elements = build_table(args.data, radical_table)
    files = {
        "characters.tsv": tsv_text(records),
        "README.md": readme_text(records, notes, initial_elements, radical_table),
        "NOTICE": notice_text(args.data),
    }
    return generated_files.write_or_check(files, args.out, args.check, "dict_generate.py")


if __name__ == "__main__":
    sys.exit(main())
