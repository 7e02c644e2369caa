#pragma once
// What a user's keyboard and mouse deliver to the main window, shared by the window tests.

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>

// Chinese text arrives the way an input method delivers it: one committed string.
inline void Type(QWidget* widget, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// Picks a list item the way a user does, so the handler behind the list runs.
inline void Pick(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Clicks a row's check box where the view draws it, scrolling the row into sight first.
inline void ClickCheckBox(QTreeView* view, int row) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
}

// Clicks a row away from its check box, which selects it.
inline void ClickRow(QTreeView* view, int row) {
    const QModelIndex index = view->model()->index(row, 3);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}
