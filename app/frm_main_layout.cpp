// The main window's widget tree. Every component carries its designed name as objectName, so
// later features and tests find it by that name.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/family_name_validator.h"
#include "app/frm_main.h"
#include "app/program_font.h"
#include "app/qt_text.h"
#include "app/result_list_model.h"
#include "app/result_list_view.h"
#include "chart/birth_date_lists.h"
#include "results/row_sorting.h"

namespace {

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The lists of the window accept no typing: the user picks one of their items.
QComboBox* PickList(const char* name, const QStringList& items = {}) {
    auto* box = Named(new QComboBox, name);
    box->setEditable(false);
    box->addItems(items);
    return box;
}

// A birth-date list changes its items with the calendar and the year, and a list narrower than
// its text clips it ("13:00 - 13:59" read "13:00 -"): each keeps the width of the widest item
// it can ever hold: the ones it holds now and those of the lists it is filled with later.
void KeepWidthOfWidest(QComboBox* box,
                       const std::vector<std::vector<std::string>>& itemLists = {}) {
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) {
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    }
    for (const auto& items : itemLists) {
        for (const std::string& item : items) {
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(ToQString(item)));
        }
    }
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QSize size = box->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(widest, box->fontMetrics().height()), box);
    box->setMinimumWidth(size.width());
    box->setSizePolicy(QSizePolicy::Fixed, box->sizePolicy().verticalPolicy());
}

std::vector<std::string> EveryLunarMonthItem() {
    std::vector<std::string> items;
    for (int year = morvenda::FirstListedYear; year <= morvenda::LastListedYear; ++year) {
        for (std::string& item : morvenda::LunarMonthItems(year)) {
            items.push_back(std::move(item));
        }
    }
    return items;
}

QStringList SortKeyItems() {
    QStringList items;
    for (std::string_view text : morvenda::SortKeyTexts()) {
        items << ToQString(text);
    }
    return items;
}

