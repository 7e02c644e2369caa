#include "results/result_list_view.h"

#include <QHeaderView>
#include <QString>
#include <QTreeWidget>

#include <algorithm>

#include "app/qt_text.h"
#include "results/name_tooltip.h"
#include "results/row_sorting.h"

namespace morvenda {
namespace {

Qt::Alignment ToQtAlignment(ColumnAlignment alignment) {
    return alignment == ColumnAlignment::Center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

ResultItem::ResultItem(ResultRow row) : row_(std::move(row)) {
    const auto columns = ResultColumns();
    for (int field = 0; field < ResultVisibleFieldCount; ++field) {
        setText(field, ToQString(row_.Fields[field]));
        setTextAlignment(field, ToQtAlignment(columns[field].Alignment));
    }
    setToolTip(0, NameCellToolTip(row_));
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    setCheckState(0, Qt::Unchecked);
}

void SetUpResultListView(QTreeWidget* view) {
    const auto columns = ResultColumns();
    view->setColumnCount(ResultVisibleFieldCount);
    QStringList captions;
    for (const ResultColumn& column : columns) {
        captions << ToQString(column.Caption);
    }
    view->setHeaderLabels(captions);
    // The window sorts through CompareRows, never the view's own order. Turning the view's
    // sorting off also makes the header unclickable, so the clicks are turned on after it.
    view->setSortingEnabled(false);
    QHeaderView* header = view->header();
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    for (int field = 0; field < ResultVisibleFieldCount; ++field) {
        view->setColumnWidth(field, columns[field].Width);
        view->headerItem()->setTextAlignment(field, ToQtAlignment(columns[field].Alignment));
    }
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

const ResultRow& RowOf(const QTreeWidgetItem* item) {
    return static_cast<const ResultItem*>(item)->Row();
}

std::vector<ResultRow> RowsInViewOrder(const QTreeWidget* view) {
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(view->topLevelItemCount()));
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        rows.push_back(RowOf(view->topLevelItem(i)));
    }
    return rows;
}

void SortResultItems(QTreeWidget* view, int field, bool ascending) {
    QList<QTreeWidgetItem*> items = view->invisibleRootItem()->takeChildren();
    std::stable_sort(items.begin(), items.end(), [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return CompareRows(RowOf(a), RowOf(b), field, ascending) < 0;
    });
    view->addTopLevelItems(items);
}

SuspendedUpdates::SuspendedUpdates(QWidget* widget) : widget_(widget), wasEnabled_(widget->updatesEnabled()) {
    widget_->setUpdatesEnabled(false);
}

SuspendedUpdates::~SuspendedUpdates() {
    widget_->setUpdatesEnabled(wasEnabled_);
}

}  // namespace morvenda
