// The browser window for real: the browser engine loads the stand-in site, and the window is
// driven with its own buttons. Each opening is modal, so the steps run inside it and end by
// pressing "关闭" as the user does.

#include "app/frm_webbrowser.h"

#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <memory>

#include "app/tests/browser_window_user.h"
#include "online/stand_in_site.h"

namespace {

const QString F = QStringLiteral("morvenda://site/sm/");
const QString DreamPage = F + "chouqian/zgjm.asp#body";
const QString SlipsPage = F + "chouqian/guanyin.asp";

QWebEngineView* ViewOf(QWidget* browser) {
    return browser->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
}

QString PlainText(QWebEngineView* view) {
    QString text;
    bool done = false;
    view->page()->toPlainText([&](const QString& result) {
        text = result;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, LoadTimeout) ? text : QStringLiteral("(no text)");
}

bool WaitForTitle(QWebEngineView* view, const QString& title) {
    return QTest::qWaitFor([&] { return view->title() == title; }, LoadTimeout);
}

}  // namespace

class FrmWebbrowserTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheStandInPageInAMaximisedModalWindow() {
        TfrmWebbrowser browser(&morvenda::StandInPage);
        QString body;
        bool wasModal = false;
        QRect screenCovered;
        QRect available;
        WhileBrowserShows([&](QWidget* shown) {
            QCOMPARE(shown, &browser);
            QVERIFY(WaitForTitle(ViewOf(shown), QStringLiteral("周公解梦")));
            body = PlainText(ViewOf(shown));
            wasModal = shown->isModal() && shown->isMaximized();
            screenCovered = shown->frameGeometry();
            available = shown->screen()->availableGeometry();
        });
        browser.OpenWebPage(DreamPage);

        QVERIFY(!browser.isVisible());
        QVERIFY(wasModal);
        QCOMPARE(screenCovered, available);
        QCOMPARE(browser.windowTitle(), QStringLiteral("网页浏览器"));
        QVERIFY2(
            body.contains(QStringLiteral("周公解梦")) && body.contains(QStringLiteral("离线页面")),
            qPrintable(body));
        QStringList buttons;
        for (const char* name : {"sbtn_back", "sbtn_Next", "sbtn_Print", "sbtn_close"}) {
            buttons << browser.findChild<QToolButton*>(QString::fromLatin1(name))->text();
        }
        QCOMPARE(buttons, (QStringList{"后退", "前进", "打印", "关闭"}));
    }

    void backAndForwardWithoutHistoryDoNothing() {
        TfrmWebbrowser browser(&morvenda::StandInPage);
        WhileBrowserShows([&](QWidget* shown) {
            QWebEngineView* view = ViewOf(shown);
            QVERIFY(WaitForTitle(view, QStringLiteral("周公解梦")));
            const QUrl first = view->url();
            Press(shown, "sbtn_back");
            Press(shown, "sbtn_Next");
            QTest::qWait(300);
            QCOMPARE(view->url(), first);
            QCOMPARE(view->title(), QStringLiteral("周公解梦"));
            QVERIFY(shown->isVisible());
        });
        browser.OpenWebPage(DreamPage);
    }

    void theHistoryRunsOnAcrossOpenings() {
        TfrmWebbrowser browser(&morvenda::StandInPage);
        WhileBrowserShows([](QWidget* shown) {
            QVERIFY(WaitForTitle(ViewOf(shown), QStringLiteral("周公解梦")));
        });
        browser.OpenWebPage(DreamPage);
        WhileBrowserShows([](QWidget* shown) {
            QWebEngineView* view = ViewOf(shown);
            QVERIFY(WaitForTitle(view, QStringLiteral("观音灵签")));
            Press(shown, "sbtn_back");
            QVERIFY(WaitForTitle(view, QStringLiteral("周公解梦")));
            Press(shown, "sbtn_Next");
            QVERIFY(WaitForTitle(view, QStringLiteral("观音灵签")));
        });
        browser.OpenWebPage(SlipsPage);
    }

    void aFamilyNameIsShownAsTextNotMarkup() {
        TfrmWebbrowser browser(&morvenda::StandInPage);
        QString body;
        WhileBrowserShows([&](QWidget* shown) {
            QVERIFY(WaitForTitle(ViewOf(shown), QStringLiteral("姓氏起源")));
            body = PlainText(ViewOf(shown));
        });
        browser.OpenWebPage(F + "sm/sm.asp?sm=8&act=ok&xing=<b>王</b>#body");
        QVERIFY2(body.contains(QStringLiteral("<b>王</b>")), qPrintable(body));
    }
};

QTEST_MAIN(FrmWebbrowserTest)
#include "frm_webbrowser_test.moc"
