#pragma once
// The detailed result list's view: report style with the ten columns, check boxes, whole-row
// selection and no editing, its header clickable for the window's own sorting.

class QAbstractItemModel;
class QTreeView;
class QWidget;

void SetUpResultListView(QTreeView* view, QAbstractItemModel* model);

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
