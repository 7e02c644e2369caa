#pragma once
// The drawing steps that take candidates straight from the name pools. Each appends to the
// raw candidate list.

#include <cstdint>

#include "filters/filter_predicates.h"
#include "naming/candidate_lists.h"
#include "naming/name_pools.h"
#include "naming/random_source.h"

namespace morvenda {

// n draws from the pair pool with repeats, stopping once the list holds 2000. The index is
// NextRandom(PairPoolSize − 1), so the pool's last entry never comes out.
void DrawFromPairPool(RandomSource& random, const NamePoolSet& pools, int n, RawCandidateList& raw);

// Fills the buffer with the 80601 combinations of the top-ranked characters (ranks 0 … 200
// with 0 … 200, 0 … 200 with 201 … 300, 201 … 300 with 0 … 200, first rank outermost) and
// makes n draws among its first 80000, with repeats.
void DrawTopRankPairs(RandomSource& random, const NamePoolSet& pools, int n,
                      CombinationBuffer& buffer, RawCandidateList& raw);

// The pool's names that pass the first-character, second-character and whole-name
// conditions and the specified characters, shuffled; the first min(limit, N − 1) + 1 of them
// are appended.
void SampleFilteredPool(RandomSource& random, const NamePoolSet& pools,
                        const FilterSnapshot& conditions, std::int32_t limit,
                        RawCandidateList& raw);

// One-character names: every ranked character of both rank tables, in rank order, whose
// weight is above 100 and, with conditions, that may stand first in a given name. With the
// first character fixed (its glyph condition ticked), only that character, found or not. A character ranked in
// both tables is appended twice. Pass no conditions in the simple mode.
void CollectSingleNames(const NamePoolSet& pools, const FilterSnapshot* conditions,
                        RawCandidateList& raw);

}  // namespace morvenda
