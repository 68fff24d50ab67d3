#pragma once

#include <QAbstractListModel>
#include <QStringList>
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
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setRows(QVector<int> ids, QStringList names);
    void clear() { setRows({}, {}); }
    // Adds one row after the last.
    void appendRow(int id, const QString& name);
    void appendRows(const QVector<int>& ids, const QStringList& names);
    void setHeaderText(const QString& text) { m_strHeader = text; }

    int idAt(int row) const { return m_ids.value(row); }
    QString nameAt(int row) const { return m_names.value(row); }
    const QStringList& names() const { return m_names; }

private:
    QVector<int> m_ids;
    QStringList m_names;
    QString m_strHeader;
};
