// A whole 诗词起名 run from the click to the filled lists, offscreen: the core's draw, the
// evaluation of every row and the tooltip of every name cell.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/frm_main.h"
#include "silent_message_boxes.h"

namespace {

void BM_PoetryRunClick(benchmark::State& state) {
    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
    // Two-character names, the longest lists; a start without settings shows 单字.
    window.findChild<QComboBox*>(QStringLiteral("cmb_NameLength"))->setCurrentIndex(1);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("btn_PoetryName"));
    for (auto _ : state) {
        button->click();
    }
    state.counters["candidates"] = window.Candidates().Count;
}
BENCHMARK(BM_PoetryRunClick)->Unit(benchmark::kMillisecond);

}  // namespace
