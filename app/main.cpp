// Program start: one running copy per user; a later start brings that copy to the front and
// ends without showing anything.

#include <QApplication>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/single_instance.h"
#include "calendar/almanac.h"

int main(int argc, char* argv[]) {
    morvenda::SexagenaryNames();

    QApplication app(argc, argv);
    const QString socketPath = InstanceSocketPath();
    if (HandOverToRunningCopy(socketPath)) {
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("Morvenda取名软件"));

    DialogMessageBoxes messageBoxes;
    TfrmMain frmMain(messageBoxes);
    InstanceServer instanceServer;
    instanceServer.Listen(socketPath);
    QObject::connect(&instanceServer, &InstanceServer::ActivationRequested, &frmMain,
                     &TfrmMain::ActivationMessageReceived);
    frmMain.show();
    return QApplication::exec();
}
