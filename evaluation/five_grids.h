#pragma once
// The five grids of a full name, computed from the Kangxi stroke counts of its characters.
// A character counts as absent by its stroke value, not by its index: a second family or
// given-name character with 0 strokes gives the grids of a name without it.

#include <cstdint>

#include "dict/char_table.h"

namespace morvenda {

enum class GridKind : int { Heaven = 1, Person = 2, Earth = 3, Outer = 4, Total = 5 };

struct FiveGrids {
    std::int32_t Heaven = 0;  // 天格
    std::int32_t Person = 0;  // 人格
    std::int32_t Earth = 0;   // 地格
    std::int32_t Outer = 0;   // 外格
    std::int32_t Total = 0;   // 总格

    bool operator==(const FiveGrids&) const = default;
};

// The family name in force: FamilyIndex2 is CharCount for a one-character family name,
// FamilyIndex1 is CharCount when the character is not in the table.
struct FamilyIndexes {
    CharIndex FamilyIndex1 = CharCount;
    CharIndex FamilyIndex2 = CharCount;
};

// Kangxi strokes of the first and second family character (F1, F2) and of the first and
// second given-name character (G1, G2), each 0 for an absent character.
struct NameStrokes {
    int F1 = 0;
    int F2 = 0;
    int G1 = 0;
    int G2 = 0;
};

// Reads the table for the family pair and both halves of the NameCode; a half above
// CharCount − 1 (such as 0xFFFF) has 0 strokes.
NameStrokes KangxiNameStrokes(FamilyIndexes family, NameCode code);

// One grid; a kind outside 1 … 5 gives 0.
int GridFromStrokes(const NameStrokes& strokes, GridKind kind);
FiveGrids FiveGridsFromStrokes(const NameStrokes& strokes);

int ComputeGrid(FamilyIndexes family, NameCode code, GridKind kind);
FiveGrids ComputeFiveGrids(FamilyIndexes family, NameCode code);

}  // namespace morvenda
