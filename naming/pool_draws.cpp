#include "naming/pool_draws.h"

#include <algorithm>
#include <span>
#include <vector>

#include "naming/code_lists.h"
#include "naming/test_condition.h"

namespace morvenda {

namespace {

constexpr std::int32_t TwoCharacterLimit = 2000;
// One-character names take the characters weighing more than this.
constexpr std::int32_t SingleNameWeightFloor = 100;

// The rank ranges DrawTopRankPairs combines. Its draws reach only the first 80000 of the
// 80601 combinations: first rank 298 from second rank 2 on, and first ranks 299 and 300, never
// come out.
constexpr int TopRankLast = 200;
constexpr int NextRankLast = 300;
constexpr std::int32_t TopRankDrawRange = 80000;

}  // namespace

void DrawFromPairPool(RandomSource& random, const NamePoolSet& pools, int n,
                      RawCandidateList& raw) {
    for (int draw = 0; draw < n; ++draw) {
        if (raw.Count() >= TwoCharacterLimit) {
            return;
        }
        raw.Codes.push_back(pools.PairPool[random.NextRandom(PairPoolSize - 1)]);
    }
}

void DrawTopRankPairs(RandomSource& random, const NamePoolSet& pools, int n,
                      CombinationBuffer& buffer, RawCandidateList& raw) {
    buffer.Count = 0;
    const auto addBlock = [&](int firstFrom, int firstTo, int secondFrom, int secondTo) {
        for (int f = firstFrom; f <= firstTo; ++f) {
            for (int s = secondFrom; s <= secondTo; ++s) {
                buffer.Codes[buffer.Count++] =
                    MakeNameCode(pools.Position1[f].CharIndex, pools.Position2[s].CharIndex);
            }
        }
    };
    addBlock(0, TopRankLast, 0, TopRankLast);
    addBlock(0, TopRankLast, TopRankLast + 1, NextRankLast);
    addBlock(TopRankLast + 1, NextRankLast, 0, TopRankLast);

    for (int draw = 0; draw < n; ++draw) {
        raw.Codes.push_back(buffer.Codes[random.NextRandom(TopRankDrawRange)]);
    }
}

void SampleFilteredPool(RandomSource& random, const NamePoolSet& pools,
                        const FilterSnapshot& conditions, std::int32_t limit,
                        RawCandidateList& raw) {
    std::vector<NameCode> accepted;
    for (const NameCode code : pools.PairPool) {
        const CharIndex first = FirstGivenChar(code);
        const CharIndex second = SecondGivenChar(code);
        if (TestCondition(conditions, first, 1) && TestCondition(conditions, second, 2) &&
            TestCondition(conditions, code, 3) && CheckSpecifiedChars(conditions, first, second)) {
            accepted.push_back(code);
        }
    }
    const auto acceptedCount = static_cast<std::int32_t>(accepted.size());
    ShuffleCodes(random, accepted, acceptedCount - 1, INT32_MAX);
    const std::int32_t k = std::min(limit, acceptedCount - 1);
    if (k >= 0) {
        raw.Codes.insert(raw.Codes.end(), accepted.begin(), accepted.begin() + k + 1);
    }
}

void CollectSingleNames(const NamePoolSet& pools, const FilterSnapshot* conditions,
                        RawCandidateList& raw) {
    if (conditions != nullptr) {
        const auto& fixed = conditions->Conditions().Row(ConditionPlace::FirstChar).Glyph;
        if (fixed.On) {
            raw.Codes.push_back(SingleNameCode(FindCharIndex(fixed.Value)));
            return;
        }
    }
    for (const auto table : {pools.Position1, pools.Position2}) {
        for (const RankRecord& record : table.first<CharCount>()) {
            if (record.Weight > SingleNameWeightFloor &&
                (conditions == nullptr || TestCondition(*conditions, record.CharIndex, 1))) {
                raw.Codes.push_back(SingleNameCode(record.CharIndex));
            }
        }
    }
}

}  // namespace morvenda
