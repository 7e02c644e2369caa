#!/usr/bin/env python3
"""Builds the name-pool data files (naming/data/*.tsv) from per-character name counts by sex.

Input: ngender/charfreq.csv (MIT; how often each character occurs in given names of men and of
women) from the staged data folder, and the character table's row order (dict/data/characters.tsv).
The same inputs always give the same files, byte for byte; --check compares them with the
committed files instead of writing them.

Only counts per character and sex exist, with no split by position and no list of full names,
so the pools are estimated:
  * Rankings: the fixed head (ranks 0 … 400) of each position, then every other character by
    that sex's count, ties by table row, characters of ill meaning last with weight 0. Weights
    pass exactly through the anchor weights; between anchors their curve follows the logarithm
    of the counts. The weight falls to 100 or less exactly where the threshold of offered single
    names lies.
  * The second-position ranking trades a few of its characters just above that threshold for the
    next characters that the first position does not offer, until the two positions together
    offer the required number of different characters.
  * Pair pools: the pinned first and last names; between them, most popular first, names whose
    estimated popularity is the product of the two position weights, lowered for a character
    that mostly belongs to the other sex. A pool made of the highest products alone would hold
    only the few hundred most used characters, where a real list of 50000 names reaches well over
    a thousand, rarer characters appearing with their favourite partners; so the pool holds
      1. for every character whose weight reaches a floor, its best partners;
      2. every repeated-character name whose character is common at both positions;
      3. then the highest products until it is full.
"""

import argparse
import csv
import filecmp
import heapq
import math
import os
import sys
import tempfile

import pools_files
import pools_pinned

SKIPPED = 77  # exit status of --check without the staged data, a skip for the test runner

# A character whose share of use by the other sex is so high that its own share stays under
# this level looks odd in a name of this sex: its popularity estimate falls with the square of
# how far it stays under.
OWN_SEX_SHARE_FULL = 0.2

# A repeated character (婷婷, 强强) makes a name of the pool when the character ranks this high at
# both positions and suits the sex; its estimate is the product of weights times this factor
# (numerator, denominator). Repetition is far more usual in girls' names than in boys'.
REPEAT_RANK_LIMIT = {"male": 401, "female": 500}
REPEAT_FACTOR = {"male": (1, 4), "female": (1, 1)}

# Characters that never make a repeated name: doubled they read as an everyday word (刚刚 "just
# now", 太太 "wife", 常常 "often"), a function word, a number or a family name.
REPEAT_NEVER = set("刚太常其有会来为能之以行名才和同前生多大家女男儿人自从在必老再现相本改曾"
                   "一二三四九万日高陈李胡刘王张周杨余令格裙粉椒")

# Characters of ill meaning no parent gives a child: death, disease and misfortune, crime and
# violence, ill feeling and insult, the body's waste and ailments, vermin and poison. The counts
# hold them as noise; past the fixed head of a ranking they stand last with weight 0, so that no
# name of a pool and no name offered alone is made of them.
ILL_OMENED = set(
    "夭死亡丧殁殇殉灾祸患疾病疫瘟癌疮痴疯瘫残尸骸棺坟墓葬鬼魔煞凶衰颓惨哀哭泣痛伤贫穷孤寡孀囚狱刑枷"
    "劫抢盗贼匪奸杀屠戮毒害骗诈赌嫖娼妓淫暴"
    "恨怨仇嫌妒嫉恶憎怒惧畏怕吓贱蠢笨傻呆懒丑烂腐臭脏污秽粪屎尿屁吐呕"
    "肠肪胖臀娠孕乳蚊蝇蛆虱蟑鼠砷砒"
    "碎险讳冗糊瓤撕奴婢妾欠赘废弃灭")

# Every character whose weight (after the sex-share factor) is at least this brings this many
# names with its best partners into the pool. The floors differ because the boys' weights run
# higher throughout; both let a pool reach about as many characters as a real list of 50000
# names does.
COVER_MIN_WEIGHT = {"male": 75, "female": 45}
COVER_PARTNERS = 3

# Integer scale for the sex-share factor, so that every popularity estimate is an exact integer.
FACTOR_SCALE = 1024


