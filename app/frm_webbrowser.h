#pragma once
// The program's browser window: a maximised modal window with back, forward, print and close
// above the page. It is made the first time a page opens and then kept, so its history runs on
// from one opening to the next; until then the browser engine costs nothing.

#include <QDialog>
#include <memory>

#include "app/browser_library.h"

class QFrame;
class QPrinter;
class QToolButton;
class QWebEngineProfile;
class QWebEngineView;

class TfrmWebbrowser final : public QDialog {
    Q_OBJECT

  public:
    // The pages of the program's own scheme come from pages.
    TfrmWebbrowser(PageSource pages, QWidget* parent = nullptr);
    ~TfrmWebbrowser() override;

    // Goes to the address and shows the window modally; returns when the user closes it.
    Q_INVOKABLE void OpenWebPage(const QString& address);

  public slots:
    void sbtn_backClick();
    void sbtn_NextClick();
    void sbtn_PrintClick();
    void sbtn_closeClick();

  private:
    // Pages live in memory only: nothing the user looks at is written to disk.
    QWebEngineProfile* profile_ = nullptr;
    QFrame* Panel1 = nullptr;
    QToolButton* sbtn_back = nullptr;
    QToolButton* sbtn_Next = nullptr;
    QToolButton* sbtn_Print = nullptr;
    QToolButton* sbtn_close = nullptr;
    QWebEngineView* WebBrowser1 = nullptr;
    // Printing runs on after the dialog closes; the printer must outlive it.
    std::unique_ptr<QPrinter> printer_;
};
