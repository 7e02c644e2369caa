#include "naming/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace morvenda {
namespace {

TEST(RandomSourceTest, StartsFromStateZeroWithoutSeeding) {
    int reseeds = 0;
    RandomSource random([&reseeds] {
        ++reseeds;
        return 12345u;
    });
    // From state 0: 1, 134775814, … multiplied by each n and taken in their high half.
    const std::vector<std::pair<std::int32_t, std::int32_t>> draws{
        {50000, 0}, {50000, 1568}, {80000, 68883}, {7, 1}, {1, 0}, {INT32_MAX, 1442366880}};
    for (const auto& [n, expected] : draws) {
        EXPECT_EQ(random.NextRandom(n), expected) << "n = " << n;
    }
    EXPECT_EQ(reseeds, 0);
}

TEST(RandomSourceTest, ReseedReplacesTheState) {
    RandomSource random([] { return 7u; });
    random.NextRandom(100);
    random.ReseedRandom();
    EXPECT_EQ(random.NextRandom(1000), 219);
}

TEST(RandomSourceTest, ZeroRangeGivesZeroAndStillAdvances) {
    RandomSource withZero([] { return 0u; });
    RandomSource without([] { return 0u; });
    EXPECT_EQ(withZero.NextRandom(0), 0);
    without.NextRandom(5);
    EXPECT_EQ(withZero.NextRandom(50000), without.NextRandom(50000));
}

TEST(RandomSourceTest, HighestStateGivesTheLargestValueBelowTheRange) {
    // A state of 2^32 − 1 after the step gives n − 1, never n.
    RandomSource random([] { return 0x4d60ae66u; });
    for (const std::int32_t n : {1, 2, 49999, 80000, INT32_MAX}) {
        random.ReseedRandom();
        EXPECT_EQ(random.NextRandom(n), n - 1) << "n = " << n;
    }
}

}  // namespace
}  // namespace morvenda
