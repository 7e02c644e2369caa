// Printing the detailed list of a full listing, both passes: counting the pages and drawing
// all of them into a PDF document held in memory.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPdfWriter>
#include <vector>

#include "app/rp_main_b.h"
#include "naming/family_name.h"
#include "results/result_row.h"

namespace {

// 2000 rows of the family 王 over distinct given names drawn from the table's first rows.
std::vector<morvenda::ResultRow> FullListing() {
    const morvenda::FamilyName family = morvenda::ReadFamilyName("王");
    std::vector<morvenda::ResultRow> rows;
    for (int i = 0; i < 2000; ++i) {
        rows.push_back(
            morvenda::BuildResultRow(morvenda::MakeNameCode(100 + i / 50, 200 + i % 50), family));
    }
    return rows;
}

void BM_PrintDetailedListOf2000Rows(benchmark::State& state) {
    const std::vector<morvenda::ResultRow> rows = FullListing();
    Trp_MainB report;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setPageLayout(report.DesignedPageLayout());
        report.Prepare(rows);
        report.Print(writer);
        benchmark::DoNotOptimize(pdf.size());
    }
    state.counters["pages"] = report.TotalPages();
}
BENCHMARK(BM_PrintDetailedListOf2000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
