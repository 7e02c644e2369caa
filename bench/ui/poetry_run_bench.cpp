// A whole 诗词起名 run from the click to the filled lists, offscreen: the core's draw, the
// evaluation of every row and the tooltip of every name cell.

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/frm_main.h"
#include "app/message_boxes.h"

namespace {

class SilentMessageBoxes final : public MessageBoxes {
  public:
    void Information(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString&) override {}
};

void BM_PoetryRunClick(benchmark::State& state) {
    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
    auto* button = window.findChild<QPushButton*>(QStringLiteral("btn_PoetryName"));
    for (auto _ : state) {
        button->click();
    }
    state.counters["candidates"] = window.Candidates().Count;
}
BENCHMARK(BM_PoetryRunClick)->Unit(benchmark::kMillisecond);

}  // namespace