QFrame* Panel(const char* name) {
    auto* panel = Named(new QFrame, name);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

QIcon StandardIcon(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

// Sayings of classical writers on the weight of a name; lines 1–3 and 7 frame them.
constexpr std::array<const char*, 7> WelcomeLines{
    "常言道：“赐子千金，不如教一艺在身；教子一艺，不如赐子好名字”",
    "足见父母为子女取好名的重要意义。因名以定形，名以定事，事以验名。",
    "姓名关系到人一生的事业、健康、婚姻、父母和人际关系等等，一个好的名字是您送给孩子无价的财富。",
    "孔子说：“名不正，则言不顺；言不顺，则事不成。”",
    "管子说：“名正则治，名倚则乱，无名则死。”",
    "颜之推说：“名之与实，犹形之与影也。”",
    "诸先贤都道出了姓名对人的重要性"};

}  // namespace

QWidget* TfrmMain::CreateToolbar() {
    QFrame* panel = Panel("Panel1");
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    const auto addButton = [&](const char* name, const QString& caption,
                               QStyle::StandardPixmap icon) {
        auto* button = Named(new QToolButton, name);
        button->setText(caption);
        button->setIcon(StandardIcon(icon));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        layout->addWidget(button);
        return button;
    };
    sbtn_Qiming =
        addButton("sbtn_Qiming", QStringLiteral("Morvenda起名"), QStyle::SP_FileDialogNewFolder);
    sbtn_Favorites =
        addButton("sbtn_Favorites", QStringLiteral("名字收藏夹"), QStyle::SP_DialogSaveButton);
    sbtn_onlineSM = addButton("sbtn_onlineSM", QStringLiteral("姓名测试"), QStyle::SP_DriveNetIcon);
    sbtn_dict =
        addButton("sbtn_dict", QStringLiteral("新华字典"), QStyle::SP_FileDialogDetailedView);
    layout->addStretch();
    connect(sbtn_Qiming, &QToolButton::clicked, this, &TfrmMain::sbtn_QimingClick);
    connect(sbtn_Favorites, &QToolButton::clicked, this, &TfrmMain::sbtn_FavoritesClick);
    return panel;
}

QWidget* TfrmMain::CreateInputPanel() {
    Panel2 = Panel("Panel2");
    auto* rows = new QVBoxLayout;
    auto* nameRow = new QHBoxLayout;
    auto* dateRow = new QHBoxLayout;
    rows->addLayout(nameRow);
    rows->addLayout(dateRow);

    edt_FirstName = Named(new QLineEdit, "edt_FirstName");
    edt_FirstName->setValidator(new FamilyNameValidator(edt_FirstName));
    edt_FirstName->setFixedWidth(70);
    cmb_NameLength = PickList("cmb_NameLength", {QStringLiteral("单字"), QStringLiteral("双字")});
    cmb_NameLength->setCurrentIndex(1);
    cmb_Sex = PickList("cmb_Sex", {QStringLiteral("男"), QStringLiteral("女")});
    cmb_Sex->setCurrentIndex(0);
    nameRow->addWidget(new QLabel(QStringLiteral("请输入姓名：")));
    nameRow->addWidget(edt_FirstName);
    nameRow->addWidget(new QLabel(QStringLiteral("姓")));
    nameRow->addSpacing(16);
    nameRow->addWidget(new QLabel(QStringLiteral("名字字数")));
    nameRow->addWidget(cmb_NameLength);
    nameRow->addSpacing(16);
    nameRow->addWidget(new QLabel(QStringLiteral("性别")));
    nameRow->addWidget(cmb_Sex);
    nameRow->addStretch();

    cmb_CalendarType = PickList("cmb_CalendarType", {QStringLiteral("阳历"), QStringLiteral("农历"),
                                                     QStringLiteral("未知日期")});
    cmb_CalendarType->setCurrentIndex(morvenda::CalendarSolar);
    cmb_Year = PickList("cmb_Year");
    cmb_Month = PickList("cmb_Month");
    cmb_Day = PickList("cmb_Day");
    cmb_Hour = PickList("cmb_Hour");
    KeepWidthOfWidest(cmb_CalendarType);
    KeepWidthOfWidest(cmb_Year, {morvenda::YearItems()});
    KeepWidthOfWidest(cmb_Month, {morvenda::SolarMonthItems(), EveryLunarMonthItem()});
    KeepWidthOfWidest(cmb_Day, {morvenda::SolarDayItems(), morvenda::LunarDayItems()});
    KeepWidthOfWidest(cmb_Hour, {morvenda::HourItems()});
    dateRow->addWidget(new QLabel(QStringLiteral("出生时间：")));
    dateRow->addWidget(cmb_CalendarType);
    dateRow->addWidget(cmb_Year);
    dateRow->addWidget(new QLabel(QStringLiteral("年")));
    dateRow->addWidget(cmb_Month);
    dateRow->addWidget(new QLabel(QStringLiteral("月")));
    dateRow->addWidget(cmb_Day);
    dateRow->addWidget(new QLabel(QStringLiteral("日")));
    dateRow->addWidget(cmb_Hour);
    dateRow->addWidget(new QLabel(QStringLiteral("时")));
    dateRow->addStretch();
    connect(cmb_CalendarType, &QComboBox::activated, this, &TfrmMain::cmb_CalendarTypeChange);
    connect(cmb_Year, &QComboBox::activated, this, &TfrmMain::cmb_YearClick);

    btn_CreateName = Named(new QPushButton(QStringLiteral("简单起名")), "btn_CreateName");
    btn_SelectName = Named(new QPushButton(QStringLiteral("高级起名")), "btn_SelectName");
    // The filter dialog that the advanced run opens joins with its own feature.
    for (QPushButton* button : {btn_CreateName, btn_SelectName}) {
        button->setMinimumHeight(48);
        // No wider than the caption needs, so that the panel with 诗词起名 beside them still
        // fits the window.
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }

    auto* layout = new QHBoxLayout(Panel2);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(rows, 1);
    layout->addWidget(btn_CreateName);
    layout->addWidget(btn_SelectName);
    layout->addWidget(CreatePoetryControls());
    return Panel2;
}

QWidget* TfrmMain::CreateResultPages() {
    pc_Result = Named(new QStackedWidget, "pc_Result");
    pc_Result->addWidget(CreateTextListPage());
    pc_Result->addWidget(CreateDetailedListPage());
    pc_Result->addWidget(CreateWelcomePage());
    return pc_Result;
}

QWidget* TfrmMain::CreateTextListPage() {
    QWidget* page = Named(new QWidget, "TabSheet5");
    mmo_NameList = Named(new QPlainTextEdit, "mmo_NameList");
    mmo_NameList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo_NameList->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmo_NameList->setFont(ProgramFontOfPixelSize(14));
    mmo_NameList->setBackgroundRole(QPalette::Button);
    QPalette memoPalette = mmo_NameList->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    mmo_NameList->setPalette(memoPalette);

    QFrame* panel = Panel("Panel5");
    cmb_Sort1 = PickList("cmb_Sort1", SortKeyItems());
    cmb_Sort1->setCurrentIndex(-1);
    btn_ShowNameProperty =
        Named(new QPushButton(QStringLiteral("详细列表")), "btn_ShowNameProperty");
    btn_Print1 = Named(new QPushButton(StandardIcon(QStyle::SP_FileIcon), QStringLiteral("打印")),
                       "btn_Print1");
    auto* bar = new QHBoxLayout(panel);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(new QLabel(QStringLiteral("排序：")));
    bar->addWidget(cmb_Sort1);
    bar->addWidget(btn_ShowNameProperty);
    bar->addWidget(btn_Print1);
    bar->addStretch();
    connect(cmb_Sort1, &QComboBox::activated, this, [this] { cmb_Sort1Click(cmb_Sort1); });
    connect(btn_ShowNameProperty, &QPushButton::clicked, this,
            &TfrmMain::btn_ShowNamePropertyClick);
    connect(btn_Print1, &QPushButton::clicked, this, &TfrmMain::btn_Print1Click);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mmo_NameList, 1);
    layout->addWidget(panel);
    return page;
}

