#include "app/frm_main.h"

#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/frm_select.h"
#include "app/message_boxes.h"

Q_LOGGING_CATEGORY(lcMainWindow, "morvenda.window", QtWarningMsg)

namespace {

morvenda::CivilDate LocalToday() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

}  // namespace

TfrmMain::TfrmMain(MessageBoxes& messageBoxes, TodaySource today, QWidget* parent)
    : QMainWindow(parent), messageBoxes_(messageBoxes), today_(today ? std::move(today) : LocalToday) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Morvenda起名软件 V" MORVENDA_VERSION));

    CreateMenus();
    auto* central = new QWidget;
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(CreateToolbar());

    pc_Main = new QStackedWidget;
    pc_Main->setObjectName(QStringLiteral("pc_Main"));
    auto* mainPage = new QWidget;
    mainPage->setObjectName(QStringLiteral("TabSheet1"));
    auto* mainPageLayout = new QVBoxLayout(mainPage);
    mainPageLayout->setContentsMargins(0, 0, 0, 0);
    mainPageLayout->setSpacing(0);
    mainPageLayout->addWidget(CreateInputPanel());
    auto* panel3 = new QWidget;
    panel3->setObjectName(QStringLiteral("Panel3"));
    auto* panel3Layout = new QVBoxLayout(panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    panel3Layout->setSpacing(0);
    panel3Layout->addWidget(CreateChartPanel());
    panel3Layout->addWidget(CreateResultPages(), 1);
    mainPageLayout->addWidget(panel3, 1);
    pc_Main->addWidget(mainPage);
    centralLayout->addWidget(pc_Main, 1);
    setCentralWidget(central);

    CreateStatusBar();
    CreateShortcuts();

    resize(780, 577);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate() {
    ShowPage(pc_Main, 0);
    frmSelect = new TfrmSelect(this);
    ShowPage(pc_Result, 2);
    cmb_CalendarTypeChange();
    btn_Print2->setIcon(btn_Print1->icon());
    FillHourList();
    ClearChartLabels();
    ShowNameAnalysisLink();
    connect(btn_CreateName, &QPushButton::clicked, this, [this] { btn_CreateNameClick(btn_CreateName); });
    connect(btn_SelectName, &QPushButton::clicked, this, [this] { btn_CreateNameClick(btn_SelectName); });
    ConnectOnlineLinks();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow() {
    // Every window exists by now, the filter dialog too, so the last run's input comes back.
    LoadSettings();
    // Typing right after the start goes into the family name, the first thing to fill in. The
    // window asks for the keyboard too, which a start without a window manager never hands it.
    edt_FirstName->setFocus();
    activateWindow();
    qCInfo(lcMainWindow) << "main window shown";
}

void TfrmMain::CreateShortcuts() {
    // Enter runs the simple generation and Esc goes back to the text list, as a dialog's
    // default and cancel buttons would, but only while the button can be seen and used.
    const auto pressWhenUsable = [](QPushButton* button) {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
        }
    };
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                [this, pressWhenUsable] { pressWhenUsable(btn_CreateName); });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this, pressWhenUsable] { pressWhenUsable(btn_ReturnSimple); });
}

void TfrmMain::ShowPage(QStackedWidget* pageControl, int index) {
    pageControl->setCurrentIndex(index);
}

void TfrmMain::btn_ShowNamePropertyClick() {
    ShowPage(pc_Result, 1);
}

void TfrmMain::btn_ReturnSimpleClick() {
    ShowPage(pc_Result, 0);
}

void TfrmMain::sbtn_QimingClick() {
    Panel2->setVisible(true);
    Panel4->setVisible(true);
    FavoritesMode = false;
    ShowPage(pc_Main, 0);
    btn_AddFavorites->setIcon(sbtn_Favorites->icon());
    btn_AddFavorites->setText(QStringLiteral("加入收藏"));
}

void TfrmMain::N6Click() {
    sbtn_QimingClick();
}

void TfrmMain::ActivationMessageReceived() {
    if (isMinimized()) {
        qCInfo(lcMainWindow) << "activation: restored";
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
    } else {
        qCInfo(lcMainWindow) << "activation: raised";
    }
    raise();
    activateWindow();
}

void TfrmMain::SetStatusText(int panel, const QString& text) {
    statusPanels_[panel]->setText(text);
}
