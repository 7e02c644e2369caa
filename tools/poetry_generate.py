#!/usr/bin/env python3
"""Builds the names from the classics (naming/data/classics/) from the staged verse.

    tools/poetry_generate.py [--data DIR] [--out DIR] [--check]

DIR defaults to ../shared/data beside the repository and OUT to naming/data/classics. Reads
诗经, 楚辞, 唐诗三百首 and 宋词三百首 (classics/), turns their traditional characters into
simplified ones through Unihan (unihan/Unihan_Variants.txt.bz2), and writes

  poems.tsv  every poem that is the source of a name, in simplified characters, sentence by
             sentence;
  names.tsv  every given name whose characters stand together in a line of verse and may stand
             in a name of a sex, with the place of its best source;
  README.md  how the names were chosen, with the figures of the data;
  NOTICE     the licence of the verse.

The character table (dict/data/characters.tsv) and the rank tables of the name pools
(naming/data/*_position*.tsv) decide which characters may stand in a name. Running the script
again gives the same bytes; --check compares instead of writing.
"""

import argparse
import collections
import json
import os
import re
import sys

import generated_files
import poetry_files
import pools_files
import pools_generate
from unihan_files import read_unihan

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

SKIPPED = 77  # exit status of --check without the staged sources, a skip for the test runner

# A character may stand in a name of a sex when its weight in that sex's rank table for the
# position it takes weighs more than this: the weight above which the pools offer a character
# as a one-character name, and below which the rank tables hold no counted weights, only the
# extrapolated tail of rare and noisy characters (see the pools' data report).
WEIGHT_THRESHOLD = 100

# The thresholds the data report compares.
THRESHOLDS_COMPARED = (0, 50, 100, 200, 300, 500)

# The second character of a pair stands at most this many characters after the first.
MAX_DISTANCE = 3

SEXES = (("male", "男"), ("female", "女"))

# The works in the order in which a name takes its best source.
WORKS = ("诗经", "楚辞", "唐诗三百首", "宋词三百首")

# Marks that end a sentence, and those that split it further into lines.
SENTENCE_ENDS = "。！？"
LINE_BREAKS = SENTENCE_ENDS + "，；：、"
# Closing marks that stay with the sentence they close.
CLOSING_MARKS = "”」』》"
# Marks that are no part of a line's characters.
QUOTE_MARKS = "“”「」『』《》"
# Half-width punctuation a few lines carry, in the full-width form of the rest.
FULL_WIDTH = str.maketrans({",": "，", "?": "？", "!": "！", ":": "：", ";": "；",
                            "<": "《", ">": "》", "・": "·"})
# Editors' notes on variant readings, "(明年 一作：年年)"; one runs across two couplets.
NOTE = re.compile(r"[(（][^()（）]*[)）]")
# A character the encoding lacks, spelt out by its parts: "[糹習]".
SPELT_OUT = re.compile(r"\[[^\[\]]+\]")


def is_han(ch):
    code = ord(ch)
    return (0x3400 <= code <= 0x4DBF or 0x4E00 <= code <= 0x9FFF or 0xF900 <= code <= 0xFAFF
            or 0x20000 <= code <= 0x3FFFF or ch in "々〇")


# ---------------------------------------------------------------- simplified characters

def variant_list(value):
    return [chr(int(v[2:].split("<")[0], 16)) for v in value.split()]


