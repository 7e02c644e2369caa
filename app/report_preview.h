#pragma once
// The print preview both printed lists open: modal, every page of the report at hand, and a
// print button whose dialog offers the printers and a PDF file.

class BandedReport;
class QWidget;

// Shows the report until the user closes the preview, having printed from it or not.
void ShowPrintPreview(BandedReport& report, QWidget* parent);
