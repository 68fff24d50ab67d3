#pragma once

#include "search/SearchSession.h"

#include <QAbstractTableModel>
#include <QHash>
#include <functional>

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
    // Where a row's tooltip gets the passage of its document that matched (HTML); asked only
    // when the tooltip of that row is wanted, once per row and result list.
    void setSnippetSource(std::function<QString(int id)> source);

private:
    QString toolTip(const SearchRow& row, int column) const;

    QList<SearchRow> m_rows;
    std::function<QString(int id)> m_snippetSource;
    mutable QHash<int, QString> m_snippets;
};
