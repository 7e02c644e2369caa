#pragma once
// One row of the detailed result list: a name, its evaluation and the family it was evaluated
// with. Field 0 is the caption; fields 1 … 9 have columns, fields 10 … 15 are kept for sorting,
// printing and the favourites but never shown. A field's number is also its sort key.
//
// Usage (window side, inside the fill loop):
//     RowFamily family = FavoritesMode ? FamilyFromCode(favoriteFamilyCodes[i])
//                                      : RowFamily{trimmed edit text, FamilyChar1, FamilyChar2,
//                                                  FamilyIndex1, FamilyIndex2};
//     ResultRow row = BuildResultRow(candidates[i], family);
//     item caption <- row.Fields[0], sub-items <- row.Fields[1 … 15]; keep row.Family.
// The list view's columns are in ResultColumns().

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dict/char_table.h"

namespace morvenda {

// A family name in 32 bits: first family CharIndex × 65536 + second (CharCount when absent).
using FamilyCode = std::uint32_t;

inline constexpr int ResultFieldCount = 16;
inline constexpr int ResultVisibleFieldCount = 10;

// The family name a row is evaluated under.
struct RowFamily {
    std::string Text;   // what the caption starts with
    std::string Char1;  // first family glyph
    std::string Char2;  // second family glyph, empty for a one-character family name
    int Index1 = CharCount;
    int Index2 = CharCount;
};

// The family a favourites entry was saved with. Both glyphs come from the table (CharCount gives
// the empty text) and the caption starts with them. Halves beyond CharCount, which only a damaged
// favourites file holds, read as CharCount.
RowFamily FamilyFromCode(FamilyCode code);

FamilyCode MakeFamilyCode(int index1, int index2);

struct ResultRow {
    std::array<std::string, ResultFieldCount> Fields;
    NameCode Code = 0;
    FamilyCode Family = 0;  // the family pair the row was evaluated with
};

// Evaluates a candidate under a family and formats every field.
ResultRow BuildResultRow(NameCode code, const RowFamily& family);

enum class ColumnAlignment { Left, Center };

struct ResultColumn {
    std::string_view Caption;
    int Width;
    ColumnAlignment Alignment;
};

// The ten visible columns, in field order.
std::span<const ResultColumn, ResultVisibleFieldCount> ResultColumns();

}  // namespace morvenda
