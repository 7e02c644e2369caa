// The drawing step of 诗词起名 over small lists of names, and whole poetry runs over the
// compiled-in names.

#include "naming/poetry_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "naming/generation.h"
#include "naming/poetry_names.h"
#include "naming/tests/condition_fixture.h"
#include "naming/tests/pool_fixture.h"

namespace morvenda {
namespace {

using testing::FixedChars;
using testing::FixedRandom;
using testing::KangxiStrokesExactly;

constexpr int Limit = CandidateList::Capacity;


// count two-character names in order: first characters 0, 1, 2 … each with second character
// 7000, so that the names run in ascending code order.
std::vector<NameCode> PairNames(int count) {
    std::vector<NameCode> names;
    for (int i = 0; i < count; ++i) names.push_back(MakeNameCode(i, 7000));
    return names;
}

std::vector<NameCode> Draw(std::span<const NameCode> names, const FilterConditions* conditions,
                           RandomSource random = FixedRandom()) {
    RawCandidateList raw;
    if (conditions == nullptr) {
        DrawPoetryNames(random, names, nullptr, raw);
    } else {
        const FilterSnapshot snapshot(*conditions);
        DrawPoetryNames(random, names, &snapshot, raw);
    }
    return raw.Codes;
}

TEST(PoetryDrawsTest, TakesEveryNameInItsOrderWhenAllFit) {
    for (const int count : {0, 1, 25, Limit}) {
        const std::vector<NameCode> names = PairNames(count);
        EXPECT_EQ(Draw(names, nullptr), names) << count;
    }
}

TEST(PoetryDrawsTest, DrawsTheLimitOfDistinctNamesInTheirOrderWhenMoreAreLeft) {
    const std::vector<NameCode> names = PairNames(Limit + 1);
    const std::vector<NameCode> drawn = Draw(names, nullptr);
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(Limit));
    EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
    EXPECT_EQ(std::set<NameCode>(drawn.begin(), drawn.end()).size(), drawn.size());
    for (const NameCode code : drawn) {
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), code));
    }
}

TEST(PoetryDrawsTest, DrawsFromTheWholeListAndEachRunAnew) {
    const std::vector<NameCode> names = PairNames(7000);
    RandomSource random = FixedRandom();
    const std::vector<NameCode> first = Draw(names, nullptr, random);
    // About a quarter of each quarter of the list is taken; none is left out or favoured.
    for (int quarter = 0; quarter < 4; ++quarter) {
        const auto inQuarter = std::count_if(first.begin(), first.end(), [&](NameCode code) {
            return FirstGivenChar(code) / 1750 == quarter;
        });
        EXPECT_GT(inQuarter, 400) << quarter;
        EXPECT_LT(inQuarter, 600) << quarter;
    }
    RawCandidateList raw;
    DrawPoetryNames(random, names, nullptr, raw);
    DrawPoetryNames(random, names, nullptr, raw);
    EXPECT_NE(std::vector<NameCode>(raw.Codes.begin(), raw.Codes.begin() + Limit),
              std::vector<NameCode>(raw.Codes.begin() + Limit, raw.Codes.end()));
}

TEST(PoetryDrawsTest, FiltersBeforeDrawingSoAllPassingNamesFit) {
    // Of 5000 names only those whose first character has 10 Kangxi strokes pass: fewer than
    // the limit, so all of them come, in order.
    const std::vector<NameCode> names = PairNames(5000);
    const FilterConditions conditions = KangxiStrokesExactly(10, 1);
    std::vector<NameCode> passing;
    for (const NameCode code : names) {
        if (KangxiStrokes(FirstGivenChar(code)) == 10)
            passing.push_back(code);
    }
    ASSERT_FALSE(passing.empty());
    ASSERT_LT(passing.size(), static_cast<std::size_t>(Limit));
    EXPECT_EQ(Draw(names, &conditions), passing);
}

