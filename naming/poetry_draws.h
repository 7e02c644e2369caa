#pragma once
// The drawing step of 诗词起名: names from the classics rather than from the pools.

#include <span>

#include "filters/filter_predicates.h"
#include "naming/candidate_lists.h"
#include "naming/random_source.h"

namespace morvenda {

// Appends the names that meet the conditions (all of them without conditions): every one when
// they fit in the candidate list, otherwise CandidateList::Capacity of them drawn at random
// without repeats. Either way they keep the order they have in names, the order of their
// sources. A two-character name meets the conditions as a pool name of the advanced run does
// (first, second, whole name, fixed characters); a one-character name as the single-character
// run's names do (first-character rows, and the fixed first character).
void DrawPoetryNames(RandomSource& random, std::span<const NameCode> names,
                     const FilterSnapshot* conditions, RawCandidateList& raw);

}  // namespace morvenda
