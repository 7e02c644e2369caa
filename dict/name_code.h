#pragma once
// The two 32-bit codes names travel in: a given name's NameCode and a family name's FamilyCode.
// Both hold one CharIndex in each 16-bit half; these helpers are the only place that packs or
// unpacks them.

#include <cstdint>

#include "dict/char_index.h"

namespace morvenda {

// A candidate given name: the first character in the high half, the second in the low half.
using NameCode = std::uint32_t;

// A family name: the first family character in the high half, the second (CharCount for a
// one-character family name) in the low half.
using FamilyCode = std::uint32_t;

// The low half of a one-character given name.
inline constexpr CharIndex NoSecondChar = 0xFFFF;

namespace code_halves {

constexpr std::uint32_t Pack(CharIndex high, CharIndex low) {
    return (static_cast<std::uint32_t>(high) & 0xFFFFu) << 16 |
           (static_cast<std::uint32_t>(low) & 0xFFFFu);
}
constexpr CharIndex High(std::uint32_t code) {
    return static_cast<CharIndex>(code >> 16);
}
constexpr CharIndex Low(std::uint32_t code) {
    return static_cast<CharIndex>(code & 0xFFFFu);
}

}  // namespace code_halves

constexpr NameCode MakeNameCode(CharIndex first, CharIndex second) {
    return code_halves::Pack(first, second);
}

constexpr NameCode SingleNameCode(CharIndex first) {
    return MakeNameCode(first, NoSecondChar);
}

// The halves as stored, 0 … 0xFFFF; a half above CharCount − 1 names no character.
constexpr CharIndex FirstGivenChar(NameCode code) {
    return code_halves::High(code);
}
constexpr CharIndex SecondGivenChar(NameCode code) {
    return code_halves::Low(code);
}

// Halves that name no row of the table are stored as the empty row.
constexpr FamilyCode MakeFamilyCode(CharIndex first, CharIndex second) {
    return code_halves::Pack(RowOrEmpty(first), RowOrEmpty(second));
}

// The family rows, the empty row for a half past the table (which only a damaged favourites
// file holds).
constexpr CharIndex FirstFamilyChar(FamilyCode code) {
    return RowOrEmpty(code_halves::High(code));
}
constexpr CharIndex SecondFamilyChar(FamilyCode code) {
    return RowOrEmpty(code_halves::Low(code));
}

}  // namespace morvenda
