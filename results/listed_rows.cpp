#include "results/listed_rows.h"

#include <stdexcept>

#include "results/row_sorting.h"

namespace morvenda {

const ResultRow& ListedRows::At(int position) const {
    return rows_.at(static_cast<std::size_t>(position));
}

void ListedRows::Remove(int position) {
    if (position < 0 || position >= Count()) {
        throw std::out_of_range("ListedRows::Remove");
    }
    rows_.erase(rows_.begin() + position);
}

void ListedRows::SetChecked(int position, bool checked) {
    rows_.at(static_cast<std::size_t>(position)).Checked = checked;
}

std::vector<int> ListedRows::CheckedPositions() const {
    std::vector<int> positions;
    for (int position = 0; position < Count(); ++position) {
        if (rows_[static_cast<std::size_t>(position)].Checked) {
            positions.push_back(position);
        }
    }
    return positions;
}

std::vector<std::size_t> ListedRows::Sort(int field, bool ascending) {
    return SortRows(rows_, field, ascending);
}

}  // namespace morvenda