class Simplifier:
    """Characters to their simplified forms, through Unihan's kSimplifiedVariant.

    The simplified set is GB 2312 (Unihan kGB0): a character in it stays as it is (著, 覆, 乾
    keep their classical use). Any other character takes the first of its simplified forms in
    GB 2312 (復 → 复, 鍾 → 钟); one without such a form, the first of its semantic variants in
    GB 2312 (峯 → 峰, 臥 → 卧) or the simplified form of one (爲 → 為 → 为, 衆 → 眾 → 众). A
    character none of these reach stays as written (遊, and a few rare characters of 诗经 and
    楚辞 whose simplified forms the fonts lack)."""

    def __init__(self, data):
        self.simplified_set = set(
            read_unihan(data, "Unihan_OtherMappings.txt.bz2", ["kGB0"])["kGB0"])
        self.variants = read_unihan(data, "Unihan_Variants.txt.bz2",
                                    ["kSimplifiedVariant", "kSemanticVariant"])

    def _forms(self, ch, field):
        return variant_list(self.variants[field].get(ch, ""))

    def _simplified(self, ch):
        return next((f for f in self._forms(ch, "kSimplifiedVariant") if f in self.simplified_set),
                    None)

    def __call__(self, ch):
        if ch in self.simplified_set or not is_han(ch):
            return ch
        form = self._simplified(ch)
        if form:
            return form
        semantic = self._forms(ch, "kSemanticVariant")
        form = next((f for f in semantic if f in self.simplified_set), None)
        if form:
            return form
        return next((f for f in map(self._simplified, semantic) if f), ch)


# ---------------------------------------------------------------- the works

Poem = collections.namedtuple("Poem", "work section title author paragraphs")


def read_works(data):
    """Every poem of the four works, in the order of the works and, within one, of its file."""
    folder = os.path.join(data, "classics")

    def load(name):
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            return json.load(f)

    poems = []
    for p in load("shijing.json"):
        poems.append(Poem("诗经", p["chapter"] + "·" + p["section"], p["title"], "", p["content"]))
    for p in load("chuci.json"):
        # A piece that is a section of its own (离骚, 天问) names it once.
        section = "" if p["section"] == p["title"] else p["section"]
        poems.append(Poem("楚辞", section, p["title"], p["author"], p["content"]))
    for form in load("tangshisanbaishou.json")["content"]:
        for p in form["content"]:
            poems.append(Poem("唐诗三百首", form["type"], p["chapter"], p["author"],
                              p["paragraphs"]))
    for p in load("songci300.json"):
        # A ci is known by its tune.
        poems.append(Poem("宋词三百首", "", p["rhythmic"], p["author"], p["paragraphs"]))
    return poems


def clean_text(text, simplify):
    text = text.translate(FULL_WIDTH).replace(" ", "").replace("\u3000", "")
    return "".join(simplify(ch) for ch in text)


def sentences_of(paragraphs, simplify):
    """The poem's sentences without the editors' notes. A sentence ends at 。！？ (with any
    closing mark after it) and at the end of a paragraph that ends in no mark at all (楚辞
    writes many couplets so); a paragraph that ends in ，；：、 runs on into the next."""
    text = "\n".join(paragraphs)
    while True:
        stripped = NOTE.sub("", text)
        if stripped == text:
            break
        text = stripped
    out = []
    current = ""

    def close():
        nonlocal current
        if any(is_han(ch) for ch in current):
            out.append(current)
        current = ""

    for paragraph in text.split("\n"):
        paragraph = clean_text(paragraph, simplify)
        i = 0
        while i < len(paragraph):
            current += paragraph[i]
            i += 1
            if current[-1] in SENTENCE_ENDS:
                while i < len(paragraph) and paragraph[i] in CLOSING_MARKS:
                    current += paragraph[i]
                    i += 1
                close()
        if current and current[-1] not in LINE_BREAKS:
            close()
    close()
    return out


def lines_of(sentence):
    """The sentence's lines as lists of (offset in the sentence, character); a character
    spelt out by its parts counts as one character that is in no table."""
    lines, current = [], []
    i = 0
    while i < len(sentence):
        ch = sentence[i]
        spelt = SPELT_OUT.match(sentence, i)
        if spelt:
            current.append((i, spelt.group()))
            i = spelt.end()
            continue
        if ch in LINE_BREAKS:
            if current:
                lines.append(current)
            current = []
        elif is_han(ch):
            current.append((i, ch))
        elif ch not in QUOTE_MARKS:
            sys.exit(f"unexpected character {ch!r} (U+{ord(ch):04X}) in {sentence!r}")
        i += 1
    if current:
        lines.append(current)
    return lines


