// The main menu and the detailed list's popup menu. The web-page menus come from the online
// page table (frm_main_online.cpp); the list's commands that belong to later features stand in
// their places already, disabled, so the popup shows its whole structure from the start.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include <array>

#include "app/frm_main.h"
#include "app/qt_text.h"
#include "results/row_sorting.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(ToQString(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void TfrmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* naming = bar->addMenu(QStringLiteral("起名功能"));
    naming->setObjectName(QStringLiteral("N1"));
    connect(AddItem(naming, "N6", "Morvenda起名"), &QAction::triggered, this, &TfrmMain::N6Click);
    connect(AddItem(naming, "N_Poetry", "诗词起名"), &QAction::triggered, this,
            &TfrmMain::N_PoetryClick);
    AddItem(naming, "N7", "起名知识")->setVisible(false);

    CreateOnlineMenus(bar);
}

void TfrmMain::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // 查看名字属性 (N8) joins above these with the online links.
    connect(AddItem(PopupMenu1, "N9", "加入收藏夹"), &QAction::triggered, this, &TfrmMain::N9Click);
    connect(AddItem(PopupMenu1, "N10", "打印"), &QAction::triggered, this, &TfrmMain::btn_Print2Click);

    QMenu* sortMenu = PopupMenu1->addMenu(QStringLiteral("排序"));
    sortMenu->setObjectName(QStringLiteral("N11"));
    constexpr std::array<const char*, morvenda::SortKeyCount> sortEntryNames{
        "N89",  "N90",  "N99",  "N100", "N101", "N102",
        "N103", "N104", "N105", "N106", "N107", "N108"};
    for (std::size_t tag = 0; tag < sortEntryNames.size(); ++tag) {
        QAction* entry = sortMenu->addAction(ToQString(morvenda::SortKeyTexts()[tag]));
        entry->setObjectName(QString::fromLatin1(sortEntryNames[tag]));
        entry->setProperty("Tag", static_cast<int>(tag));
        connect(entry, &QAction::triggered, this, [this, entry] { N89Click(entry); });
    }
}