QWidget* TfrmMain::CreateDetailedListPage() {
    QWidget* page = Named(new QWidget, "TabSheet6");
    listview_Result = Named(new QTreeView, "listview_Result");
    resultModel_ = new ResultListModel(listedRows_, this);
    SetUpResultListView(listview_Result, resultModel_);
    listview_Result->setToolTip(QStringLiteral("双击记录可分析姓名的性格，命理，运程"));
    listview_Result->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listview_Result->header(), &QHeaderView::sectionClicked, this,
            &TfrmMain::listview_ResultColumnClick);

    CreatePopupMenu();
    connect(listview_Result, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(listview_Result->viewport()->mapToGlobal(at));
    });

    QFrame* panel = Panel("Panel6");
    cmb_sort2 = PickList("cmb_sort2", SortKeyItems());
    cmb_sort2->setCurrentIndex(-1);
    btn_ReturnSimple = Named(new QPushButton(QStringLiteral("简单列表")), "btn_ReturnSimple");
    btn_Print2 = Named(new QPushButton(QStringLiteral("打印")), "btn_Print2");
    btn_AddFavorites = Named(new QPushButton(sbtn_Favorites->icon(), QStringLiteral("加入收藏")),
                             "btn_AddFavorites");
    Label27 = Named(new QLabel, "Label27");
    QPalette blueText = Label27->palette();
    blueText.setColor(QPalette::WindowText, Qt::blue);
    Label27->setPalette(blueText);
    auto* bar = new QHBoxLayout(panel);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(new QLabel(QStringLiteral("排序：")));
    bar->addWidget(cmb_sort2);
    bar->addWidget(Label27);
    bar->addStretch();
    bar->addWidget(btn_ReturnSimple);
    bar->addWidget(btn_Print2);
    bar->addWidget(btn_AddFavorites);
    connect(cmb_sort2, &QComboBox::activated, this, [this] { cmb_Sort1Click(cmb_sort2); });
    connect(btn_ReturnSimple, &QPushButton::clicked, this, &TfrmMain::btn_ReturnSimpleClick);
    connect(btn_Print2, &QPushButton::clicked, this, &TfrmMain::btn_Print2Click);
    connect(btn_AddFavorites, &QPushButton::clicked, this, &TfrmMain::btn_AddFavoritesClick);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(listview_Result, 1);
    layout->addWidget(panel);
    return page;
}

QWidget* TfrmMain::CreateWelcomePage() {
    QWidget* page = Named(new QWidget, "TabSheet7");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(10);
    constexpr std::array<const char*, WelcomeLines.size()> labelNames{
        "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22"};
    for (std::size_t line = 0; line < WelcomeLines.size(); ++line) {
        auto* label = Named(new QLabel(QString::fromUtf8(WelcomeLines[line])), labelNames[line]);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

void TfrmMain::CreateStatusBar() {
    QStatusBar* bar = Named(new QStatusBar, "StatusBar1");
    constexpr std::array<int, 3> panelWidths{50, 350, 50};
    for (std::size_t panel = 0; panel < panelWidths.size(); ++panel) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
        label->setFixedWidth(panelWidths[panel]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
        statusPanels_[panel] = label;
    }
    setStatusBar(bar);
}
