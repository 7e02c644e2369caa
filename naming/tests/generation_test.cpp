// Whole runs over the compiled-in dictionary and name pools.

#include "naming/generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "naming/tests/condition_fixture.h"

namespace morvenda {
namespace {

using testing::FixedChars;
using testing::KangxiStrokesExactly;

constexpr int Boy = 0;
constexpr int Girl = 1;

std::vector<NameCode> Names(const CandidateList& list) {
    return {list.NameCodes.begin(), list.NameCodes.begin() + list.Count};
}

CandidateList RunFresh(const GenerationRequest& request) {
    NameGenerator generator([next = 0u]() mutable { return ++next; });
    CandidateList list;
    generator.Run(request, list);
    return list;
}

GenerationRequest Advanced(int nameLength, FilterConditions conditions, int sex = Boy) {
    return {sex, nameLength, NamingMode::Advanced, std::move(conditions)};
}

TEST(GenerationTest, SimpleTwoCharacterRunAppends2000BeforeDuplicatesGo) {
    for (const int sex : {Boy, Girl}) {
        RandomSource random;
        CombinationBuffer buffer;
        RawCandidateList raw;
        DrawCandidates(random, NamePools(sex), TwoCharacterName, nullptr, buffer, raw);
        EXPECT_EQ(raw.Count(), 2000) << "sex " << sex;
    }
}

TEST(GenerationTest, FirstSimpleRunAfterStartIsAlwaysTheSame) {
    // Simple two-character runs never reseed: whatever the counter reads, the first run after
    // start draws from state 0.
    for (const int sex : {Boy, Girl}) {
        NameGenerator one([] { return 1u; });
        NameGenerator other([] { return 0xDEADBEEFu; });
        CandidateList first;
        CandidateList second;
        one.Run({sex, TwoCharacterName, NamingMode::Simple, {}}, first);
        other.Run({sex, TwoCharacterName, NamingMode::Simple, {}}, second);
        ASSERT_GT(first.Count, 1000);
        EXPECT_EQ(Names(first), Names(second));

        // The next run goes on with the sequence instead of starting it again.
        one.Run({sex, TwoCharacterName, NamingMode::Simple, {}}, second);
        EXPECT_NE(Names(first), Names(second));
    }
}

TEST(GenerationTest, SingleCharacterRunOffersEveryCharacterWeighingAbove100Once) {
    struct Case {
        int sex;
        int names;
    };
    for (const Case c : {Case{Boy, 1493}, Case{Girl, 1054}, Case{2, 1054}}) {
        const CandidateList list = RunFresh({c.sex, SingleCharacterName, NamingMode::Simple, {}});
        EXPECT_EQ(list.Count, c.names) << "sex " << c.sex;
        const std::vector<NameCode> names = Names(list);
        EXPECT_TRUE(std::all_of(names.begin(), names.end(),
                                [](NameCode code) { return SecondGivenChar(code) == NoSecondChar; }));
    }
    // Ranked far down for girls, yet weighing enough.
    const std::vector<NameCode> girls =
        Names(RunFresh({Girl, SingleCharacterName, NamingMode::Simple, {}}));
    EXPECT_NE(std::find(girls.begin(), girls.end(), SingleNameCode(FindCharIndex("伟"))), girls.end());
}

TEST(GenerationTest, AdvancedSingleRunWithAFixedCharacterGivesJustThatName) {
    const std::vector<std::pair<std::string, NameCode>> cases{
        {"涛", SingleNameCode(FindCharIndex("涛"))},
        {"Zz", SingleNameCode(CharCount)},  // not in the table: a name without characters
    };
    for (const auto& [text, expected] : cases) {
        FilterConditions conditions;
        conditions.Row(ConditionPlace::FirstChar).Glyph = {true, text};
        const CandidateList list = RunFresh(Advanced(SingleCharacterName, conditions));
        EXPECT_EQ(Names(list), std::vector<NameCode>{expected}) << text;
    }
}

TEST(GenerationTest, AdvancedTwoCharacterRunWithoutConditionsTakes101PoolNamesAnd900More) {
    for (const int sex : {Boy, Girl}) {
        const FilterSnapshot open{FilterConditions{}};
        RandomSource random([next = 0u]() mutable { return ++next; });
        CombinationBuffer buffer;
        RawCandidateList raw;
        DrawCandidates(random, NamePools(sex), TwoCharacterName, &open, buffer, raw);
        EXPECT_EQ(raw.Count(), 101 + 900) << "sex " << sex;
    }
}

TEST(GenerationTest, AdvancedTwoCharacterRunHonoursFixedCharacters) {
    const CharIndex li = FindCharIndex("李");
    const CharIndex ming = FindCharIndex("明");

    const std::vector<NameCode> withLi =
        Names(RunFresh(Advanced(TwoCharacterName, FixedChars(li, CharCount))));
    ASSERT_FALSE(withLi.empty());
    EXPECT_TRUE(std::all_of(withLi.begin(), withLi.end(), [li](NameCode code) {
        return FirstGivenChar(code) == li;
    }));

    const NameCode liMing = MakeNameCode(li, ming);
    EXPECT_EQ(Names(RunFresh(Advanced(TwoCharacterName, FixedChars(li, ming)))),
              std::vector<NameCode>{liMing});
}

TEST(GenerationTest, ConditionsNoCharacterMeetsLeaveTheListEmpty) {
    for (const int length : {SingleCharacterName, TwoCharacterName}) {
        EXPECT_EQ(RunFresh(Advanced(length, KangxiStrokesExactly(99, 1))).Count, 0) << length;
    }
    EXPECT_EQ(RunFresh(Advanced(TwoCharacterName, KangxiStrokesExactly(99, 2))).Count, 0);
}

TEST(GenerationTest, RunReplacesNamesAndLeavesTheFavouritesColumn) {
    NameGenerator generator;
    CandidateList list;
    list.Count = 3;
    list.NameCodes.fill(7);
    list.FavoriteFamilyCodes.fill(0x12345678);

    generator.Run({Boy, -1, NamingMode::Simple, {}}, list);  // no name length chosen
    EXPECT_EQ(list.Count, 0);

    generator.Run({Girl, TwoCharacterName, NamingMode::Simple, {}}, list);
    EXPECT_GT(list.Count, 0);
    EXPECT_TRUE(std::all_of(list.FavoriteFamilyCodes.begin(), list.FavoriteFamilyCodes.end(),
                            [](FamilyCode code) { return code == 0x12345678; }));
}

}  // namespace
}  // namespace morvenda
