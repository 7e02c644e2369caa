#pragma once
// The detailed printed list: one line per result row, in the order the list shows them.

#include <span>

#include "app/banded_report.h"
#include "results/result_row.h"

class Trp_MainB final : public BandedReport {
  public:
    Trp_MainB();

    // Takes the rows in display order as they stand when the print starts.
    void Prepare(std::span<const morvenda::ResultRow> rows);
};
