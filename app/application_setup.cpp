#include "app/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include "app/program_font.h"

void PrepareApplication(QApplication& app) {
    // The taskbar text, and the title of the program's message boxes.
    QApplication::setApplicationName(QStringLiteral("Morvenda取名软件"));

    // Set on the application rather than on the main window: popup menus, message boxes and
    // widgets with a style sheet do not inherit a window's font.
    QApplication::setFont(ProgramFont());

    // The program speaks Chinese whatever the system's language, so the buttons and texts of
    // Qt's own dialogs must too.
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        QApplication::installTranslator(translator);
    } else {
        qWarning("Qt's Chinese translations are missing from %s", qPrintable(folder));
        delete translator;
    }
}
