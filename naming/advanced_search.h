#pragma once
// The advanced two-character search: combines the characters of both rank tables that meet
// the conditions, in four rank bands of growing width, each with its own quota, so that most
// names come from common characters and a few from rarer ones.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "filters/filter_predicates.h"
#include "naming/candidate_lists.h"
#include "naming/name_pools.h"
#include "naming/random_source.h"
#include "naming/test_condition.h"

namespace morvenda {

// What one band search works with; the lists are L1 (first characters) and L2 (second).
struct BandSearch {
    RandomSource& Random;
    const FilterSnapshot& Conditions;
    CombinationBuffer& Buffer;
    RawCandidateList& Raw;
    std::span<const CharIndex> First;
    std::span<const CharIndex> Second;
};

// Stores the pair in the buffer when it meets the whole-name conditions and the buffer has
// room. Called for every pair of a band, up to millions of times in a run.
inline void TryAddPair(BandSearch& search, CharIndex first, CharIndex second) {
    const NameCode code = MakeNameCode(first, second);
    if (TestCondition(search.Conditions, code, 3) &&
        search.Buffer.Count < CombinationBuffer::Capacity) {
        search.Buffer.Codes[search.Buffer.Count++] = code;
    }
}

// One band: every pair (i ≤ e1, j ≤ e2) except those with both i < s1 and j < s2, collected
// into the buffer and shuffled. When the buffer holds more than three times the quota, quota
// entries are drawn at random with repeats; otherwise its first min(quota, C) entries are
// appended once each.
void CollectBandPairs(BandSearch& search, std::int32_t s1, std::int32_t e1, std::int32_t s2,
                      std::int32_t e2, std::int32_t quota);

// Appends at most the sum of the band quotas (900) to the raw list. A fixed character (the
// glyph condition of its place ticked) replaces its whole list.
void AdvancedDoubleSearch(RandomSource& random, const NamePoolSet& pools,
                          const FilterSnapshot& conditions, CombinationBuffer& buffer,
                          RawCandidateList& raw);

}  // namespace morvenda
