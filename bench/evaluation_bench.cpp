// Evaluating a full result list, in the order the result list evaluates each row.

#include <benchmark/benchmark.h>

#include "evaluation/five_grids.h"
#include "evaluation/name_score.h"
#include "evaluation/three_talents.h"
#include "naming/generation.h"

namespace morvenda {
namespace {

void BM_Evaluate2000(benchmark::State& state) {
    // The 2000 names of a simple two-character run, before duplicates are removed.
    RandomSource random;
    CombinationBuffer buffer;
    RawCandidateList candidates;
    DrawCandidates(random, NamePools(0), TwoCharacterName, nullptr, buffer, candidates);
    const FamilyIndexes family{FindCharIndex("欧"), FindCharIndex("阳")};

    for (auto _ : state) {
        double total = 0;
        for (const NameCode code : candidates.Codes) {
            const FiveGrids grids = ComputeFiveGrids(family, code);
            const std::string pattern = ThreeTalentPattern(grids.Heaven, grids.Earth, grids.Outer);
            total += ThreeTalentPoints(pattern) + NameScore(grids);
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["names"] = static_cast<double>(candidates.Codes.size());
}

BENCHMARK(BM_Evaluate2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvenda
