#!/usr/bin/env python3
"""Turns calendar/data/leap_months.tsv into the C++ digit string the calendar compiles in.

Usage: calendar_embed_leap_months.py <leap_months.tsv> <output.inc>

The data file has one row per lunar year from -849 to 2100 (year 0 included): the year and
the month its leap month follows, 0 when it has none. Comment lines start with '#'. The output
defines `LeapMonthDigits`, one character per year ('0' … '9', 'a' … 'c' for 10 … 12).
"""

import sys

FIRST_YEAR = -849
LAST_YEAR = 2100
DIGITS = "0123456789abc"


def read_rows(path):
    rows = {}
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 2:
                sys.exit(f"{path}:{number}: expected 'year<TAB>leap month'")
            year, month = int(fields[0]), int(fields[1])
            if not FIRST_YEAR <= year <= LAST_YEAR or not 0 <= month <= 12 or year in rows:
                sys.exit(f"{path}:{number}: year or month out of range, or year repeated")
            rows[year] = month
    missing = [y for y in range(FIRST_YEAR, LAST_YEAR + 1) if y not in rows]
    if missing:
        sys.exit(f"{path}: no row for the years {missing[:5]} …")
    if rows[0] != 0:
        sys.exit(f"{path}: the year 0 holds no leap month")
    return rows


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    rows = read_rows(sys.argv[1])
    digits = "".join(DIGITS[rows[y]] for y in range(FIRST_YEAR, LAST_YEAR + 1))
    lines = [digits[i:i + 100] for i in range(0, len(digits), 100)]
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write(f"// Generated from {sys.argv[1].split('/')[-1]}; do not edit.\n")
        out.write("inline constexpr std::string_view LeapMonthDigits =\n")
        out.write("\n".join(f'    "{line}"' for line in lines))
        out.write(";\n")


if __name__ == "__main__":
    main()
