#include "app/frm_main.h"

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Morvenda起名软件 V1.6"));
    resize(780, 577);
}
