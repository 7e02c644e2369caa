#pragma once
// The lists a generation run fills: the working list the drawing steps append to, the scratch
// buffer of character combinations, and the result the windows read.

#include <array>
#include <cstdint>
#include <vector>

#include "dict/char_table.h"

namespace morvenda {

// What a run appends to before duplicates are removed. The single-character step may append
// every kept character of both rank tables, hence twice the dictionary's size.
struct RawCandidateList {
    static constexpr int Capacity = 2 * CharCount;

    std::vector<NameCode> Codes;

    RawCandidateList() { Codes.reserve(Capacity); }
    std::int32_t Count() const { return static_cast<std::int32_t>(Codes.size()); }
};

// Scratch space of combined characters, allocated once and reused by every run.
struct CombinationBuffer {
    static constexpr int Capacity = 250000;

    std::vector<NameCode> Codes = std::vector<NameCode>(Capacity);
    std::int32_t Count = 0;
};

// The candidates a run produced, or the favourites loaded in their place. Only the favourites
// fill FavoriteFamilyCodes (entry i is the family of name i); a generation run leaves that
// column alone.
struct CandidateList {
    static constexpr int Capacity = 2000;

    std::int32_t Count = 0;
    std::array<NameCode, Capacity> NameCodes{};
    std::array<FamilyCode, Capacity> FavoriteFamilyCodes{};
};

}  // namespace morvenda
