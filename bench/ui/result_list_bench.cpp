// Listing a full run's candidates in the detailed list and the text list, offscreen.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "app/frm_main.h"
#include "silent_message_boxes.h"

namespace {

// A window after one simple run of two-character names for the family name 王.
void ListNames(TfrmMain& window) {
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
    window.findChild<QComboBox*>(QStringLiteral("cmb_NameLength"))->setCurrentIndex(1);
    window.findChild<QPushButton*>(QStringLiteral("btn_CreateName"))->click();
}

void BM_FillResultList(benchmark::State& state) {
    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    ListNames(window);
    for (auto _ : state) {
        window.FillResultList();
    }
    state.counters["candidates"] = window.Candidates().Count;
}
BENCHMARK(BM_FillResultList)->Unit(benchmark::kMillisecond);

// A header click on the name column: every comparison reads GBK bytes of two captions.
void BM_SortByNameColumn(benchmark::State& state) {
    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    ListNames(window);
    for (auto _ : state) {
        window.listview_ResultColumnClick(0);
    }
    state.counters["rows"] = window.Candidates().Count;
}
BENCHMARK(BM_SortByNameColumn)->Unit(benchmark::kMillisecond);

}  // namespace
