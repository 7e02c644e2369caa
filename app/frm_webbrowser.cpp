#include "app/frm_webbrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLoggingCategory>
#include <QPrintDialog>
#include <QPrinter>
#include <QQuickWindow>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "app/site_scheme.h"
#include "online/site_addresses.h"

Q_LOGGING_CATEGORY(lcBrowser, "morvenda.browser", QtWarningMsg)

namespace {

QToolButton* SpeedButton(QWidget* parent, const char* name, const QString& caption,
                         QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

QLoggingCategory::CategoryFilter previousLogFilter = nullptr;

// The engine's start-up report reads the shared OpenGL context without looking whether there is
// one, and crashes when there is none; whatever the logging rules say, it stays silent.
void WithoutEngineStartReport(QLoggingCategory* category) {
    if (previousLogFilter) {
        previousLogFilter(category);
    }
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
    }
}

// The engine takes its settings only before its first object exists, which is right here when
// the program opens its first page. Started this late it finds no OpenGL context shared with the
// program (making one at start would cost every start the graphics set-up), so it draws in
// software, which the program's plain pages do not notice.
void PrepareBrowserEngine() {
    previousLogFilter = QLoggingCategory::installFilter(&WithoutEngineStartReport);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    RegisterSiteScheme();
}

}  // namespace

TfrmWebbrowser::TfrmWebbrowser(PageSource pages, QWidget* parent) : QDialog(parent) {
    static const bool engineReady = (PrepareBrowserEngine(), true);
    Q_UNUSED(engineReady);
    setObjectName(QStringLiteral("frmWebbrowser"));
    setWindowTitle(QStringLiteral("网页浏览器"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    // A window of its own does not take its parent's font by itself.
    if (parent) {
        setFont(parent->font());
    }

    profile_ = new QWebEngineProfile(this);
    const QByteArray scheme = QByteArray::fromStdString(std::string(morvenda::SiteScheme));
    profile_->installUrlSchemeHandler(scheme, new SiteSchemeHandler(pages, profile_));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    sbtn_back = SpeedButton(Panel1, "sbtn_back", QStringLiteral("后退"), QStyle::SP_ArrowBack);
    sbtn_Next = SpeedButton(Panel1, "sbtn_Next", QStringLiteral("前进"), QStyle::SP_ArrowForward);
    sbtn_Print = SpeedButton(Panel1, "sbtn_Print", QStringLiteral("打印"), QStyle::SP_FileIcon);
    sbtn_close =
        SpeedButton(Panel1, "sbtn_close", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(4, 2, 4, 2);
    for (QToolButton* button : {sbtn_back, sbtn_Next, sbtn_Print, sbtn_close}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setPage(new QWebEnginePage(profile_, WebBrowser1));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(WebBrowser1, 1);

    connect(sbtn_back, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_backClick);
    connect(sbtn_Next, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_NextClick);
    connect(sbtn_Print, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_PrintClick);
    connect(sbtn_close, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_closeClick);
    connect(WebBrowser1, &QWebEngineView::printFinished, this, [this] { printer_.reset(); });
}

TfrmWebbrowser::~TfrmWebbrowser() {
    // The page must go before the profile it was made with.
    delete WebBrowser1;
}

void TfrmWebbrowser::OpenWebPage(const QString& address) {
    QElapsedTimer sinceOpening;
    sinceOpening.start();
    const QMetaObject::Connection loaded = connect(
        WebBrowser1, &QWebEngineView::loadFinished, this,
        [sinceOpening](bool ok) {
            qCInfo(lcBrowser) << "page loaded:" << ok << "after" << sinceOpening.elapsed() << "ms";
        },
        Qt::SingleShotConnection);
    WebBrowser1->setUrl(QUrl(address));
    // Where no window manager maximises it, the window still covers the screen.
    if (const QScreen* screen =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    disconnect(loaded);
}

void TfrmWebbrowser::sbtn_backClick() {
    // With no earlier page the history simply stays where it is.
    WebBrowser1->back();
}

void TfrmWebbrowser::sbtn_NextClick() {
    WebBrowser1->forward();
}

void TfrmWebbrowser::sbtn_PrintClick() {
    if (printer_) {
        return;  // the page is still being printed
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printer_ = std::move(printer);
    WebBrowser1->print(printer_.get());
}

void TfrmWebbrowser::sbtn_closeClick() {
    accept();
}
