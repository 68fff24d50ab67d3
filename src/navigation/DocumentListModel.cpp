#include "navigation/DocumentListModel.h"

#include <algorithm>

int DocumentListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

QVariant DocumentListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_ids.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_names.at(index.row());
    case Qt::UserRole:
        return m_ids.at(index.row());
    default:
        return {};
    }
}

QVariant DocumentListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_strHeader;
    return {};
}

void DocumentListModel::setRows(QVector<int> ids, QStringList names) {
    beginResetModel();
    m_ids = std::move(ids);
    m_names = std::move(names);
    endResetModel();
}

void DocumentListModel::appendRow(int id, const QString& name) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_ids.append(id);
    m_names.append(name);
    endInsertRows();
}

void DocumentListModel::appendRows(const QVector<int>& ids, const QStringList& names) {
    const qsizetype count = std::min(ids.size(), names.size());
    if (count == 0)
        return;
    beginInsertRows({}, int(m_ids.size()), int(m_ids.size() + count - 1));
    m_ids += ids.first(count);
    m_names += names.first(count);
    endInsertRows();
}
