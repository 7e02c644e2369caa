// Two starts of the built program against one private runtime folder: the second hands over
// to the first and ends without a window.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <optional>

#include <unistd.h>

namespace {

constexpr int PatienceMs = 15000;
const QByteArray WindowShown = "main window shown";

// Waits until the process has written the text to its error output, which it keeps.
bool WaitForOutput(QProcess& process, const QByteArray& text, QByteArray& seen) {
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(text) && timer.elapsed() < PatienceMs) {
        process.waitForReadyRead(200);
        seen += process.readAllStandardError();
    }
    return seen.contains(text);
}

}  // namespace

class SecondStartTest : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> runtimeDir;

    void Start(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir->path());
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("morvenda.window.info=true"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MORVENDA_BINARY), QStringList{});
        QVERIFY(process.waitForStarted());
    }

    // A second start ends on its own, shows nothing, and the first copy comes to the front.
    void ExpectHandOver(QProcess& first, QByteArray& firstOutput) {
        QProcess second;
        Start(second);
        QVERIFY(second.waitForFinished(PatienceMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.readAllStandardError().contains(WindowShown));
        QVERIFY2(WaitForOutput(first, "activation: raised", firstOutput), firstOutput.constData());
    }

    static void Stop(QProcess& process) {
        process.terminate();
        if (!process.waitForFinished(PatienceMs)) {
            process.kill();
            process.waitForFinished();
        }
    }

private slots:
    void init() {
        runtimeDir.emplace();
        QVERIFY(runtimeDir->isValid());
        QFile::setPermissions(runtimeDir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aSecondStartActivatesTheFirstAndEnds() {
        QProcess first;
        Start(first);
        QByteArray firstOutput;
        QVERIFY2(WaitForOutput(first, WindowShown, firstOutput), firstOutput.constData());
        ExpectHandOver(first, firstOutput);
        ExpectHandOver(first, firstOutput);
        Stop(first);
    }

    void aSocketLeftByACrashedCopyDoesNotBlockTheNextStart() {
        QByteArray output;
        QProcess crashed;
        Start(crashed);
        QVERIFY2(WaitForOutput(crashed, WindowShown, output), output.constData());
        crashed.kill();
        QVERIFY(crashed.waitForFinished(PatienceMs));
        QVERIFY(QFileInfo::exists(runtimeDir->filePath(QStringLiteral("MorvendaQiming-%1").arg(getuid()))));

        QProcess next;
        Start(next);
        QByteArray nextOutput;
        QVERIFY2(WaitForOutput(next, WindowShown, nextOutput), nextOutput.constData());
        ExpectHandOver(next, nextOutput);
        Stop(next);
    }

    void startsAtTheSameMomentLeaveOneCopy() {
        constexpr int Starts = 6;
        std::array<QProcess, Starts> copies;
        for (QProcess& copy : copies) {
            Start(copy);
        }
        // All but one end on their own; the one left is the running copy.
        const auto running = [&copies] {
            QList<QProcess*> left;
            for (QProcess& copy : copies) {
                if (copy.state() != QProcess::NotRunning) {
                    left << &copy;
                }
            }
            return left;
        };
        QElapsedTimer timer;
        timer.start();
        while (running().size() > 1 && timer.elapsed() < PatienceMs) {
            for (QProcess* copy : running()) {
                copy->waitForFinished(20);
            }
        }
        QCOMPARE(running().size(), 1);
        QProcess* survivor = running().first();
        for (QProcess& copy : copies) {
            if (&copy != survivor) {
                QCOMPARE(copy.exitCode(), 0);
                QVERIFY(!copy.readAllStandardError().contains(WindowShown));
            }
        }
        QByteArray output;
        QVERIFY2(WaitForOutput(*survivor, WindowShown, output), output.constData());
        ExpectHandOver(*survivor, output);
        Stop(*survivor);
    }
};

QTEST_GUILESS_MAIN(SecondStartTest)
#include "second_start_test.moc"