def load_counts(data_dir):
    counts = {}
    with open(os.path.join(data_dir, "ngender", "charfreq.csv"), encoding="utf-8") as f:
        for row in csv.DictReader(f):
            counts[row["char"]] = (int(row["male"]), int(row["female"]))
    return counts


def sex_column(sex):
    return 0 if sex == "male" else 1


def interpolate(values, start, end, weight_start, weight_end):
    """Weights for ranks start … end on the curve of log(values) through the two end weights."""
    span = math.log(values[start] / values[end]) if values[end] > 0 else 0.0
    out = []
    for r in range(start, end + 1):
        if span > 0:
            t = math.log(values[start] / values[r]) / span
        else:
            t = (r - start) / (end - start)
        out.append(weight_start * (weight_end / weight_start) ** t)
    return out


def ordinary_weights(order, count_of, ranking):
    """Weights of the ordinary records (all but the late run), in rank order."""
    head_size = len(ranking.head)
    threshold = ranking.normal_above_100
    # Count + 1 keeps the logarithm finite for a character nobody of this sex bears.
    head_curve = sorted((count_of(g) + 1 for g in order[:head_size]), reverse=True)
    tail_curve = sorted((count_of(g) + 1 for g in order[head_size:]), reverse=True)
    last_head = head_size - 1
    weights = [0.0] * len(order)

    anchors = list(zip(pools_pinned.ANCHOR_RANKS, ranking.anchor_weights))
    for (a, wa), (b, wb) in zip(anchors, anchors[1:]):
        weights[a:b + 1] = interpolate(head_curve, a, b, wa, wb)

    # From the last anchor down to the threshold the tail's own counts give the curve, so it
    # starts no higher than the head ends.
    curve = [0] * last_head + [max(head_curve[-1], tail_curve[0])] + tail_curve
    weights[last_head:threshold] = interpolate(curve, last_head, threshold - 1,
                                               ranking.anchor_weights[-1],
                                               pools_pinned.SINGLE_NAME_MIN_WEIGHT)
    # Below the threshold the weight keeps the slope of the last stretch, capped at 100.
    span = math.log(curve[last_head] / curve[threshold - 1])
    slope = (math.log(ranking.anchor_weights[-1] / pools_pinned.SINGLE_NAME_MIN_WEIGHT) / span
             if span > 0 else 1.0)
    for r in range(threshold, len(order)):
        weights[r] = (pools_pinned.SINGLE_NAME_MIN_WEIGHT - 1) * (curve[r] / curve[threshold]) ** slope

    rounded = [round(w) for w in weights]
    for r, glyph in enumerate(order):
        if (count_of(glyph) == 0 or glyph in ILL_OMENED) and r >= head_size:
            rounded[r] = 0
    rounded[threshold:] = [min(w, pools_pinned.SINGLE_NAME_MIN_WEIGHT - 1) for w in rounded[threshold:]]
    return rounded


def assemble(order, weights, ranking):
    """Full ranking: the ordinary records with the late run set in at its rank. Ordinary records
    from the one just before the run on weigh 0, so the run stands apart as a run after zeros."""
    records = list(zip(order, weights))
    if not ranking.late_run:
        return records
    start = ranking.late_start
    records = [(g, w if r < start - 1 else 0) for r, (g, w) in enumerate(records)]
    return records[:start] + list(ranking.late_run) + records[start:]


def tail_order(ranking, rows, count_of):
    fixed = set(ranking.head) | {g for g, _ in ranking.late_run}
    row_of = {g: i for i, g in enumerate(rows)}
    tail = [g for g in rows if g not in fixed]
    tail.sort(key=lambda g: (g in ILL_OMENED, -count_of(g), row_of[g]))
    return list(ranking.head) + tail


def above_100(records):
    return {g for g, w in records if w >= pools_pinned.SINGLE_NAME_MIN_WEIGHT}


