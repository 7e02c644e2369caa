#pragma once
// Reading printed output back as a reader would: the text of every page of a PDF file as
// poppler's pdftotext lays it out, and the fonts the file embeds.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

// Runs a poppler tool; a missing tool fails the test, since the set-up script installs it.
inline QString PopplerOutput(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        QTest::qFail(
            qPrintable(tool + " is missing: install poppler-utils (tools/dev.sh test does)"),
            __FILE__, __LINE__);
        return QString();
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        QTest::qFail(
            qPrintable(tool + " failed: " + QString::fromUtf8(process.readAllStandardError())),
            __FILE__, __LINE__);
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One text per page; pdftotext ends every page with a form feed.
inline QStringList PdfPageTexts(const QString& pdfPath) {
    QStringList pages = PopplerOutput(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

inline QString PdfFonts(const QString& pdfPath) {
    return PopplerOutput(QStringLiteral("pdffonts"), {pdfPath});
}
