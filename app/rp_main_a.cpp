#include "app/rp_main_a.h"

#include "results/simple_list_report.h"

Trp_MainA::Trp_MainA() : BandedReport(morvenda::SimpleListLayout()) {}

void Trp_MainA::Prepare(const std::vector<std::string>& memoLines) {
    SetRecords(morvenda::SimpleListRecords(memoLines));
}
