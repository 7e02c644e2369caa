#include "app/result_list_view.h"

#include <QHeaderView>
#include <QTreeView>

#include "results/result_row.h"

void SetUpResultListView(QTreeView* view, QAbstractItemModel* model) {
    view->setModel(model);
    // The window sorts through the core's order, never the view's own. Turning the view's
    // sorting off also makes the header unclickable, so the clicks are turned on after it.
    view->setSortingEnabled(false);
    QHeaderView* header = view->header();
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    const auto columns = morvenda::ResultColumns();
    for (int field = 0; field < morvenda::ResultVisibleFieldCount; ++field) {
        view->setColumnWidth(field, columns[static_cast<std::size_t>(field)].Width);
    }
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

SuspendedUpdates::SuspendedUpdates(QWidget* widget)
    : widget_(widget), wasEnabled_(widget->updatesEnabled()) {
    widget_->setUpdatesEnabled(false);
}

SuspendedUpdates::~SuspendedUpdates() {
    widget_->setUpdatesEnabled(wasEnabled_);
}
