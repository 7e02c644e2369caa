// Program start: one running copy per user; a later start brings that copy to the front and
// ends without showing anything.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QString>
#include <QtGlobal>

#include "app/application_setup.h"
#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/single_instance.h"
#include "calendar/almanac.h"

namespace {

// Every size rendered from the program's drawing into the executable's resources, so that each
// place a desktop shows the icon (title bar, task switcher) picks the one it needs.
QIcon WindowIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/window-icon")).entryInfoList(QDir::Files)) {
        icon.addFile(file.filePath());
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    morvenda::SexagenaryNames();

    // The browser is loaded only when the first page opens, after the application exists; its
    // engine needs the shared GL contexts asked for before that.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
    // The installed desktop file's name, by which the desktop pairs the window with its menu
    // entry and icon (on Wayland it is the window's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("cn.morvenda.Qiming"));
    QApplication::setWindowIcon(WindowIcon());

    DialogMessageBoxes messageBoxes;
    TfrmMain frmMain(messageBoxes);
    QObject::connect(&instanceServer, &InstanceServer::ActivationRequested, &frmMain,
                     &TfrmMain::ActivationMessageReceived);
    frmMain.show();
    return QApplication::exec();
}
