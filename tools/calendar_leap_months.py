#!/usr/bin/env python3
"""Derives the leap months of the lunar years -849 … 2100 and writes calendar/data/leap_months.tsv.

Usage: calendar_leap_months.py [output.tsv]

The calendar places the days of a lunar month by its new-moon series and numbers the months by
counting synodic months, corrected by a table of leap months and their running count. Only the
leap months of 1900 … 2100 are published facts; the older ones are derived here from the very
series the calendar uses, so the table and the day placement agree:

1. New moons. For every solar year the series gives the day numbers of its new moons (the whole
   lunation offsets -1 … 13); a new moon counts for the year whose days it falls among. These
   are exactly the days on which the calendar's lunar day is 1.
2. Principal terms. The even solar terms (大寒, 雨水 … 冬至) of the solar-term formula, floored
   to their day numbers.
3. Numbering. The month holding 冬至 is 十一月. Between two consecutive 冬至 months there are 12
   or 13 months; with 13, the first month without a principal term is the leap month, numbered
   after the month before it, and it belongs to the lunar year whose 正月 precedes it. A lunar
   year is named by the solar year its 正月初一 falls in.
4. Labelling. The calendar's month formula cannot label every placement: a leap 正月 that begins
   in February, or a leap 十二月 around 1 January, gets two different numbers within one month.
   For the years 1 … 1899 every day is labelled with a port of that formula; where a month is
   labelled inconsistently, the leap month moves to the nearest month (one later, then one
   earlier, then two) whose labels are consistent in the years around it. The reigns of the
   years 9 … 23 and 238 … 240 began their years a month earlier; the formula numbers those years
   one month higher, and the one jump in numbering at each reform is left as history has it.
5. Years -849 … 0 follow steps 1 … 3 only: the formula's own adjustments for those eras belong
   to another table, so their labels cannot be made consistent by moving leap months. The day
   count has a year 0 (1 BC, between -1 and 1), but the tables give it no leap month and no
   count of its own, so a leap month the rule finds in it is dropped.

The derived 1900 … 2100 must equal the published leap months, which checks the method; the run
stops otherwise. The running count is anchored at 1899 → 1010 by the calendar itself.
"""

import bisect
import math
import sys

FIRST_YEAR = -849
LAST_YEAR = 2100
CHECKED_YEARS = range(1, 1900)
REFORM_YEARS = (9, 24, 238, 241)  # first years of a changed numbering
PUBLISHED = {  # year: leap month, 1900 … 2100
    1900: 8, 1903: 5, 1906: 4, 1909: 2, 1911: 6, 1914: 5, 1917: 2, 1919: 7, 1922: 5, 1925: 4,
    1928: 2, 1930: 6, 1933: 5, 1936: 3, 1938: 7, 1941: 6, 1944: 4, 1947: 2, 1949: 7, 1952: 5,
    1955: 3, 1957: 8, 1960: 6, 1963: 4, 1966: 3, 1968: 7, 1971: 5, 1974: 4, 1976: 8, 1979: 6,
    1982: 4, 1984: 10, 1987: 6, 1990: 5, 1993: 3, 1995: 8, 1998: 5, 2001: 4, 2004: 2, 2006: 7,
    2009: 5, 2012: 4, 2014: 9, 2017: 6, 2020: 4, 2023: 2, 2025: 6, 2028: 5, 2031: 3, 2033: 11,
    2036: 6, 2039: 5, 2042: 2, 2044: 7, 2047: 5, 2050: 3, 2052: 8, 2055: 6, 2058: 4, 2061: 3,
    2063: 7, 2066: 5, 2069: 4, 2071: 8, 2074: 6, 2077: 4, 2080: 3, 2082: 7, 2085: 5, 2088: 4,
    2090: 8, 2093: 6, 2096: 4, 2099: 2,
}
ANCHOR_YEAR, ANCHOR_COUNT = 1899, 1010
LUNAR_EPOCH_DAY = -310443
SYNODIC_MONTH = 29.530588


