#include "app/rp_main_b.h"

#include "results/detailed_list_report.h"

Trp_MainB::Trp_MainB() : BandedReport(morvenda::DetailedListLayout()) {}

void Trp_MainB::Prepare(std::span<const morvenda::ResultRow> rows) {
    SetRecords(morvenda::DetailedListRecords(rows));
}
