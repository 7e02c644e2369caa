#pragma once
// The compiled-in dictionary of the characters names are made of. Rows are identities: the
// name pools store row numbers, so the order of the rows is part of the data.

#include <cstdint>
#include <string>
#include <string_view>

namespace morvenda {

inline constexpr int CharCount = 7227;

// A row of the table, 0 … CharCount − 1; CharCount reads the empty row. Larger values (0xFFFF
// for the missing second character of a one-character name) mean "no character" and must be
// tested before the table is indexed.
using CharIndex = int;

// A candidate given name: first character's CharIndex in the high 16 bits, second's in the low
// 16 bits, 0xFFFF in the low half for a one-character name.
using NameCode = std::uint32_t;
inline constexpr std::uint32_t NoSecondChar = 0xFFFF;

// A set of the five elements.
using ElementMask = unsigned;
inline constexpr ElementMask ElementEarth = 1;
inline constexpr ElementMask ElementFire = 2;
inline constexpr ElementMask ElementWater = 4;
inline constexpr ElementMask ElementWood = 8;
inline constexpr ElementMask ElementMetal = 16;

// Accessors take 0 … CharCount.
std::string_view Glyph(int index);
std::string_view Pinyin(int index);
unsigned ElementByMeaning(int index);
unsigned ElementByRadical(int index);
int RadicalIndex(int index);
int SimplifiedStrokes(int index);
int KangxiStrokes(int index);

// Row whose glyph equals the whole text, CharCount when none does.
int FindCharIndex(std::string_view text);

// The given name's characters; a space stands for each half that names no character.
std::string NameCodeToText(std::uint32_t code);

}  // namespace morvenda