# --- The calendar's arithmetic, operation for operation (truncating div and mod). ---

def tdiv(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b > 0) else -q


def tmod(a, b):
    return a - b * tdiv(a, b)


def is_julian(y, m, d):
    return y < 1582 or (y == 1582 and (m < 10 or (m == 10 and d <= 4)))


def in_gap(y, m, d):
    return y == 1582 and m == 10 and 5 <= d <= 14


def is_leap_year(y):
    if y >= 1583:
        return y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)
    return tmod(y, 4) == 0 if y >= 0 else tmod(y - 3, 4) == 0


def days_in_month(y, m):
    if m == 2:
        return 29 if is_leap_year(y) else 28
    return 30 if m in (4, 6, 9, 11) else 31


def day_number(y, m, d):
    n = d + sum(days_in_month(y, i) for i in range(1, m))
    p = y - 1
    if in_gap(y, m, d):
        return 0
    if is_julian(y, m, d):
        return n + 365 * p + tdiv(p, 4) - 2
    return n + 365 * p + tdiv(p, 4) - tdiv(p, 100) + tdiv(p, 400)


def frac_part(x):
    return x - math.trunc(x) if x > 0 else x + math.trunc(x)


def real_mod(x, n):
    return n * frac_part(x / n)


def mean_argument(k, t, rate, base, c2, c3):
    return 2 * math.pi * frac_part(k * rate) + base - c2 * t * t - c3 * t * t * t


RADIANS_PER_DEGREE = 1.0 / 57.29577951308232


def new_moon_days(year):
    """Day numbers of the new moons the series gives for a solar year, in order."""
    t = (year - 1899.5) / 100
    k = math.floor((year - 1900) * 12.3685)
    f = mean_argument(k, t, 0, 0.75933, 0.0002172, 0.000000155)
    m0 = f + 0.53058868 * k - 0.000837 * t + 8.0 / 24 + 0.5
    e1 = 0.1734 - 0.000393 * t
    base = 29 * k + 693595
    r = RADIANS_PER_DEGREE
    ms = mean_argument(k, t, 0.08084821133, 359.2242 * r, 0.0000333 * r, 0.00000347 * r)
    mm = mean_argument(k, t, 0.07171366128, 306.0253 * r, -0.0107306 * r, -0.00001236 * r)
    fm = mean_argument(k, t, 0.08519585128, 21.2964 * r, 0.0016528 * r, 0.00000239 * r)
    days = []
    for v in range(-1, 14):
        a = ms + 0.507984293 * v
        c = mm + 6.73377553 * v
        g = fm + 6.818486628 * v
        s = e1 * math.sin(a) + (1.53058868 * v + m0)
        s -= 0.4068 * math.sin(c)
        s += 0.0021 * math.sin(2 * a)
        s += 0.0161 * math.sin(2 * c)
        s += 0.0104 * math.sin(2 * g)
        s -= 0.0074 * math.sin(a - c)
        s -= 0.0051 * math.sin(a + c)
        days.append(math.floor(28 * v + base + s))
    return days


def principal_term_days(formula_year):
    """Day numbers of the even solar terms 2 … 24 (大寒 … 冬至) of a year of the formula."""
    y = float(formula_year)
    start = day_number(formula_year, 1, 0)
    days = []
    for n in range(2, 25, 2):
        a = (y * (365.2423112 - 0.000000000000064 * (y - 100) * (y - 100)
                  - 0.00000003047 * (y - 100)) + 15.218427 * n + 1721050.71301)
        theta = 0.0003 * y - 0.372781384 - 0.2617913325 * n
        c = (1.945 * math.sin(theta) - 0.01206 * math.sin(2 * theta)) * (1.048994 - 0.00002583 * y)
        d = -0.0018 * math.sin(2.313908653 * y - 0.439822951 - 3.0443 * n)
        days.append(math.floor((a + c + d) - start - 1721425) + start)
    return days