# ---------------------------------------------------------------- names

class Eligibility:
    """Which characters may stand where in a name of each sex."""

    def __init__(self, pools_folder, table, threshold=WEIGHT_THRESHOLD):
        self.threshold = threshold
        self.weights = {}
        for sex, _ in SEXES:
            for position in pools_files.POSITIONS:
                path = pools_files.ranking_path(pools_folder, sex, position)
                self.weights[sex, position] = dict(pools_files.read_ranking(path))
        self.table = table

    def usable(self, ch):
        return ch in self.table and ch not in pools_generate.ILL_OMENED

    def pair(self, sex, first, second):
        return (first != second and self.usable(first) and self.usable(second)
                and self.weights[sex, 1][first] > self.threshold
                and self.weights[sex, 2][second] > self.threshold)

    def single(self, sex, ch):
        # A one-character name stands where the first character of a name does; like the
        # single-name step of the pools it takes a character heavy enough in either table.
        return self.usable(ch) and max(self.weights[sex, 1][ch],
                                       self.weights[sex, 2][ch]) > self.threshold


Source = collections.namedtuple("Source", "poem sentence offsets")


def best_sources(poems, simplify):
    """(sentences of every poem, {name: first Source}) over every name a line offers: every
    character, and every ordered pair of different characters at most MAX_DISTANCE apart."""
    all_sentences = []
    sources = {}
    for number, poem in enumerate(poems):
        sentences = sentences_of(poem.paragraphs, simplify)
        all_sentences.append(sentences)
        for s, sentence in enumerate(sentences):
            for line in lines_of(sentence):
                for i, (offset, ch) in enumerate(line):
                    sources.setdefault(ch, Source(number, s, (offset,)))
                    for later_offset, later in line[i + 1:i + 1 + MAX_DISTANCE]:
                        if later != ch:
                            sources.setdefault(ch + later, Source(number, s, (offset, later_offset)))
    return all_sentences, sources


def eligible_names(sources, eligibility):
    """[(source, name, sexes)] of every name some sex may bear, in the order of the sources."""
    out = []
    for name, source in sources.items():
        sexes = []
        for sex, label in SEXES:
            fits = (eligibility.single(sex, name) if len(name) == 1
                    else eligibility.pair(sex, name[0], name[1]))
            if fits:
                sexes.append(label)
        if sexes:
            out.append((source, name, "".join(sexes)))
    out.sort(key=lambda entry: (entry[0].poem, entry[0].sentence, entry[0].offsets))
    return out


# ---------------------------------------------------------------- output

def name_counts(names):
    """{(sex label, name length): number of names}."""
    counts = collections.Counter()
    for _, name, sexes in names:
        for label in sexes:
            counts[label, len(name)] += 1
    return counts


def figures_table(poems, all_sentences, names):
    """The report's table: per work the poems and lines that are the best source of a name,
    and the names per sex and length."""
    poems_of = collections.defaultdict(set)
    lines_of_work = collections.Counter()
    for number, sentences in enumerate(all_sentences):
        lines_of_work[poems[number].work] += sum(len(lines_of(s)) for s in sentences)
    used_lines = collections.defaultdict(set)
    names_of = collections.defaultdict(list)
    for entry in names:
        source = entry[0]
        work = poems[source.poem].work
        poems_of[work].add(source.poem)
        line = next(i for i, line in enumerate(lines_of(all_sentences[source.poem][source.sentence]))
                    if source.offsets[0] in {o for o, _ in line})
        used_lines[work].add((source.poem, source.sentence, line))
        names_of[work].append(entry)
    poems_in_work = collections.Counter(p.work for p in poems)

    def row(title, works):
        counts = name_counts([e for w in works for e in names_of[w]])
        cells = [title,
                 f"{sum(len(poems_of[w]) for w in works)} of {sum(poems_in_work[w] for w in works)}",
                 f"{sum(len(used_lines[w]) for w in works)} of {sum(lines_of_work[w] for w in works)}"]
        cells += [str(counts[sex, length]) for length in (2, 1) for _, sex in SEXES]
        return "| " + " | ".join(cells) + " |"

    return "\n".join([row(w, [w]) for w in WORKS] + [row("all", WORKS)])


