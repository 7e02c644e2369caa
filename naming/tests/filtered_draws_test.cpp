#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "naming/pool_draws.h"
#include "naming/tests/condition_fixture.h"
#include "naming/tests/pool_fixture.h"

namespace morvenda {
namespace {

using testing::CharactersWithKangxiStrokes;
using testing::FixedChars;
using testing::FixedRandom;
using testing::KangxiStrokesExactly;
using testing::PoolFixture;

// A pool of valid codes: entry i combines character i mod 7000 with character i / 7000
// (0 … 7), so a first character below 1000 begins eight names and any other seven.
PoolFixture ValidPool() {
    PoolFixture pools;
    for (int i = 0; i < PairPoolSize; ++i) {
        pools.PairPool[i] = MakeNameCode(i % 7000, i / 7000);
    }
    return pools;
}

TEST(SampleFilteredPoolTest, AppendsUpToLimitPlusOneOfTheAcceptedNames) {
    struct Case {
        const char* what;
        FilterConditions conditions;
        std::int32_t limit;
        int appended;
    };
    const std::vector<Case> cases{
        {"no conditions", {}, 100, 101},
        {"first character fixed", FixedChars(5, CharCount), 100, 8},
        {"first character fixed, small limit", FixedChars(5, CharCount), 3, 4},
        {"both fixed", FixedChars(5, 3), 100, 1},
        {"both fixed, no such pool name", FixedChars(5, 9), 100, 0},
        {"no first character passes", KangxiStrokesExactly(99, 1), 100, 0},
        {"no second character passes", KangxiStrokesExactly(99, 2), 100, 0},
    };
    const PoolFixture pools = ValidPool();
    const std::set<NameCode> pool(pools.PairPool.begin(), pools.PairPool.end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FilterSnapshot snapshot(c.conditions);
        RandomSource random = FixedRandom();
        RawCandidateList raw;
        SampleFilteredPool(random, pools.Set(), snapshot, c.limit, raw);
        ASSERT_EQ(raw.Count(), c.appended);
        EXPECT_EQ(std::set<NameCode>(raw.Codes.begin(), raw.Codes.end()).size(), raw.Codes.size());
        for (const NameCode code : raw.Codes) {
            EXPECT_TRUE(pool.contains(code));
            EXPECT_TRUE(!c.conditions.Row(ConditionPlace::FirstChar).Glyph.On ||
                        FirstGivenChar(code) == 5);
        }
    }
}

TEST(CollectSingleNamesTest, FixedFirstCharacterGivesThatCharacterOnly) {
    const std::vector<std::pair<std::string, NameCode>> cases{
        {"涛", SingleNameCode(FindCharIndex("涛"))},
        {"Ab", SingleNameCode(CharCount)},
        {"", SingleNameCode(CharCount)},
    };
    ASSERT_NE(FindCharIndex("涛"), CharCount);
    const PoolFixture pools;
    for (const auto& [text, expected] : cases) {
        FilterConditions conditions;
        conditions.Row(ConditionPlace::FirstChar).Glyph = {true, text};
        const FilterSnapshot snapshot(conditions);
        RawCandidateList raw;
        CollectSingleNames(pools.Set(), &snapshot, raw);
        EXPECT_EQ(raw.Codes, std::vector<NameCode>{expected}) << text;
    }
}

TEST(CollectSingleNamesTest, TestsBothTablesWithTheFirstCharacterConditions) {
    const std::vector<CharIndex> meeting = CharactersWithKangxiStrokes(20);
    ASSERT_FALSE(meeting.empty());
    std::vector<NameCode> once;
    for (const CharIndex c : meeting) {
        once.push_back(SingleNameCode(c));
    }
    std::vector<NameCode> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());

    const PoolFixture pools;  // every weight above 100
    const auto collect = [&pools](const FilterConditions& conditions) {
        const FilterSnapshot snapshot(conditions);
        RawCandidateList raw;
        CollectSingleNames(pools.Set(), &snapshot, raw);
        return raw.Codes;
    };
    EXPECT_EQ(collect(KangxiStrokesExactly(20, 1)), twice);

    // A one-character name has no second character: row 2 never restricts it.
    RawCandidateList unconditioned;
    CollectSingleNames(pools.Set(), nullptr, unconditioned);
    ASSERT_EQ(unconditioned.Count(), 2 * CharCount);
    EXPECT_EQ(collect(KangxiStrokesExactly(99, 2)), unconditioned.Codes);
}

}  // namespace
}  // namespace morvenda
