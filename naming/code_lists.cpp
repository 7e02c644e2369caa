#include "naming/code_lists.h"

#include <algorithm>
#include <cassert>
#include <unordered_set>
#include <utility>

namespace morvenda {

void ShuffleCodes(RandomSource& random, std::span<NameCode> codes, std::int32_t high,
                  std::int32_t limit) {
    const std::int32_t m = std::min(high, limit);
    if (m < 0) {
        return;
    }
    assert(static_cast<std::size_t>(m) <= codes.size());
    // For m = 0 both positions are 0 and the list may be empty: the draws still advance the
    // random state.
    random.ReseededPairs(m + 1, m, [codes](std::int32_t i, std::int32_t j) {
        if (i != j) {
            std::swap(codes[i], codes[j]);
        }
    });
}

void RemoveDuplicates(std::vector<NameCode>& codes) {
    std::unordered_set<NameCode> kept;
    kept.reserve(codes.size());
    std::size_t count = 0;
    for (const NameCode code : codes) {
        if (kept.insert(code).second) {
            codes[count++] = code;
        }
    }
    codes.resize(count);
}

}  // namespace morvenda
