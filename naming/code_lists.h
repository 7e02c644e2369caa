#pragma once
// Reordering and thinning a list of NameCodes.

#include <cstdint>
#include <span>
#include <vector>

#include "dict/char_table.h"
#include "naming/random_source.h"

namespace morvenda {

// m := min(high, limit); nothing when m < 0, else m + 1 swaps of codes[i] and codes[j] with
// i, j = NextRandom(m), reseeding before each swap. Positions m and above never move. The
// caller guarantees m ≤ codes.size().
void ShuffleCodes(RandomSource& random, std::span<NameCode> codes, std::int32_t high,
                  std::int32_t limit);

// Keeps the first occurrence of every value, in order.
void RemoveDuplicates(std::vector<NameCode>& codes);

}  // namespace morvenda
