#pragma once
// Loading the browser library on demand (see browser_library.h).

#include <QString>

#include "app/browser_library.h"

class QDialog;
class QWidget;

struct LoadedBrowserWindow {
    QDialog* Window = nullptr;  // nullptr when the library could not be loaded
    QString Error;              // why not
};

// Looks beside the program first, then in the build tree the program was built in.
LoadedBrowserWindow LoadBrowserWindow(QWidget* parent, PageSource pages);

// Shows the address in the window and returns when the user closes it.
void OpenInBrowserWindow(QDialog* window, const QString& address);
