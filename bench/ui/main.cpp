// The windows' benchmarks need an application for fonts and widgets; no screen is needed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include "app/application_setup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows' runs save their input: into a folder of the benchmarks' own, never over the
    // user's settings, and every start reads none.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    PrepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
