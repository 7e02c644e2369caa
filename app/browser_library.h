#pragma once
// What the program and its browser library agree on. The browser window and the engine behind it
// live in a library of their own that the program loads the first time a page opens, so that
// until then the engine costs nothing: linked into the program it would load and set up its
// graphics at every start.

#include <string>
#include <string_view>

class QDialog;
class QWidget;

// The whole HTML document the stand-in site answers for an address.
using PageSource = std::string (*)(std::string_view address);

// Makes the browser window (a TfrmWebbrowser, whose OpenWebPage(QString) is invokable by name).
using BrowserWindowFactory = QDialog* (*)(QWidget* parent, PageSource pages);
inline constexpr char BrowserWindowFactoryName[] = "MorvendaCreateBrowserWindow";
