#include "naming/pool_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "naming/code_lists.h"
#include "naming/tests/pool_fixture.h"

namespace morvenda {
namespace {

using testing::FixedRandom;
using testing::PoolFixture;

// A reseed value whose next state is 2^32 − 1, so that NextRandom(n) gives n − 1.
RandomSource HighestDraw() {
    RandomSource random([] { return 0x4d60ae66u; });
    random.ReseedRandom();
    return random;
}

TEST(DrawFromPairPoolTest, DrawsFromStateZeroByPoolIndex) {
    PoolFixture pools;  // pool entry i is the code i
    RandomSource random = FixedRandom();
    RawCandidateList raw;
    DrawFromPairPool(random, pools.Set(), 3, raw);
    EXPECT_EQ(raw.Codes, (std::vector<NameCode>{0, 1568, 43051}));
}

TEST(DrawFromPairPoolTest, NeverDrawsThePoolsLastEntry) {
    PoolFixture pools;
    RandomSource random = HighestDraw();
    RawCandidateList raw;
    DrawFromPairPool(random, pools.Set(), 1, raw);
    EXPECT_EQ(raw.Codes, std::vector<NameCode>{PairPoolSize - 2});
}

TEST(DrawFromPairPoolTest, StopsOnceTheListHolds2000) {
    struct Case {
        int before;
        int draws;
        int after;
    };
    PoolFixture pools;
    for (const Case c :
         {Case{0, 50, 50}, Case{1990, 50, 2000}, Case{2000, 50, 2000}, Case{2010, 5, 2010}}) {
        RandomSource random = FixedRandom();
        RawCandidateList raw;
        raw.Codes.assign(c.before, 1);
        DrawFromPairPool(random, pools.Set(), c.draws, raw);
        EXPECT_EQ(raw.Count(), c.after) << c.before << " + " << c.draws;
    }
}

class DrawTopRankPairsTest : public ::testing::Test {
  protected:
    DrawTopRankPairsTest() {
        // Second characters are not their own ranks, so that a mix-up of tables shows.
        for (int r = 0; r < CharCount; ++r) {
            pools.Position2[r].CharIndex = (r + 1000) % CharCount;
        }
    }
    NameCode Ranks(int first, int second) const {
        return MakeNameCode(pools.Position1[first].CharIndex, pools.Position2[second].CharIndex);
    }

    PoolFixture pools;
    CombinationBuffer buffer;
    RawCandidateList raw;
};

TEST_F(DrawTopRankPairsTest, CombinesThreeBlocksFirstRankOutermost) {
    RandomSource random = FixedRandom();
    DrawTopRankPairs(random, pools.Set(), 0, buffer, raw);
    ASSERT_EQ(buffer.Count, 80601);
    const std::vector<std::pair<int, NameCode>> layout{
        {0, Ranks(0, 0)},         {200, Ranks(0, 200)},     {201, Ranks(1, 0)},
        {40400, Ranks(200, 200)}, {40401, Ranks(0, 201)},   {40500, Ranks(0, 300)},
        {60500, Ranks(200, 300)}, {60501, Ranks(201, 0)},   {79999, Ranks(298, 1)},
        {80000, Ranks(298, 2)},   {80600, Ranks(300, 200)},
    };
    for (const auto& [index, code] : layout) {
        EXPECT_EQ(buffer.Codes[index], code) << "buffer index " << index;
    }
    EXPECT_TRUE(raw.Codes.empty());
}

TEST_F(DrawTopRankPairsTest, DrawsOnlyAmongTheFirst80000) {
    RandomSource random = HighestDraw();
    DrawTopRankPairs(random, pools.Set(), 1, buffer, raw);
    EXPECT_EQ(raw.Codes, std::vector<NameCode>{Ranks(298, 1)});
}

TEST_F(DrawTopRankPairsTest, AppendsEveryDrawAfterWhatTheListHolds) {
    RandomSource random = FixedRandom();
    raw.Codes.assign(50, 7);
    DrawTopRankPairs(random, pools.Set(), 1900, buffer, raw);
    ASSERT_EQ(raw.Count(), 1950);
    EXPECT_EQ(raw.Codes[50], Ranks(0, 0));  // the first draw from state 0 is index 0
    const std::set<NameCode> drawable(buffer.Codes.begin(), buffer.Codes.begin() + 80000);
    EXPECT_TRUE(std::all_of(raw.Codes.begin() + 50, raw.Codes.end(),
                            [&](NameCode code) { return drawable.contains(code); }));
}

TEST(CollectSingleNamesTest, KeepsCharactersWeighingAbove100FromBothTablesInRankOrder) {
    PoolFixture pools;
    for (int r = 0; r < CharCount; ++r) {
        pools.Position1[r].Weight = std::max(0, 200 - r);  // ranks 0 … 99 above 100
        pools.Position2[r] = {(r + 50) % CharCount, std::max(0, 150 - r)};  // ranks 0 … 49
    }
    pools.Position1[5000].Weight = 500;       // a rare rank that weighs enough
    pools.Position1[CharCount] = {5, 10000};  // the closing record is never read
    RawCandidateList raw;
    CollectSingleNames(pools.Set(), nullptr, raw);

    std::vector<NameCode> expected;
    for (CharIndex c = 0; c < 100; ++c) {
        expected.push_back(SingleNameCode(c));
    }
    expected.push_back(SingleNameCode(5000));
    for (CharIndex c = 50; c < 100; ++c) {
        expected.push_back(SingleNameCode(c));  // ranked in both tables: appended twice
    }
    EXPECT_EQ(raw.Codes, expected);
}

}  // namespace
}  // namespace morvenda
