#include "naming/generation.h"

#include <algorithm>
#include <optional>

#include "naming/advanced_search.h"
#include "naming/code_lists.h"
#include "naming/poetry_draws.h"
#include "naming/poetry_names.h"
#include "naming/pool_draws.h"

namespace morvenda {

namespace {

// Simple two-character runs: pool names around a body of top-ranked combinations.
constexpr int PairPoolDraws = 50;
constexpr int TopRankDraws = 1900;
// Advanced two-character runs take up to this limit + 1 pool names before the band search.
constexpr std::int32_t FilteredPoolLimit = 100;
// Single-character runs shuffle positions below this bound only.
constexpr std::int32_t SingleNameShuffleHigh = 1999;

}  // namespace

void DrawCandidates(RandomSource& random, const NamePoolSet& pools, int nameLengthIndex,
                    const FilterSnapshot* conditions, CombinationBuffer& buffer,
                    RawCandidateList& raw) {
    raw.Codes.clear();
    if (nameLengthIndex == TwoCharacterName) {
        if (conditions == nullptr) {
            DrawFromPairPool(random, pools, PairPoolDraws, raw);
            DrawTopRankPairs(random, pools, TopRankDraws, buffer, raw);
            DrawFromPairPool(random, pools, PairPoolDraws, raw);
        } else {
            SampleFilteredPool(random, pools, *conditions, FilteredPoolLimit, raw);
            AdvancedDoubleSearch(random, pools, *conditions, buffer, raw);
        }
    } else if (nameLengthIndex == SingleCharacterName) {
        CollectSingleNames(pools, conditions, raw);
        ShuffleCodes(random, raw.Codes, SingleNameShuffleHigh, raw.Count());
    }
}

void TakeCandidates(RawCandidateList& raw, CandidateList& list) {
    RemoveDuplicates(raw.Codes);
    list.Count = std::min(raw.Count(), static_cast<std::int32_t>(CandidateList::Capacity));
    std::copy_n(raw.Codes.begin(), list.Count, list.NameCodes.begin());
}

void NameGenerator::Run(const GenerationRequest& request, CandidateList& list) {
    std::optional<FilterSnapshot> conditions;
    if (request.Mode == NamingMode::Advanced ||
        (request.Mode == NamingMode::Poetry && request.PoetryFiltered)) {
        conditions.emplace(request.Conditions);
    }
    const FilterSnapshot* snapshot = conditions ? &*conditions : nullptr;
    if (request.Mode == NamingMode::Poetry) {
        raw_.Codes.clear();
        DrawPoetryNames(random_, PoetryNames(request.SexIndex, request.NameLengthIndex), snapshot,
                        raw_);
    } else {
        DrawCandidates(random_, NamePools(request.SexIndex), request.NameLengthIndex, snapshot,
                       buffer_, raw_);
    }
    TakeCandidates(raw_, list);
}

}  // namespace morvenda
