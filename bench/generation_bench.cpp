// Whole generation runs, as the main window starts them, with the real counter reseeding.

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

// Kangxi stroke limits on the first or second character, or on the sum of both.
FilterConditions WithKangxiStrokes(FilterConditions conditions, ConditionPlace place, int from,
                                   int to) {
    conditions.StrokeCount = StrokeKind::Kangxi;
    conditions.Row(place).Strokes = {true, {from, to}};
    return conditions;
}

void BM_SimpleDouble(benchmark::State& state) {
    RunRepeatedly(state, {0, TwoCharacterName, NamingMode::Simple, {}});
}

void BM_SimpleSingle(benchmark::State& state) {
    RunRepeatedly(state, {0, SingleCharacterName, NamingMode::Simple, {}});
}

void BM_AdvancedOpen(benchmark::State& state) {
    RunRepeatedly(state, {0, TwoCharacterName, NamingMode::Advanced, {}});
}

// The characters ranked within the bands have at most 28 Kangxi strokes each, so no pair a
// band forms reaches 60: every band tests all of its pairs and keeps none.
void BM_AdvancedRareName(benchmark::State& state) {
    RunRepeatedly(state,
                  {0, TwoCharacterName, NamingMode::Advanced, WithKangxiStrokes({}, ConditionPlace::WholeName, 60, 60)});
}

// Heavy characters are rare among the common ones: of the 437 first characters with 21 … 30
// Kangxi strokes and the 299 second characters with 21 … 23, at most one each ranks within the
// first band bound, so band 0 widens to all 130663 pairs of the two lists.
void BM_AdvancedWidened(benchmark::State& state) {
    const FilterConditions conditions =
        WithKangxiStrokes(WithKangxiStrokes({}, ConditionPlace::FirstChar, 21, 30),
                          ConditionPlace::SecondChar, 21, 23);
    RunRepeatedly(state, {0, TwoCharacterName, NamingMode::Advanced, conditions});
}

BENCHMARK(BM_SimpleDouble)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimpleSingle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdvancedOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdvancedRareName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdvancedWidened)->Unit(benchmark::kMillisecond);

// 诗词起名: the largest lists of names from the classics drawn down to a full candidate list,
// with and without the filter conditions.
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
