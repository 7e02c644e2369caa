#!/usr/bin/env python3
"""Prints the figures of the name-pool data files that the data report quotes: different
characters per position of each pair pool, repeated-character names, and records above 100."""

import argparse
import os

import pools_files


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--pools", default=os.path.join(repo, "naming", "data"))
    args = parser.parse_args()
    for sex in pools_files.SEXES:
        names = pools_files.read_pairs(pools_files.pairs_path(args.pools, sex))
        firsts = {n[0] for n in names}
        seconds = {n[1] for n in names}
        repeated = sum(1 for n in names if n[0] == n[1])
        offered = set()
        above = []
        for position in pools_files.POSITIONS:
            records = pools_files.read_ranking(pools_files.ranking_path(args.pools, sex, position))
            kept = {g for g, w in records if w > 100}
            above.append(len(kept))
            offered |= kept
        print(f"{sex}: {len(names)} names, {len(firsts)} first characters, "
              f"{len(seconds)} second characters, {repeated} repeated-character names, "
              f"{len(firsts | seconds)} characters in all; "
              f"above 100: position 1 {above[0]}, position 2 {above[1]}, together {len(offered)}")


if __name__ == "__main__":
    main()
