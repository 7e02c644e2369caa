#pragma once
// The detailed result list on a QTreeWidget: one checkable item per ResultRow, ten columns, and
// the whole row (the hidden fields 10 … 15 and the family pair) kept on the item so that
// sorting, printing and the favourites read it back unchanged.

#include <QTreeWidgetItem>

#include <vector>

#include "results/result_row.h"

class QTreeWidget;
class QWidget;

namespace morvenda {

class ResultItem final : public QTreeWidgetItem {
public:
    explicit ResultItem(ResultRow row);

    const ResultRow& Row() const { return row_; }

private:
    ResultRow row_;
};

// Report style with the ten columns, check boxes, whole-row selection and no editing.
void SetUpResultListView(QTreeWidget* view);

// The item's row; the view holds only ResultItems.
const ResultRow& RowOf(const QTreeWidgetItem* item);

// The rows in the order the view shows them.
std::vector<ResultRow> RowsInViewOrder(const QTreeWidget* view);

// Reorders the items by CompareRows; items keep their check marks.
void SortResultItems(QTreeWidget* view, int field, bool ascending);

// Holds off every repaint of a widget while it lives, and lets them through again however the
// scope is left.
class SuspendedUpdates {
public:
    explicit SuspendedUpdates(QWidget* widget);
    ~SuspendedUpdates();
    SuspendedUpdates(const SuspendedUpdates&) = delete;
    SuspendedUpdates& operator=(const SuspendedUpdates&) = delete;

private:
    QWidget* widget_;
    bool wasEnabled_;
};

}  // namespace morvenda
