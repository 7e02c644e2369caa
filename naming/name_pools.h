#pragma once
// Compiled-in name statistics: per sex a pool of popular two-character names and a ranking of
// characters for each position of a given name.

#include <array>
#include <cstdint>
#include <span>

#include "dict/char_table.h"

namespace morvenda {

inline constexpr int PairPoolSize = 50000;
inline constexpr int RankTableSize = CharCount + 1;  // the last record is (0, 0), never read

struct RankRecord {
    std::int32_t CharIndex;
    std::int32_t Weight;
};

struct NamePoolSet {
    std::span<const NameCode, PairPoolSize> PairPool;
    std::span<const RankRecord, RankTableSize> Position1;  // first character of a given name
    std::span<const RankRecord, RankTableSize> Position2;  // second character
    std::array<std::int32_t, 4> BandBounds;
};

inline constexpr std::array<std::int32_t, 4> BandQuotas{400, 300, 150, 50};

// Sex index 0 selects the male set; any other index the female set.
const NamePoolSet& NamePools(int sexIndex);

}  // namespace morvenda
