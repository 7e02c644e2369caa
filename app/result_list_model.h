#pragma once
// The detailed result list's Qt model: ten columns over the rows the core holds, with the check
// box in the name column. Every change of the rows goes through the model so the view hears of
// it; everything else reads the rows from the core.

#include <QAbstractTableModel>

#include <vector>

#include "results/listed_rows.h"

class ResultListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    ResultListModel(morvenda::ListedRows& rows, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only the check box can be set.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void Clear();
    // Appends a batch of rows at the end.
    void Append(std::vector<morvenda::ResultRow> rows);
    void Remove(int position);
    // Sorts by one field; the selection and the current row stay on their rows.
    void Sort(int field, bool ascending);

private:
    morvenda::ListedRows& rows_;
};
