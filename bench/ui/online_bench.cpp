// What the web pages cost: the program's start up to its shown main window, which the linked-in
// browser engine must not slow down, and opening a page in the browser window, the first time
// (the engine starts) and again.
//
// Run as the other window benchmarks; MORVENDA_BINARY=<path> times the start of another build.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>

#include "app/browser_loader.h"
#include "online/stand_in_site.h"

namespace {

const QString FortuneBase = QStringLiteral("morvenda://site/sm/");

// The browser window as the program gets it: from its library, loaded on demand. It closes as
// soon as a page has loaded.
QDialog* LoadClosingBrowserWindow() {
    QDialog* window = LoadBrowserWindow(nullptr, &morvenda::StandInPage).Window;
    QObject* view = window->findChild<QObject*>(QStringLiteral("WebBrowser1"));
    QObject::connect(view, SIGNAL(loadFinished(bool)), window, SLOT(accept()));
    return window;
}

void BM_StartToShownWindow(benchmark::State& state) {
    const QString binary = qEnvironmentVariable("MORVENDA_BINARY", QStringLiteral(MORVENDA_BINARY));
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), runtime.path());
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("morvenda.window.info=true"));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setReadChannel(QProcess::StandardError);
        QElapsedTimer sinceStart;
        sinceStart.start();
        program.start(binary, {});
        QByteArray said;
        while (!said.contains("main window shown") && program.waitForReadyRead(10000)) {
            said += program.readAllStandardError();
        }
        state.SetIterationTime(static_cast<double>(sinceStart.nsecsElapsed()) * 1e-9);
        if (!said.contains("main window shown")) {
            state.SkipWithError("the program showed no window");
        }
        program.terminate();
        program.waitForFinished();
    }
}
BENCHMARK(BM_StartToShownWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Only the first opening in a process loads the library and starts the browser engine, hence
// one iteration.
void BM_FirstPageOpen(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<QDialog> browser(LoadClosingBrowserWindow());
        OpenInBrowserWindow(browser.get(), FortuneBase + "chouqian/zgjm.asp#body");
    }
}
BENCHMARK(BM_FirstPageOpen)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PageOpenAgain(benchmark::State& state) {
    std::unique_ptr<QDialog> browser(LoadClosingBrowserWindow());
    OpenInBrowserWindow(browser.get(), FortuneBase + "chouqian/zgjm.asp#body");
    bool other = false;
    for (auto _ : state) {
        OpenInBrowserWindow(browser.get(), FortuneBase + (other ? "yuce/wnl.asp" : "24jq.asp"));
        other = !other;
    }
}
BENCHMARK(BM_PageOpenAgain)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
