#pragma once

#include "navigation/PackedTexts.h"

#include <QAbstractListModel>
#include <QVector>

// The rows of a document list: each row is one document's name with its identifier as item
// data (Qt::UserRole). Rows are replaced as a whole, so a long list costs one model reset, or
// appended in parts while a long list is read.
class DocumentListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void clear();
    // Adds one row after the last.
    void appendRow(int id, QStringView name);
    // Adds the rows of a part read; `names` holds one name per id.
    void appendRows(const QVector<int>& ids, const PackedTexts& names);

    int idAt(int row) const { return m_ids.value(row); }
    QString nameAt(int row) const { return m_names.value(row); }
    const PackedTexts& names() const { return m_names; }

private:
    QVector<int> m_ids;
    PackedTexts m_names;
};