def widen_second_position(order, ranking, offered_elsewhere, target_union, leans_to_sex):
    """Second-position order in which both positions together offer `target_union` characters:
    the lowest ranked characters above the threshold that the first position offers anyway give
    their place to the highest ranked characters below it that it does not, taking only
    characters used more by this sex than by the other."""
    head_size, threshold = len(ranking.head), ranking.normal_above_100
    late_offered = {g for g, w in ranking.late_run if w >= pools_pinned.SINGLE_NAME_MIN_WEIGHT}
    offered = offered_elsewhere | late_offered
    above, below = order[head_size:threshold], order[threshold:]
    union = len(offered | set(order[:threshold]))
    shortfall = target_union - union
    if shortfall < 0:
        sys.exit(f"the two positions already offer {union} characters, more than {target_union}")
    shared = [g for g in above if g in offered]
    demoted = set(shared[len(shared) - shortfall:]) if shortfall else set()
    promoted = [g for g in below if g not in offered and leans_to_sex(g)][:shortfall]
    if len(demoted) != shortfall or len(promoted) != shortfall:
        sys.exit("not enough characters to reach the required number of offered characters")
    promoted_set = set(promoted)
    return (order[:head_size]
            + [g for g in above if g not in demoted]
            + promoted
            + [g for g in above if g in demoted]
            + [g for g in below if g not in promoted_set])


def build_rankings(pool_set, rows, count_of, leans_to_sex):
    first = pool_set.position1
    order1 = tail_order(first, rows, count_of)
    records1 = assemble(order1, ordinary_weights(order1, count_of, first), first)

    second = pool_set.position2
    order2 = widen_second_position(tail_order(second, rows, count_of), second,
                                   above_100(records1), pool_set.union_above_100, leans_to_sex)
    records2 = assemble(order2, ordinary_weights(order2, count_of, second), second)
    return records1, records2


def own_share(glyph, sex, counts, totals):
    """This sex's share of a character's use, each sex's count taken relative to all its names;
    None for a character the counts do not know."""
    own, other = sex_column(sex), 1 - sex_column(sex)
    if glyph not in counts:
        return None
    own_rate = counts[glyph][own] / totals[own]
    other_rate = counts[glyph][other] / totals[other]
    if own_rate + other_rate == 0:
        return None
    return own_rate / (own_rate + other_rate)


def sex_fit(glyph, sex, counts, totals):
    """Integer factor (of FACTOR_SCALE) for how well a character suits a name of this sex."""
    share = own_share(glyph, sex, counts, totals)
    if share is None:
        return FACTOR_SCALE
    return round(FACTOR_SCALE * min(1.0, share / OWN_SEX_SHARE_FULL) ** 2)


def count_totals(counts):
    return (sum(c[0] for c in counts.values()), sum(c[1] for c in counts.values()))


def build_pairs(pool_set, sex, records1, records2, counts, row_of):
    totals = count_totals(counts)
    pinned = set(pool_set.first_names) | set(pool_set.last_names)
    wanted = pools_pinned.PAIR_POOL_SIZE - len(pool_set.first_names) - len(pool_set.last_names)

    def scored(records):
        """(lowered weight, glyph) of every character in use, highest first."""
        out = [(w * sex_fit(g, sex, counts, totals), g) for g, w in records if w > 0]
        out.sort(key=lambda e: (-e[0], row_of[e[1]]))
        return out

    firsts, seconds = scored(records1), scored(records2)
    value1 = {g: v for v, g in firsts}
    value2 = {g: v for v, g in seconds}
    limit = REPEAT_RANK_LIMIT[sex]
    repeatable = {g for g, _ in records1[:limit] if sex_fit(g, sex, counts, totals) == FACTOR_SCALE}
    repeatable &= {g for g, _ in records2[:limit]}
    repeatable -= REPEAT_NEVER
    num, den = REPEAT_FACTOR[sex]

    def entry(g1, g2):
        """Sort key of a name: highest estimate first, ties by the rows of its characters;
        None for a name the pool leaves out."""
        if g1 + g2 in pinned:
            return None
        estimate = value1[g1] * value2[g2]
        if g1 == g2:
            if g1 not in repeatable:
                return None
            estimate = estimate * num // den
        return (-estimate, row_of[g1], row_of[g2], g1 + g2)

    chosen = {}

    def take(key):
        if key is not None:
            chosen[key[3]] = key

    # Every character common enough at a position brings its best partners, as it would in a
    # real list of names, where rarer characters appear with their favourite partners.
    floor = COVER_MIN_WEIGHT[sex] * FACTOR_SCALE
    for own, partners, name_of in ((firsts, seconds, lambda a, b: (a, b)),
                                   (seconds, firsts, lambda a, b: (b, a))):
        for value, glyph in own:
            if value < floor:
                break
            found = 0
            for _, partner in partners:
                key = entry(*name_of(glyph, partner))
                if key is not None:
                    take(key)
                    found += 1
                    if found == COVER_PARTNERS:
                        break

    # The rest by estimate alone: walk the first-by-second product table in descending
    # estimate until the pool is full.
    def products():
        heap = [(-v1 * seconds[0][0], row_of[g1], row_of[seconds[0][1]], i, 0)
                for i, (v1, g1) in enumerate(firsts)]
        heapq.heapify(heap)
        while heap:
            _, _, _, i, j = heapq.heappop(heap)
            g1, g2 = firsts[i][1], seconds[j][1]
            if g1 != g2:
                yield entry(g1, g2)
            if j + 1 < len(seconds):
                v2, g2 = seconds[j + 1]
                heapq.heappush(heap, (-firsts[i][0] * v2, row_of[g1], row_of[g2], i, j + 1))

    # Every repeated-character name the rule admits belongs to the pool; its estimate places it.
    for g in sorted(repeatable, key=row_of.get):
        if g in value1 and g in value2:
            take(entry(g, g))

    for key in products():
        if len(chosen) >= wanted:
            break
        take(key)

    if len(chosen) != wanted:
        sys.exit(f"{sex} pool: {len(chosen)} names where {wanted} are needed")
    middle = sorted(chosen.values())
    return list(pool_set.first_names) + [e[3] for e in middle] + list(pool_set.last_names)


