#pragma once
// The browser window as a user meets it: each opening is modal, so the steps run once it is up,
// and they end by pressing "关闭" as the user does. Knows no browser engine classes, so the
// tests that must not link the engine use it too.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

// The first page starts the browser engine's own processes, which takes a while on a busy
// machine.
inline constexpr int LoadTimeout = 30000;

inline void Press(QWidget* browser, const char* button) {
    QTest::mouseClick(browser->findChild<QToolButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
}

// Runs the steps once the modal browser window is up, then closes it with its button.
inline void WhileBrowserShows(std::function<void(QWidget* browser)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        QWidget* browser = QApplication::activeModalWidget();
        QVERIFY(browser);
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        steps(browser);
        Press(browser, "sbtn_close");
    });
}