def threshold_table(sources, eligibility_at):
    rows = []
    for threshold in THRESHOLDS_COMPARED:
        counts = name_counts(eligible_names(sources, eligibility_at(threshold)))
        cells = [str(threshold)] + [str(counts[sex, length]) for length in (2, 1)
                                    for _, sex in SEXES]
        rows.append("| " + " | ".join(cells) + " |")
    return "\n".join(rows)


def readme_text(names, figures, thresholds):
    both = sum(1 for _, _, sexes in names if len(sexes) == 2)
    return f"""# Names from the classics: data report

Written by `tools/poetry_generate.py` together with the two data files; a test rebuilds all
three byte for byte whenever the staged verse is present. Change the generator, not the files.
`tools/poetry_compile.py` turns the data files into the program's tables at build time and
stops the build on a name whose characters the table lacks or whose source does not hold them.

| file | holds |
| --- | --- |
| `poems.tsv` | every poem that is the best source of a name, in simplified characters, one sentence a line |
| `names.tsv` | every name, the sexes it may be given to, and its best source: poem, sentence, and where its characters stand |

## Source

诗经 (305 poems), 楚辞 (65 pieces), 唐诗三百首 (320 poems) and 宋词三百首 (280 ci) from the npm
package `chinese-poetry` 2.0.1 (MIT, copyright 2016 JackeyGao; notice in `NOTICE`). Only what
this generator derives ships; the raw files do not.

## Method

- **Text.** The editors' notes on variant readings ("(明年 一作：年年)") are dropped and the
  few half-width marks made full-width. 唐诗三百首 and most of 宋词三百首 are in traditional
  characters: every character outside GB 2312, the simplified set (Unihan `kGB0`), becomes
  the first of its simplified forms by Unihan's `kSimplifiedVariant` that GB 2312 holds
  (復 → 复, 鍾 → 钟); one without such a form takes the first of its semantic variants in
  GB 2312 (峯 → 峰, 臥 → 卧) or the simplified form of one (爲 → 為 → 为, 衆 → 眾 → 众).
  Characters of GB 2312 stay as they are, so 著, 覆 and 乾 keep their classical use; a
  character none of these rules reach stays as written (遊, and rare characters of 诗经 and
  楚辞 that have no simplified form).
- **Sentences.** A sentence ends at 。！？, and at the end of a couplet that ends in no mark
  (as many in 楚辞 do); a couplet ending in ，；：、 runs on into the next.
- **Lines.** A sentence splits into lines at ，；：、 as well as at its end. A name
  comes from one line: every character, and every ordered pair of two different characters of
  which the second stands at most {MAX_DISTANCE} characters after the first (窈窕淑女 gives 窈窕, 窈淑,
  窈女, 窕淑, 窕女, 淑女). Quotation marks and book-title marks count for nothing.
- **Characters a name may hold.** Both characters are in the character table and neither is
  among the characters of ill meaning that the name pools set aside (死, 病, 哀, 伤, 泣, 恶 …,
  listed in `tools/pools_generate.py`). The first character must weigh more than
  {WEIGHT_THRESHOLD} in that sex's rank table of first characters, the second more than {WEIGHT_THRESHOLD} in its
  table of second characters; a one-character name needs that weight in either table.
- **Why {WEIGHT_THRESHOLD}.** It is the weight above which the pools themselves offer a character as a
  one-character name (1493 characters for boys, 1054 for girls), and the point where the rank
  tables stop following counted use: below it their weights are only the extrapolated tail
  of rare characters whose counts are noise. Each character of a name from the classics
  should be one that parents of that sex do give. Below {WEIGHT_THRESHOLD} the names grow fast (see the
  comparison below) with the vocabulary of the verse that nobody names a child with: 雎, 鸠,
  荇, 窈, 窕 and 逑 weigh under 40 in every table, so 窈窕 and 好逑 are no names. Above it,
  poetic characters that girls do bear are lost first, as the girls' second-character table
  weighs less throughout: 芷 and 蕙 (169 and 171 as a girl's first character, 109 and 110 as
  her second) are gone at 200, where the girls' two-character names fall to 40 %.
- **Best source.** A name keeps the first place it stands: 诗经 before 楚辞 before 唐诗三百首
  before 宋词三百首, within a work the order of the poems in the source file, then the earliest
  sentence and line. `poems.tsv` holds only the poems that are the best source of some name,
  each whole, so that a name can be shown with its poem.

## Figures

{len(names)} names, {both} of them for both sexes. A poem or line is used when it is the best source
of at least one name.

| work | poems used | lines used | 双字 男 | 双字 女 | 单字 男 | 单字 女 |
| --- | --- | --- | --- | --- | --- | --- |
{figures}

Names at other thresholds, for comparison (the same rules otherwise):

| threshold | 双字 男 | 双字 女 | 单字 男 | 单字 女 |
| --- | --- | --- | --- | --- |
{thresholds}

## Known limits

- The rules look at characters, not at words: two characters close together in a line need
  not make sense together (在洲, 江人). The score, the sorting and the line shown with every
  name let the parent judge.
- Particles of classical grammar that the rank tables count among name characters, because
  names do use them (之 as in 羲之, 其, 有, 以, 为), begin or end many names (之洲, 有秋).
"""


