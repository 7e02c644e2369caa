#pragma once
// Ordering of result rows: by the GBK bytes of one field, ASCII letters folded to upper case,
// a text before every longer text it is a prefix of. Numbers order correctly only because the
// rows hold them zero-padded.

#include <array>
#include <span>
#include <string_view>

#include "results/result_row.h"

namespace morvenda {

inline constexpr int SortKeyCount = 12;

// Field sorted by item k of the sort boxes and by the popup sort entry with Tag k.
inline constexpr std::array<int, SortKeyCount> SortKeyMap{0, 5, 6, 7, 8, 9, 1, 2, 10, 11, 12, 13};

// The item texts of both sort boxes and the captions of the popup sort entries, in order.
std::span<const std::string_view, SortKeyCount> SortKeyTexts();

// Negative when a sorts before b on the field, positive when after, 0 when equal; descending
// order negates the byte comparison.
int CompareRows(const ResultRow& a, const ResultRow& b, int field, bool ascending);

// Reorders the rows by CompareRows on the field; rows that compare equal keep their order.
void SortRows(std::span<ResultRow> rows, int field, bool ascending);

}  // namespace morvenda