TEST(PoetryDrawsTest, TwoCharacterNamesMeetEveryRowAndTheFixedCharacters) {
    const std::vector<NameCode> names{MakeNameCode(1, 2), MakeNameCode(3, 2), MakeNameCode(1, 4), MakeNameCode(5, 6)};
    const FilterConditions secondRow = KangxiStrokesExactly(KangxiStrokes(2), 2);
    for (const NameCode code : Draw(names, &secondRow)) {
        EXPECT_EQ(KangxiStrokes(SecondGivenChar(code)), KangxiStrokes(2));
    }
    const FilterConditions fixed = FixedChars(1, CharCount);
    EXPECT_EQ(Draw(names, &fixed), (std::vector<NameCode>{MakeNameCode(1, 2), MakeNameCode(1, 4)}));
    const FilterConditions both = FixedChars(1, 4);
    EXPECT_EQ(Draw(names, &both), std::vector<NameCode>{MakeNameCode(1, 4)});
}

TEST(PoetryDrawsTest, OneCharacterNamesMeetTheFirstCharacterRowsOnly) {
    const std::vector<NameCode> names{SingleNameCode(1), SingleNameCode(3), SingleNameCode(5)};
    // Rows 2 speak of a second character, which a one-character name has not.
    const FilterConditions secondRow = KangxiStrokesExactly(99, 2);
    EXPECT_EQ(Draw(names, &secondRow), names);
    const FilterConditions firstRow = KangxiStrokesExactly(KangxiStrokes(3), 1);
    const std::vector<NameCode> drawn = Draw(names, &firstRow);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), SingleNameCode(3)), drawn.end());
    for (const NameCode code : drawn) {
        EXPECT_EQ(KangxiStrokes(FirstGivenChar(code)), KangxiStrokes(3));
    }
    // A fixed first character keeps that name only, and no name when it is none of them.
    const FilterConditions fixed = FixedChars(3, CharCount);
    EXPECT_EQ(Draw(names, &fixed), std::vector<NameCode>{SingleNameCode(3)});
    const FilterConditions absent = FixedChars(4, CharCount);
    EXPECT_TRUE(Draw(names, &absent).empty());
}

std::vector<NameCode> Names(const CandidateList& list) {
    return {list.NameCodes.begin(), list.NameCodes.begin() + list.Count};
}

TEST(PoetryRunTest, DrawsTheClassicsNamesOfTheSexAndLength) {
    for (const int sex : {0, 1}) {
        NameGenerator generator;
        CandidateList list;
        generator.Run({sex, SingleCharacterName, NamingMode::Poetry, {}}, list);
        const auto singles = PoetryNames(sex, SingleCharacterName);
        ASSERT_LE(singles.size(), static_cast<std::size_t>(Limit));
        EXPECT_EQ(Names(list), std::vector<NameCode>(singles.begin(), singles.end())) << sex;

        generator.Run({sex, TwoCharacterName, NamingMode::Poetry, {}}, list);
        const auto pairs = PoetryNames(sex, TwoCharacterName);
        ASSERT_GT(pairs.size(), static_cast<std::size_t>(Limit));
        EXPECT_EQ(list.Count, Limit) << sex;
        const std::set<NameCode> all(pairs.begin(), pairs.end());
        for (const NameCode code : Names(list)) {
            ASSERT_TRUE(all.count(code)) << NameCodeToText(code);
        }
    }
}

TEST(PoetryRunTest, MeetsTheConditionsOnlyWhenAskedTo) {
    FilterConditions metal;
    // 金 by meaning, first character
    metal.Row(ConditionPlace::FirstChar).MeaningElements = {true, ElementMask(Element::Metal)};
    NameGenerator generator;
    CandidateList list;
    GenerationRequest request{1, TwoCharacterName, NamingMode::Poetry, metal};
    generator.Run(request, list);
    const auto isMetal = [](NameCode code) {
        return ElementByMeaning(FirstGivenChar(code)).Contains(Element::Metal);
    };
    const std::vector<NameCode> unfiltered = Names(list);
    EXPECT_FALSE(std::all_of(unfiltered.begin(), unfiltered.end(), isMetal));

    request.PoetryFiltered = true;
    generator.Run(request, list);
    ASSERT_GT(list.Count, 0);
    const std::vector<NameCode> filtered = Names(list);
    EXPECT_TRUE(std::all_of(filtered.begin(), filtered.end(), isMetal));
}

}  // namespace
}  // namespace morvenda
