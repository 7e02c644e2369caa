// The windows' benchmarks need an application for fonts and widgets; no screen is needed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include "app/application_setup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
