// The program's own way to its pages: the main window loads the browser library the first time
// a page opens, as the program does, and a menu item and a double-click on a result row each
// show the browser window on their stand-in page. This executable does not link the browser
// engine, so the engine starts exactly as late as in the program.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <functional>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/tests/browser_window_user.h"
#include "app/tests/menu_clicks.h"
#include "app/tests/window_test_support.h"

namespace {

// The browser's view, read through its properties: the test knows no browser classes.
QObject* ViewOf(QWidget* browser) {
    return browser->findChild<QObject*>(QStringLiteral("WebBrowser1"));
}

bool WaitForTitle(QWidget* browser, const QString& title) {
    return QTest::qWaitFor([&] { return ViewOf(browser)->property("title").toString() == title; },
                           LoadTimeout);
}

}  // namespace

class FrmMainBrowserTest : public QObject {
    Q_OBJECT

  private slots:
    void aMenuItemAndARowOpenTheirPagesInTheBrowserWindow() {
        RecordedMessageBoxes boxes;
        ForgetSavedSettings();
        TfrmMain window(boxes);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))
            ->setText(QStringLiteral("王"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btn_CreateName")),
                          Qt::LeftButton);
        QVERIFY(window.findChildren<QDialog*>(QStringLiteral("frmWebbrowser")).isEmpty());

        QString title;
        WhileBrowserShows([&](QWidget* shown) {
            QVERIFY(WaitForTitle(shown, QStringLiteral("二十四节气")));
            title = shown->windowTitle();
        });
        QVERIFY(ClickMenuItem(window.findChild<QAction*>(QStringLiteral("N91"))));
        QCOMPARE(title, QStringLiteral("网页浏览器"));

        auto* list = window.findChild<QTreeView*>(QStringLiteral("listview_Result"));
        const QString name = list->model()->index(0, 0).data().toString();
        QString shownAddress;
        WhileBrowserShows([&](QWidget* shown) {
            // The program's own analysis of the row's name, not a stand-in caption.
            QVERIFY(WaitForTitle(shown, QStringLiteral("姓名分析：") + name.trimmed()));
            shownAddress = ViewOf(shown)->property("url").toUrl().toString();
        });
        const QPoint row = list->visualRect(list->model()->index(0, 0)).center() + QPoint(60, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        QVERIFY2(shownAddress.contains(QStringLiteral("&ming=") + name.mid(1).trimmed()),
                 qPrintable(shownAddress));

        QVERIFY(boxes.NoneShown());
        QCOMPARE(window.findChildren<QDialog*>(QStringLiteral("frmWebbrowser")).size(), 1);
    }

    void theDictionaryButtonSearchesFromItsSearchBox() {
        RecordedMessageBoxes boxes;
        TfrmMain window(boxes);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString shownAddress;
        WhileBrowserShows([&](QWidget* shown) {
            QVERIFY(WaitForTitle(shown, QStringLiteral("新华字典")));
            // The search box has the focus as the page opens; the keys go to the view.
            auto* view = shown->findChild<QWidget*>(QStringLiteral("WebBrowser1"));
            QWidget* keys = view->focusProxy() ? view->focusProxy() : view;
            QTest::keyClicks(keys, QStringLiteral("Zhang san"));
            QTest::keyClick(keys, Qt::Key_Return);
            QVERIFY(WaitForTitle(shown, QStringLiteral("新华字典：查询“Zhang san”")));
            shownAddress = ViewOf(shown)->property("url").toUrl().toString();
        });
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("sbtn_dict")),
                          Qt::LeftButton);
        QVERIFY2(shownAddress.endsWith(QStringLiteral("xhzd/?q=Zhang+san")),
                 qPrintable(shownAddress));
        QVERIFY(boxes.NoneShown());
    }
};

QTEST_MAIN(FrmMainBrowserTest)
#include "frm_main_browser_test.moc"
