#pragma once
// The detailed printed list: one line per result row in the order the list shows them, with
// the evaluation figures in thirteen columns.

#include <span>
#include <vector>

#include "results/banded_report.h"
#include "results/result_row.h"

namespace morvenda {

inline constexpr int DetailedListColumnCount = 13;

const ReportLayout& DetailedListLayout();

// The thirteen column texts of a row: the running number (index + 1), the name, score,
// element pattern and simplified strokes, the simplified total without leading zeros, the
// Kangxi strokes and total likewise, then the five grids as the list shows them.
ReportRecord DetailedListRecord(const ResultRow& row, int rowIndex);

// One record per row, in the rows' order.
std::vector<ReportRecord> DetailedListRecords(std::span<const ResultRow> rows);

}  // namespace morvenda
