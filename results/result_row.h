#pragma once
// One row of the detailed result list: a name, its evaluation and the family it was evaluated
// with, as values and as the texts the list shows. Field 0 is the caption; fields 1 … 9 have
// columns, fields 10 … 15 are kept for sorting, printing and the favourites but never shown. A
// field's number is also its sort key. A listing evaluates each candidate under the family the
// run read from the edit, or in favourites mode under FamilyFromCode of its saved family code.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dict/char_table.h"
#include "evaluation/five_grids.h"
#include "naming/candidate_lists.h"
#include "naming/family_name.h"

namespace morvenda {

inline constexpr int ResultFieldCount = 16;
inline constexpr int ResultVisibleFieldCount = 10;

// The family name a row is evaluated under: Text is what the caption starts with, Char1 and
// Char2 the family glyphs of field 15, Index1 and Index2 the rows the grids are read from.
using RowFamily = FamilyName;

// The family a favourites entry was saved with. Both glyphs come from the table (CharCount gives
// the empty text) and the caption starts with them. Halves beyond CharCount, which only a damaged
// favourites file holds, read as CharCount.
RowFamily FamilyFromCode(FamilyCode code);

struct ResultRow {
    std::array<std::string, ResultFieldCount> Fields;
    NameCode Code = 0;
    FamilyCode Family = 0;  // the family pair the row was evaluated with
    FiveGrids Grids;
    double Score = 0;      // field 1 before rounding to two decimals
    bool Checked = false;  // the row's check box in the detailed list
};

// Evaluates a candidate under a family and formats every field; the row starts unchecked.
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
