#include "naming/poetry_draws.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include "naming/test_condition.h"

namespace morvenda {
namespace {

bool MeetsConditions(const FilterSnapshot& conditions, NameCode code) {
    const CharIndex first = FirstGivenChar(code);
    const CharIndex second = SecondGivenChar(code);
    if (second == NoSecondChar) {
        const auto& fixed = conditions.Conditions().Row(ConditionPlace::FirstChar).Glyph;
        return TestCondition(conditions, first, 1) &&
               (!fixed.On || FindCharIndex(fixed.Value) == first);
    }
    return TestCondition(conditions, first, 1) && TestCondition(conditions, second, 2) &&
           TestCondition(conditions, code, 3) && CheckSpecifiedChars(conditions, first, second);
}

}  // namespace

void DrawPoetryNames(RandomSource& random, std::span<const NameCode> names,
                     const FilterSnapshot* conditions, RawCandidateList& raw) {
    std::vector<NameCode> accepted;
    accepted.reserve(names.size());
    for (const NameCode code : names) {
        if (conditions == nullptr || MeetsConditions(*conditions, code)) {
            accepted.push_back(code);
        }
    }
    const auto count = static_cast<std::int32_t>(accepted.size());
    constexpr std::int32_t limit = CandidateList::Capacity;
    if (count <= limit) {
        raw.Codes.insert(raw.Codes.end(), accepted.begin(), accepted.end());
        return;
    }
    // The first limit places of a Fisher–Yates shuffle over the positions: every set of
    // limit names is equally likely. Sorting the chosen positions keeps the sources' order.
    std::vector<std::int32_t> positions(static_cast<std::size_t>(count));
    std::iota(positions.begin(), positions.end(), 0);
    for (std::int32_t i = 0; i < limit; ++i) {
        std::swap(positions[i], positions[i + random.NextRandom(count - i)]);
    }
    std::sort(positions.begin(), positions.begin() + limit);
    for (std::int32_t i = 0; i < limit; ++i) {
        raw.Codes.push_back(accepted[positions[i]]);
    }
}

}  // namespace morvenda
