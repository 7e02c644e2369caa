// Program start: one running copy per user; a later start brings that copy to the front and
// ends without showing anything.

#include <QApplication>
#include <QtGlobal>

#include "app/application_setup.h"
#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/single_instance.h"
#include "calendar/almanac.h"

int main(int argc, char* argv[]) {
    morvenda::SexagenaryNames();

    QApplication app(argc, argv);
    const QString socketPath = InstanceSocketPath();
    InstanceServer instanceServer(socketPath);
    if (!instanceServer.Claim()) {
        if (HandOverToRunningCopy(socketPath)) {
            return 0;
        }
        // The copy holding the place does not answer; better a second window than none.
        qWarning("The running copy does not answer at %s", qPrintable(socketPath));
    }
    PrepareApplication(app);

    DialogMessageBoxes messageBoxes;
    TfrmMain frmMain(messageBoxes);
    QObject::connect(&instanceServer, &InstanceServer::ActivationRequested, &frmMain,
                     &TfrmMain::ActivationMessageReceived);
    frmMain.show();
    return QApplication::exec();
}
