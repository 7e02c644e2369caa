// The printed lists: each print reads the lists as they stand, shows the report in the modal
// print preview and tells the user in the status bar meanwhile.

#include <QPlainTextEdit>

#include "app/frm_main.h"
#include "app/qt_text.h"
#include "app/report_preview.h"
#include "results/banded_report.h"
#include "results/simple_list_report.h"

void TfrmMain::btn_Print1Click() {
    SetStatusText(1, ToQString(morvenda::PrintingStatusText));
    // The memo is the user's document: what it shows now, edits included, is what prints.
    rp_MainA.Prepare(morvenda::MemoLines(FromQString(mmo_NameList->toPlainText())));
    ShowPrintPreview(rp_MainA, this);
    SetStatusText(1, QString());
}

void TfrmMain::btn_Print2Click() {
    SetStatusText(1, ToQString(morvenda::PrintingStatusText));
    rp_MainB.Prepare(listedRows_.InDisplayOrder());
    ShowPrintPreview(rp_MainB, this);
    SetStatusText(1, QString());
}
