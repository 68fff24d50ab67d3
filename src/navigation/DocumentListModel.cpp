#include "navigation/DocumentListModel.h"

int DocumentListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

QVariant DocumentListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_ids.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_names.value(index.row());
    case Qt::UserRole:
        return m_ids.at(index.row());
    default:
        return {};
    }
}

void DocumentListModel::clear() {
    beginResetModel();
    m_ids.clear();
    m_names.clear();
    endResetModel();
}

void DocumentListModel::appendRow(int id, QStringView name) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_ids.append(id);
    m_names.append(name);
    endInsertRows();
}

void DocumentListModel::appendRows(const QVector<int>& ids, const PackedTexts& names) {
    if (ids.isEmpty())
        return;
    Q_ASSERT(ids.size() == names.size());
    beginInsertRows({}, int(m_ids.size()), int(m_ids.size() + ids.size() - 1));
    m_ids += ids;
    m_names.append(names);
    endInsertRows();
}
