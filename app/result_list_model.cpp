#include "app/result_list_model.h"

#include "app/name_tooltip.h"
#include "app/qt_text.h"

namespace {

Qt::Alignment ToQtAlignment(morvenda::ColumnAlignment alignment) {
    return alignment == morvenda::ColumnAlignment::Center ? Qt::AlignCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter;
}

constexpr int CheckColumn = 0;

}  // namespace

ResultListModel::ResultListModel(morvenda::ListedRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.Count();
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : morvenda::ResultVisibleFieldCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const morvenda::ResultRow& row = rows_.At(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(row.Fields[column]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ToQtAlignment(morvenda::ResultColumns()[column].Alignment));
        case Qt::ToolTipRole:
            // A name from the classics shows its line; every other cell the list's own tip.
            if (index.column() == CheckColumn) {
                if (QString source = morvenda::NameCellToolTip(row); !source.isEmpty()) {
                    return source;
                }
            }
            return {};
        case Qt::CheckStateRole:
            if (index.column() == CheckColumn) {
                return row.Checked ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        default:
            return {};
    }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= morvenda::ResultVisibleFieldCount) {
        return {};
    }
    const morvenda::ResultColumn& column =
        morvenda::ResultColumns()[static_cast<std::size_t>(section)];
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(column.Caption);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ToQtAlignment(column.Alignment));
        default:
            return {};
    }
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == CheckColumn) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool ResultListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != CheckColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return false;
    }
    rows_.SetChecked(index.row(), value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

void ResultListModel::Clear() {
    beginResetModel();
    rows_.Clear();
    endResetModel();
}

void ResultListModel::Append(std::vector<morvenda::ResultRow> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = rows_.Count();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (morvenda::ResultRow& row : rows) {
        rows_.Append(std::move(row));
    }
    endInsertRows();
}

void ResultListModel::Remove(int position) {
    beginRemoveRows({}, position, position);
    rows_.Remove(position);
    endRemoveRows();
}

void ResultListModel::Sort(int field, bool ascending) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> cameFrom = rows_.Sort(field, ascending);
    std::vector<int> movedTo(cameFrom.size());
    for (std::size_t position = 0; position < cameFrom.size(); ++position) {
        movedTo[cameFrom[position]] = static_cast<int>(position);
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after << this->index(movedTo[static_cast<std::size_t>(index.row())], index.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
