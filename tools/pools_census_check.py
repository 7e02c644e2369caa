#!/usr/bin/env python3
"""Checks the pair pools against real name counts: how many of the census list's most common
two-character given names of each sex the pool holds among its first 10000 names, and at all.

The census list (chinesenames-census/top1000name.prov.csv, the 1000 most common given names of
2008 with counts by sex) is licensed for non-commercial use only, so it serves this check alone:
nothing it contains goes into the program or its data files.
"""

import argparse
import csv
import os

import pools_files

LEADING = 10000


def census_names(data_dir):
    """Two-character names of the list with their men's and women's counts."""
    path = os.path.join(data_dir, "chinesenames-census", "top1000name.prov.csv")
    with open(path, encoding="utf-8-sig") as f:
        return [(row["name"], int(row["n.male"]), int(row["n.female"]))
                for row in csv.DictReader(f) if len(row["name"]) == 2]


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--data", default=os.path.join(repo, "..", "shared", "data"))
    parser.add_argument("--pools", default=os.path.join(repo, "naming", "data"))
    args = parser.parse_args()

    names = census_names(args.data)
    for column, sex in enumerate(pools_files.SEXES):
        pool = pools_files.read_pairs(pools_files.pairs_path(args.pools, sex))
        leading, whole = set(pool[:LEADING]), set(pool)
        # A name belongs to the sex that bears it more often.
        own = [n for n, *counts in names if counts[column] > counts[1 - column]]
        in_leading = sum(1 for n in own if n in leading)
        in_whole = sum(1 for n in own if n in whole)
        missing = [n for n in own if n not in whole]
        print(f"{sex}: {len(own)} census names mostly of this sex; "
              f"{in_leading} among the pool's first {LEADING} ({100 * in_leading / len(own):.1f} %), "
              f"{in_whole} in the whole pool ({100 * in_whole / len(own):.1f} %)")
        if missing:
            print("  not in the pool: " + " ".join(missing))


if __name__ == "__main__":
    main()