def notice_text(data):
    with open(os.path.join(data, "classics", "LICENSE"), encoding="utf-8") as f:
        licence = "\n".join(line.rstrip() for line in f.read().strip().splitlines())
    return ("The files poems.tsv and names.tsv in this folder are derived from 诗经, 楚辞,\n"
            "唐诗三百首 and 宋词三百首 of the npm package chinese-poetry 2.0.1\n"
            "(https://github.com/chinese-poetry/chinese-poetry), distributed under the following\n"
            "licence. The text was converted to simplified characters and stripped of editors'\n"
            "notes.\n\n"
            f"{'=' * 72}\nchinese-poetry\n{'=' * 72}\n\n{licence}\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(os.path.dirname(REPO), "shared", "data"))
    parser.add_argument("--out", default=os.path.join(REPO, "naming", "data", "classics"))
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in OUT instead of writing them")
    args = parser.parse_args()
    if not os.path.isdir(os.path.join(args.data, "classics")):
        print(f"no staged verse at {args.data}")
        return SKIPPED if args.check else 1

    table = set(pools_files.read_character_rows(os.path.join(REPO, "dict", "data", "characters.tsv")))
    simplify = Simplifier(args.data)
    # Titles, sections and authors read in simplified characters like the verse.
    poems = [p._replace(section=clean_text(p.section, simplify), title=clean_text(p.title, simplify),
                        author=clean_text(p.author, simplify))
             for p in read_works(args.data)]
    all_sentences, sources = best_sources(poems, simplify)
    pools_folder = os.path.join(REPO, "naming", "data")
    eligibility = Eligibility(pools_folder, table)
    names = eligible_names(sources, eligibility)
    used = sorted({source.poem for source, _, _ in names})
    files = {
        "poems.tsv": poetry_files.poems_text(
            poetry_files.Poem(n, poems[n].work, poems[n].section, poems[n].title, poems[n].author,
                              all_sentences[n])
            for n in used),
        "names.tsv": poetry_files.names_text(
            poetry_files.Name(name, sexes, source.poem, source.sentence, source.offsets)
            for source, name, sexes in names),
        "README.md": readme_text(
            names, figures_table(poems, all_sentences, names),
            threshold_table(sources, lambda t: Eligibility(pools_folder, table, t))),
        "NOTICE": notice_text(args.data),
    }
    return generated_files.write_or_check(files, args.out, args.check, "poetry_generate.py")


if __name__ == "__main__":
    sys.exit(main())
