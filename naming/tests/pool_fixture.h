#pragma once
// Small, fully known name pools for the drawing steps, in place of the compiled-in ones.

#include <algorithm>
#include <numeric>
#include <vector>

#include "naming/name_pools.h"
#include "naming/random_source.h"

namespace morvenda::testing {

struct PoolFixture {
    std::vector<NameCode> PairPool = std::vector<NameCode>(PairPoolSize);
    std::vector<RankRecord> Position1 = std::vector<RankRecord>(RankTableSize);
    std::vector<RankRecord> Position2 = std::vector<RankRecord>(RankTableSize);

    // Both rank tables rank the characters in table order, weights falling from 10000 by one a
    // rank (weight 100 at rank 9900); the pool holds the codes 0 … 49999.
    PoolFixture() {
        std::iota(PairPool.begin(), PairPool.end(), NameCode{0});
        for (int r = 0; r < CharCount; ++r) {
            Position1[r] = {r, 10000 - r};
            Position2[r] = {r, 10000 - r};
        }
        Position1[CharCount] = Position2[CharCount] = {0, 0};
    }

    // Ranks the given characters first, in their order, and the rest after them in table
    // order.
    static void RankFirst(std::vector<RankRecord>& table, const std::vector<CharIndex>& first) {
        std::vector<CharIndex> order = first;
        for (CharIndex c = 0; c < CharCount; ++c) {
            if (std::find(first.begin(), first.end(), c) == first.end()) {
                order.push_back(c);
            }
        }
        for (int r = 0; r < CharCount; ++r) {
            table[r].CharIndex = order[r];
        }
    }

    NamePoolSet Set() const {
        return {std::span<const NameCode, PairPoolSize>(PairPool.data(), PairPoolSize),
                std::span<const RankRecord, RankTableSize>(Position1.data(), RankTableSize),
                std::span<const RankRecord, RankTableSize>(Position2.data(), RankTableSize),
                {100, 200, 300, 400}};
    }
};

// Reseeds with 1, 2, 3, …: a fixed sequence for every test.
inline RandomSource FixedRandom() {
    return RandomSource([next = 0u]() mutable { return ++next; });
}

}  // namespace morvenda::testing
