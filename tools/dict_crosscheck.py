#!/usr/bin/env python3
"""Compares dict/data/characters.tsv with a second, unlicensed character table.

    tools/dict_crosscheck.py [--data DIR]

The second table (a list of the 8105 standard characters with readings, radicals, strokes and
elements) has no licence, so nothing of it is shipped; it only tells how far our columns agree
with an independent compilation, and lists the disagreements to review.
"""

import argparse
import csv
import os
import unicodedata

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def plain(reading):
    letters = []
    for ch in unicodedata.normalize("NFD", reading.strip().lower()):
        if ch == "\u0308":
            letters[-1] = "v"
        elif not unicodedata.combining(ch):
            letters.append(ch)
    return "".join(letters)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(os.path.dirname(REPO), "shared", "data"))
    parser.add_argument("--show", type=int, default=30, help="disagreements listed per column")
    args = parser.parse_args()

    with open(os.path.join(REPO, "dict", "data", "characters.tsv"), encoding="utf-8") as f:
        ours = {row["glyph"]: row for row in csv.DictReader(f, delimiter="\t")}
    with open(os.path.join(args.data, "qiming-gsc", "gsc_pinyin.csv"), encoding="utf-8") as f:
        theirs = {row["word"]: row for row in csv.DictReader(f)}

    checks = {
        "element by meaning": lambda o, t: t["wuxing"] in ("", "-") or o["meaning"] == t["wuxing"],
        "radical": lambda o, t: not t["radical"] or o["radical_glyph"] == t["radical"],
        "simplified strokes": lambda o, t: o["simplified"] == t["stroke_count"],
        "readings": lambda o, t: set(o["pinyin"].strip(",").split(",")) == {plain(p) for p in t["pinyin"].split(",")},
    }
    shared = [c for c in ours if c in theirs]
    print(f"{len(shared)} of {len(ours)} rows are in the second table")
    for name, agrees in checks.items():
        differing = [c for c in shared if not agrees(ours[c], theirs[c])]
        print(f"{name}: {len(shared) - len(differing)} agree, {len(differing)} differ")
        for c in differing[:args.show]:
            o, t = ours[c], theirs[c]
            print(f"  {c} ours {o['meaning']} {o['radical_glyph']} {o['simplified']} {o['pinyin']}"
                  f" / theirs {t['wuxing']} {t['radical']} {t['stroke_count']} {t['pinyin']}")


if __name__ == "__main__":
    main()
