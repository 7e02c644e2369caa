#include "app/browser_loader.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLibrary>
#include <QStringList>

LoadedBrowserWindow LoadBrowserWindow(QWidget* parent, PageSource pages) {
    // Beside the program, in the installed copy's own folder, then in the build tree.
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList places{programDir,
                             programDir + QStringLiteral("/" MORVENDA_INSTALLED_BROWSER_DIR),
                             QStringLiteral(MORVENDA_BROWSER_DIR)};
    QStringList errors;
    for (const QString& place : places) {
        // Loaded for the rest of the run: the window outlives this call.
        QLibrary library(place + QStringLiteral("/morvenda_browser"));
        const auto factory =
            reinterpret_cast<BrowserWindowFactory>(library.resolve(BrowserWindowFactoryName));
        if (factory) {
            return {factory(parent, pages), {}};
        }
        errors << library.errorString();
    }
    return {nullptr, errors.join(QLatin1Char('\n'))};
}

void OpenInBrowserWindow(QDialog* window, const QString& address) {
    QMetaObject::invokeMethod(window, "OpenWebPage", Qt::DirectConnection, Q_ARG(QString, address));
}
