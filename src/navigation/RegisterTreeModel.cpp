#include "navigation/RegisterTreeModel.h"

// The internal id of a model index is its tree item + 1, so 0 stays free for the root.
QModelIndex RegisterTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    const int parentItem = parent.isValid() ? itemAt(parent) : kRegisterTop;
    if (parent.isValid() && parentItem < 0)
        return {};
    const QVector<int>& siblings = m_tree.children(parentItem);
    if (row >= siblings.size())
        return {};
    return createIndex(row, 0, static_cast<quintptr>(siblings[row]) + 1);
}

QModelIndex RegisterTreeModel::parent(const QModelIndex& child) const {
    const int item = itemAt(child);
    if (item < 0)
        return {};
    return indexOfItem(m_tree.item(item).parent);
}

int RegisterTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(m_tree.topItems().size());
    const int item = itemAt(parent);
    return item < 0 ? 0 : static_cast<int>(m_tree.item(item).children.size());
}

int RegisterTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant RegisterTreeModel::data(const QModelIndex& index, int role) const {
    const int item = itemAt(index);
    if (item < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_tree.item(item).jmeno;
    case Qt::UserRole:
        return m_tree.item(item).id;
    default:
        return {};
    }
}

void RegisterTreeModel::setTree(RegisterTree tree) {
    beginResetModel();
    m_tree = std::move(tree);
    endResetModel();
}

int RegisterTreeModel::itemAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.internalId() == 0)
        return -1;
    const auto item = static_cast<qsizetype>(index.internalId() - 1);
    return item < m_tree.size() ? static_cast<int>(item) : -1;
}

QModelIndex RegisterTreeModel::indexOfItem(int item) const {
    if (item < 0 || item >= m_tree.size())
        return {};
    return createIndex(m_tree.row(item), 0, static_cast<quintptr>(item) + 1);
}
