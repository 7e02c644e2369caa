#include "app/report_preview.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "app/banded_report.h"

namespace {

// 名字列表.pdf in the user's documents folder, or in the home folder when there is none: a
// folder that does not exist would make the print dialog refuse the file.
QString DefaultPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(QStringLiteral("名字列表.pdf"));
}

// The print dialog's "print to file" starts from this file. Naming it switches the printer to
// PDF output, so an installed printer is switched back: it stays the dialog's first choice.
void OfferPdfFile(QPrinter& printer) {
    const bool toPrinter = printer.outputFormat() == QPrinter::NativeFormat;
    printer.setOutputFileName(DefaultPdfPath());
    if (toPrinter) {
        printer.setOutputFormat(QPrinter::NativeFormat);
    }
}

}  // namespace

void ShowPrintPreview(BandedReport& report, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("名字列表"));
    OfferPdfFile(printer);
    printer.setPageLayout(report.DesignedPageLayout());

    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* target) { report.Print(*target); });
    // Large enough to read a whole page, as the preview of a document on paper should be.
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        const QRect available = screen->availableGeometry();
        preview.resize(available.width() * 3 / 4, available.height() * 9 / 10);
    }
    preview.exec();
}
