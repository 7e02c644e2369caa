#pragma once
// What the application object needs before the first window opens, shared by the program, its
// tests and its benchmarks so that all of them see the same windows.

class QApplication;

// The application's name, one font for every widget (menus and message boxes included) and
// Qt's own dialog texts in Chinese. The translations are left out, with a warning, where they are
// not installed.
void PrepareApplication(QApplication& app);
