#pragma once
// Rows of the character table as the other subsystems name them.

namespace morvenda {

inline constexpr int CharCount = 7227;

// A row of the table, 0 … CharCount − 1; CharCount is the empty row (no glyph, no reading, no
// element, radical 0, 0 strokes). Larger values, such as the 0xFFFF of a missing second
// character, and negative ones also mean "no character".
using CharIndex = int;

// True for the rows that hold a character.
constexpr bool IsCharacterRow(CharIndex index) {
    return index >= 0 && index < CharCount;
}

// The row an index reads: itself when it names a character, the empty row otherwise. Every
// read of the table goes through it, so a stray index from a damaged favourites line reads no
// character instead of foreign memory.
constexpr CharIndex RowOrEmpty(CharIndex index) {
    return IsCharacterRow(index) ? index : CharCount;
}

}  // namespace morvenda
