#pragma once
// The rows the detailed list shows, in the order it shows them, each with its check mark. The
// list's view, the text list, and the favourites, printing and web pages that follow a listing
// all read the rows here, never out of a widget.

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "results/result_row.h"

namespace morvenda {

class ListedRows {
public:
    void Clear() { rows_.clear(); }
    // Appends the row at the end of the display order.
    void Append(ResultRow row) { rows_.push_back(std::move(row)); }
    // Removes the row at a position; the rows after it move up one.
    void Remove(int position);

    int Count() const { return static_cast<int>(rows_.size()); }
    // Positions count from 0 in the display order; a position outside it is a caller's error.
    const ResultRow& At(int position) const;
    std::span<const ResultRow> InDisplayOrder() const { return rows_; }

    void SetChecked(int position, bool checked);
    // The positions of the checked rows, in display order.
    std::vector<int> CheckedPositions() const;

    // Reorders the rows as SortRows does; check marks move with their rows. Returns, for every
    // new position, the position its row held before.
    std::vector<std::size_t> Sort(int field, bool ascending);

private:
    std::vector<ResultRow> rows_;
};

}  // namespace morvenda
