#pragma once

#include "navigation/RegisterTree.h"

#include <QAbstractItemModel>

// A register tree for a tree view: each item shows the entry's name, with its document
// identifier as item data (Qt::UserRole). The tree is replaced as a whole: one model reset.
class RegisterTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using QAbstractItemModel::QAbstractItemModel;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void setTree(RegisterTree tree);
    const RegisterTree& tree() const { return m_tree; }
    // The tree item of a model index, -1 for the root or an index of another model.
    int itemAt(const QModelIndex& index) const;
    QModelIndex indexOfItem(int item) const;

private:
    RegisterTree m_tree;
};