def check_glyphs(pool_set, rows):
    known = set(rows)
    fixed = (pool_set.position1.head + pool_set.position2.head
             + "".join(pool_set.first_names + pool_set.last_names)
             + "".join(g for g, _ in pool_set.position1.late_run + pool_set.position2.late_run))
    missing = sorted(set(fixed) - known)
    if missing:
        sys.exit("characters missing from the character table: " + "".join(missing))


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--data", default=os.path.join(repo, "..", "shared", "data"),
                        help="folder of the staged public data")
    parser.add_argument("--chars", default=os.path.join(repo, "dict", "data", "characters.tsv"),
                        help="the character table, one glyph per row in row order")
    parser.add_argument("--out", default=os.path.join(repo, "naming", "data"),
                        help="folder to write the pool files to")
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in OUT instead of writing them")
    args = parser.parse_args()

    if not os.path.isfile(os.path.join(args.data, "ngender", "charfreq.csv")):
        print(f"no staged data at {args.data}")
        return SKIPPED if args.check else 1
    if not args.check:
        write_pools(args.data, args.chars, args.out)
        return 0
    with tempfile.TemporaryDirectory() as fresh:
        write_pools(args.data, args.chars, fresh)
        stale = [name for name in sorted(os.listdir(fresh))
                 if not os.path.isfile(os.path.join(args.out, name))
                 or not filecmp.cmp(os.path.join(fresh, name), os.path.join(args.out, name),
                                    shallow=False)]
    for name in stale:
        print(f"{name} differs from what the generator makes; run tools/pools_generate.py")
    return 1 if stale else 0


def write_pools(data, chars, out):
    counts = load_counts(data)
    rows = pools_files.read_character_rows(chars)
    row_of = {g: i for i, g in enumerate(rows)}
    totals = count_totals(counts)
    os.makedirs(out, exist_ok=True)
    for sex, pool_set in pools_pinned.POOL_SETS.items():
        check_glyphs(pool_set, rows)
        column = sex_column(sex)

        def count_of(glyph, column=column):
            return counts.get(glyph, (0, 0))[column]

        def leans_to_sex(glyph, sex=sex):
            share = own_share(glyph, sex, counts, totals)
            return share is not None and share > 0.5

        records1, records2 = build_rankings(pool_set, rows, count_of, leans_to_sex)
        pools_files.write_ranking(pools_files.ranking_path(out, sex, 1), records1)
        pools_files.write_ranking(pools_files.ranking_path(out, sex, 2), records2)
        names = build_pairs(pool_set, sex, records1, records2, counts, row_of)
        pools_files.write_pairs(pools_files.pairs_path(out, sex), names)


if __name__ == "__main__":
    sys.exit(main())
