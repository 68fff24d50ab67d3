#pragma once

#include "search/SearchSession.h"

#include <QAbstractTableModel>

// The search page's result list: one row per document, its number and name; the identifier as
// item data (Qt::UserRole). Rows are replaced as a whole after every search, sort or filter.
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setRows(const QList<SearchRow>& rows);

private:
    QList<SearchRow> m_rows;
};
