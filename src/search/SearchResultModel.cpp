#include "search/SearchResultModel.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const SearchRow& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return index.column() == 0 ? row.norma : row.jmeno;
    case Qt::UserRole:
        return row.id;
    default:
        return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return LoadResString(section == 0 ? IDS_COLUMN_NORMA : IDS_COLUMN_DOKUMENT);
}

void SearchResultModel::setRows(const QList<SearchRow>& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}
