// 诗词起名 runs, as the main window starts them: the largest lists of names drawn down to a
// full candidate list, with and without the filter conditions.

#include <benchmark/benchmark.h>

#include "naming/generation.h"

namespace morvenda {
namespace {

void RunRepeatedly(benchmark::State& state, const GenerationRequest& request) {
    NameGenerator generator;
    CandidateList list;
    for (auto _ : state) {
        generator.Run(request, list);
        benchmark::DoNotOptimize(list.Count);
    }
    state.counters["names"] = list.Count;
}

GenerationRequest Poetry(int sex, int nameLength, bool filtered) {
    FilterConditions metal;
    // 金 by meaning, first character
    metal.Row(ConditionPlace::FirstChar).MeaningElements = {true, ElementMask(Element::Metal)};
    return {sex, nameLength, NamingMode::Poetry, metal, filtered};
}

// The boys' two-character names are the longest list: 31518 names down to 2000.
void BM_PoetryDouble(benchmark::State& state) {
    RunRepeatedly(state, Poetry(0, TwoCharacterName, false));
}

// Every name is tested, and the filter snapshot built, before the draw.
void BM_PoetryDoubleFiltered(benchmark::State& state) {
    RunRepeatedly(state, Poetry(0, TwoCharacterName, true));
}

void BM_PoetrySingle(benchmark::State& state) {
    RunRepeatedly(state, Poetry(0, SingleCharacterName, false));
}

BENCHMARK(BM_PoetryDouble)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoetryDoubleFiltered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoetrySingle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvenda
