#include <QApplication>

#include "app/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvenda取名软件"));
    TfrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
