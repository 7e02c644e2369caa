// A whole 高级起名 run of two-character names from the click to the filled lists, offscreen:
// the chart, the filter dialog closed with OK, the settings file saved, the core's search and
// the listing of every row.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/frm_main.h"
#include "app/frm_select.h"
#include "silent_message_boxes.h"

namespace {

void BM_AdvancedDoubleRunClick(benchmark::State& state) {
    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
    window.findChild<QComboBox*>(QStringLiteral("cmb_NameLength"))->setCurrentIndex(1);
    auto* dialog = window.findChild<TfrmSelect*>();
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("btn_OK"));
    auto* button = window.findChild<QPushButton*>(QStringLiteral("btn_SelectName"));
    for (auto _ : state) {
        // Answered as soon as the dialog's own loop runs.
        QTimer::singleShot(0, ok, &QPushButton::click);
        button->click();
    }
    state.counters["candidates"] = window.Candidates().Count;
}
BENCHMARK(BM_AdvancedDoubleRunClick)->Unit(benchmark::kMillisecond);

}  // namespace
