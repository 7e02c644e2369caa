#include "naming/code_lists.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvenda {
namespace {

// A reseed source handing out 5, 6, 7, … and counting how often it was asked.
struct CountingSeeds {
    std::uint32_t next = 5;
    int calls = 0;
    RandomSource Source() {
        return RandomSource([this] {
            ++calls;
            return next++;
        });
    }
};

TEST(ShuffleCodesTest, SwapsPositionsBelowTheSmallerBoundOnly) {
    // Seeds 5 … 9 give the swaps (0,0) (0,0) (0,3) (1,2) (1,1) over positions 0 … 3.
    for (const auto& [high, limit] : {std::pair{4, 10}, std::pair{10, 4}}) {
        CountingSeeds seeds;
        RandomSource random = seeds.Source();
        std::vector<NameCode> codes{10, 20, 30, 40, 50, 60};
        ShuffleCodes(random, codes, high, limit);
        EXPECT_EQ(codes, (std::vector<NameCode>{40, 30, 20, 10, 50, 60}));
        EXPECT_EQ(seeds.calls, 5);
    }
}

TEST(ShuffleCodesTest, NegativeBoundDoesNothing) {
    CountingSeeds seeds;
    RandomSource random = seeds.Source();
    std::vector<NameCode> codes{1, 2};
    ShuffleCodes(random, codes, -1, 2147483647);
    EXPECT_EQ(codes, (std::vector<NameCode>{1, 2}));
    EXPECT_EQ(seeds.calls, 0);
}

TEST(ShuffleCodesTest, ZeroBoundSwapsTheFirstPositionWithItselfEvenOnAnEmptyList) {
    CountingSeeds seeds;
    RandomSource random = seeds.Source();
    std::vector<NameCode> empty;
    ShuffleCodes(random, empty, 1999, 0);
    EXPECT_EQ(seeds.calls, 1);

    std::vector<NameCode> one{42};
    ShuffleCodes(random, one, 0, 2147483647);
    EXPECT_EQ(one, std::vector<NameCode>{42});
    EXPECT_EQ(seeds.calls, 2);
}

TEST(RemoveDuplicatesTest, KeepsFirstOccurrencesInOrder) {
    const std::vector<std::pair<std::vector<NameCode>, std::vector<NameCode>>> cases{
        {{}, {}},
        {{0}, {0}},
        {{7, 7, 7}, {7}},
        {{3, 1, 3, 2, 1, 0, 0}, {3, 1, 2, 0}},
        {{0x00010002, 0x00020001, 0x0001FFFF, 0x00010002}, {0x00010002, 0x00020001, 0x0001FFFF}},
    };
    for (const auto& [input, expected] : cases) {
        std::vector<NameCode> codes = input;
        RemoveDuplicates(codes);
        EXPECT_EQ(codes, expected);
    }
}

}  // namespace
}  // namespace morvenda
