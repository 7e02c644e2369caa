#include "naming/name_pools.h"

namespace morvenda {
namespace {

// MalePairPool, MalePosition1, MalePosition2 and the female tables, built from naming/data.
#include "naming/name_pools_tables.inc"

// Ranks at which the advanced search closes its bands; the same for both sexes.
constexpr std::array<std::int32_t, 4> PoolBandBounds{100, 200, 300, 400};

const NamePoolSet MalePools{MalePairPool, MalePosition1, MalePosition2, PoolBandBounds};
const NamePoolSet FemalePools{FemalePairPool, FemalePosition1, FemalePosition2, PoolBandBounds};

}  // namespace

const NamePoolSet& NamePools(int sexIndex) {
    return sexIndex == 0 ? MalePools : FemalePools;
}

}  // namespace morvenda
