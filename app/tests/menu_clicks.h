#pragma once
// Choosing a menu item with the mouse, as a user does: open the menu bar's entry, every
// submenu on the way, then click the item.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// False when the item sits in no menu of a menu bar or a menu on the way does not open.
inline bool ClickMenuItem(QAction* item) {
    QList<QMenu*> menus;
    for (auto* menu = qobject_cast<QMenu*>(item->parent()); menu;
         menu = qobject_cast<QMenu*>(menu->parentWidget())) {
        menus.prepend(menu);
    }
    auto* bar = menus.isEmpty() ? nullptr : qobject_cast<QMenuBar*>(menus.front()->parentWidget());
    if (!bar) {
        return false;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(menus.front()->menuAction()).center());
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QMenu* menu = menus[i];
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) {
            return false;
        }
        QAction* next = i + 1 < menus.size() ? menus[i + 1]->menuAction() : item;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(next).center());
    }
    return true;
}