# --- Steps 1 … 3: the astronomical leap months. ---

def month_starts():
    starts = set()
    for year in range(FIRST_YEAR - 1, LAST_YEAR + 2):
        # Up to the next year's first day: the day count skips a number at some year ends
        # before the year 1, and a new moon there still begins a month.
        first, end = day_number(year, 1, 1), day_number(year + 1, 1, 1)
        starts.update(d for d in new_moon_days(year) if first <= d < end)
    return sorted(starts)


def astronomical_leap_months(starts):
    def month_of(day):
        return bisect.bisect_right(starts, day) - 1

    with_term = set()
    solstice_months = set()
    for formula_year in range(FIRST_YEAR - 1, LAST_YEAR + 2):
        terms = principal_term_days(formula_year)
        with_term.update(month_of(d) for d in terms)
        solstice_months.add(month_of(terms[-1]))
    solstice_months = sorted(solstice_months)

    year_starts = [day_number(y, 1, 1) for y in range(FIRST_YEAR - 1, LAST_YEAR + 2)]

    def solar_year_of(day):
        return FIRST_YEAR - 1 + bisect.bisect_right(year_starts, day) - 1

    leap = {}
    lunar_year = None
    for a, b in zip(solstice_months, solstice_months[1:]):
        if b - a not in (12, 13):
            sys.exit(f"{b - a} months between the solstice months of day {starts[a]} and {starts[b]}")
        leap_month = None
        if b - a == 13:
            leap_month = next(j for j in range(a + 1, b) if j not in with_term)
        number = 11
        for j in range(a + 1, b + 1):
            if j == leap_month:
                if lunar_year is not None:
                    leap[lunar_year] = number
                continue
            number = number % 12 + 1
            if number == 1:
                lunar_year = solar_year_of(starts[j])
    return {y: leap.get(y, 0) for y in range(FIRST_YEAR, LAST_YEAR + 1)}


# --- Step 4: the month labels of the calendar's formula. ---

def leap_counts(leap):
    counts = {ANCHOR_YEAR: ANCHOR_COUNT}
    for y in range(ANCHOR_YEAR + 1, LAST_YEAR + 1):
        counts[y] = counts[y - 1] + (1 if leap[y] else 0)
    for y in range(ANCHOR_YEAR - 1, FIRST_YEAR - 1, -1):
        if y != 0:
            following = 1 if y == -1 else y + 1
            counts[y] = counts[following] - (1 if leap[following] else 0)
    counts[0] = counts[-1]
    return counts


class MonthLabels:
    def __init__(self, leap):
        self.leap = leap
        self.counts = leap_counts(leap)
        self.new_moons = {}

    def lunar_day(self, year, day_num):
        if year not in self.new_moons:
            self.new_moons[year] = new_moon_days(year)
        moons = self.new_moons[year]
        i = bisect.bisect_right(moons, day_num) - 1
        return day_num - moons[i] + 1 if i >= 0 and day_num - moons[i] <= 29 else -1

    def label(self, y, m, d, day_num, e):
        g = round((day_num - LUNAR_EPOCH_DAY - e) / SYNODIC_MONTH) - self.counts[y]
        g += (y <= 240) - (y <= 237) + (y < 24) - (y < 9)
        g += (y <= -255) + 2 * (y <= -256) + (y <= -722) - 3
        v = round(real_mod(float(g), 12) + 1)
        if self.leap.get(y - 1, -1) == v and m == 1 and d < e:
            return -v
        w = self.leap[y]
        if w == v:
            return -v if m >= 3 or w == 12 else v + 1
        if w > v or (m < v and w > 0):
            v += 1
        return round(real_mod(float(v - 1), 12) + 1)


