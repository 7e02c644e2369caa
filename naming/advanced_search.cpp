#include "naming/advanced_search.h"

#include <algorithm>

#include "naming/code_lists.h"
#include "naming/test_condition.h"

namespace morvenda {

namespace {

constexpr int BandCount = 4;

// Tries the pairs i = iFrom … iTo, j = jFrom … jTo, first index outermost. Once the buffer is
// full nothing more can be stored, and since testing a pair has no other effect the scan ends
// there.
void AddRegion(BandSearch& search, std::int32_t iFrom, std::int32_t iTo, std::int32_t jFrom,
               std::int32_t jTo) {
    for (std::int32_t i = iFrom; i <= iTo; ++i) {
        for (std::int32_t j = jFrom; j <= jTo; ++j) {
            if (search.Buffer.Count >= CombinationBuffer::Capacity) {
                return;
            }
            TryAddPair(search, search.First[i], search.Second[j]);
        }
    }
}

// The characters of one rank table that pass, and for each band bound the index of the last
// of them ranked at or above it (−1 when none is); a bound never reached leaves 0.
struct RankedList {
    std::vector<CharIndex> Characters;
    std::array<std::int32_t, BandCount + 1> Ends{};
};

// A list of only the fixed character; its band ends are −1, as it stayed empty while the
// ranks were walked. A text that names no character of the table leaves the list empty:
// pairing it would offer names with a blank half.
RankedList FixedList(const std::string& glyph) {
    RankedList list;
    std::fill(list.Ends.begin() + 1, list.Ends.end(), -1);
    if (const CharIndex fixed = FindCharIndex(glyph); fixed != CharCount) {
        list.Characters.push_back(fixed);
    }
    return list;
}

}  // namespace

void CollectBandPairs(BandSearch& search, std::int32_t s1, std::int32_t e1, std::int32_t s2,
                      std::int32_t e2, std::int32_t quota) {
    CombinationBuffer& buffer = search.Buffer;
    buffer.Count = 0;
    AddRegion(search, s1, e1, s2, e2);
    AddRegion(search, 0, s1 - 1, s2, e2);
    AddRegion(search, s1, e1, 0, s2 - 1);

    ShuffleCodes(search.Random, buffer.Codes, CombinationBuffer::Capacity - 1, buffer.Count);

    const std::int32_t taken = std::min(quota, buffer.Count);
    const bool drawWithRepeats = 3 * quota < buffer.Count;
    for (std::int32_t t = 0; t < taken; ++t) {
        const std::int32_t index = drawWithRepeats ? search.Random.NextRandom(buffer.Count) : t;
        search.Raw.Codes.push_back(buffer.Codes[index]);
    }
}

void AdvancedDoubleSearch(RandomSource& random, const NamePoolSet& pools,
                          const FilterSnapshot& conditions, CombinationBuffer& buffer,
                          RawCandidateList& raw) {
    const auto& fixedFirst = conditions.Conditions().Row(ConditionPlace::FirstChar).Glyph;
    const auto& fixedSecond = conditions.Conditions().Row(ConditionPlace::SecondChar).Glyph;
    RankedList first;
    RankedList second;
    for (int r = 0; r < CharCount; ++r) {
        const CharIndex firstCandidate = pools.Position1[r].CharIndex;
        const CharIndex secondCandidate = pools.Position2[r].CharIndex;
        if (!fixedFirst.On && TestCondition(conditions, firstCandidate, 1)) {
            first.Characters.push_back(firstCandidate);
        }
        if (!fixedSecond.On && TestCondition(conditions, secondCandidate, 2)) {
            second.Characters.push_back(secondCandidate);
        }
        for (int k = 0; k < BandCount; ++k) {
            if (r == pools.BandBounds[k]) {
                first.Ends[k + 1] = static_cast<std::int32_t>(first.Characters.size()) - 1;
                second.Ends[k + 1] = static_cast<std::int32_t>(second.Characters.size()) - 1;
            }
        }
    }
    if (fixedFirst.On) {
        first = FixedList(fixedFirst.Value);
    }
    if (fixedSecond.On) {
        second = FixedList(fixedSecond.Value);
    }
    if (first.Characters.empty() || second.Characters.empty()) {
        return;
    }

    BandSearch search{random, conditions, buffer, raw, first.Characters, second.Characters};
    // A band end with at most one accepted character up to its bound widens to the whole list.
    const auto widen = [](RankedList& list, int k) {
        if (list.Ends[k] <= 0) {
            list.Ends[k] = static_cast<std::int32_t>(list.Characters.size()) - 1;
        }
    };
    for (int k = 0; k < BandCount; ++k) {
        widen(first, k + 1);
        widen(second, k + 1);
        CollectBandPairs(search, first.Ends[k], first.Ends[k + 1], second.Ends[k],
                         second.Ends[k + 1], BandQuotas[k]);
    }
}

}  // namespace morvenda