def labelling_faults(leap, years):
    """Months labelled inconsistently, or out of order, within the years; as (year, month, day)
    of their first day in range. The reform jumps are allowed."""
    labels = MonthLabels(leap)
    months = {}
    for y in years:
        for m in range(1, 13):
            for d in range(1, days_in_month(y, m) + 1):
                if in_gap(y, m, d):
                    continue
                day_num = day_number(y, m, d)
                e = labels.lunar_day(y, day_num)
                months.setdefault(day_num - e + 1, []).append(
                    (labels.label(y, m, d, day_num, e), (y, m, d)))
    faults = []
    previous = None
    for start in sorted(months):
        days = months[start]
        distinct = {label for label, _ in days}
        first_day = days[0][1]
        crosses_reform = any(date[0] in REFORM_YEARS and date[1] == 1 for _, date in days)
        if len(distinct) != 1:
            if not crosses_reform:
                faults.append(first_day)
            previous = None
            continue
        label = distinct.pop()
        if previous is not None and not crosses_reform:
            repeats = label == -previous and previous > 0
            follows = label > 0 and label == abs(previous) % 12 + 1
            if not (repeats or follows):
                faults.append(first_day)
        previous = label
    return faults


def moved(leap, year, shift):
    """The table with the leap month of year moved shift months on, across the new year."""
    result = dict(leap)
    month = leap[year] + shift
    result[year] = 0
    if month > 12:
        result[year + 1] = month - 12
    elif month < 1:
        result[year - 1] = month + 12
    else:
        result[year] = month
    return result


def relabel(leap):
    changes = []
    for fault in labelling_faults(leap, CHECKED_YEARS):
        year = fault[0]
        if not labelling_faults(leap, range(max(1, year - 2), min(1899, year + 2) + 1)):
            continue  # mended by an earlier move
        for leap_year in (y for y in (year, year - 1, year + 1) if leap.get(y)):
            trials = (moved(leap, leap_year, s) for s in (1, -1, 2, -2))
            fitting = next((t for t in trials if t.keys() == leap.keys() and not labelling_faults(
                t, range(max(1, leap_year - 2), min(1899, leap_year + 2) + 1))), None)
            if fitting:
                changes.append((leap_year, leap[leap_year], fitting))
                leap = fitting
                break
        else:
            sys.exit(f"no leap month near {fault} labels consistently")
    if labelling_faults(leap, CHECKED_YEARS):
        sys.exit("months still labelled inconsistently")
    return leap, changes


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "calendar/data/leap_months.tsv"
    starts = month_starts()
    leap = astronomical_leap_months(starts)
    for y in range(1900, LAST_YEAR + 1):
        if leap[y] != PUBLISHED.get(y, 0):
            sys.exit(f"derived leap month {leap[y]} for {y}, published {PUBLISHED.get(y, 0)}")
    dropped, leap[0] = leap[0], 0
    leap, changes = relabel(leap)

    print(f"dropped: leap month {dropped} of the year 0")

    for year, before, table in changes:
        after = [(y, table[y]) for y in (year - 1, year, year + 1) if table.get(y)]
        print(f"moved: {year} leap {before} -> {after}")
    counts = leap_counts(leap)
    print("counts:", ", ".join(f"{y} → {counts[y]}" for y in
                               (-849, -848, -1, 1, 1199, 1200, 1499, 1500, 1899, 2100)))
    print("leap years -849 … 0:", sum(1 for y in range(FIRST_YEAR, 1) if leap[y]))
    print("digits -849 … -834:", "".join("0123456789abc"[leap[y]] for y in range(-849, -833)))

    with open(output, "w", encoding="utf-8") as out:
        out.write("# Leap months of the lunar years -849 … 2100: the month each year's leap month\n")
        out.write("# follows, 0 for none. Derived by tools/calendar_leap_months.py; 1900 … 2100\n")
        out.write("# are the published ones.\n")
        out.write("# year\tleap month\n")
        for y in range(FIRST_YEAR, LAST_YEAR + 1):
            out.write(f"{y}\t{leap[y]}\n")


if __name__ == "__main__":
    main()
