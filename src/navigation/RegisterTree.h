#pragma once

#include <QList>
#include <QString>
#include <QVector>

// Where each entry of a field's register stands in the tree, given the entries' levels in
// stored order: the index of its parent entry, kRegisterTop for a top item, or kRegisterSkipped
// when the entry has no parent to hang under (a level deeper than the open branch allows, or a
// level above 7). An entry of level L hangs under the last entry of level L - 1, and every entry
// closes the branches deeper than itself, even when it is skipped.
constexpr int kRegisterTop = -1;
constexpr int kRegisterSkipped = -2;
constexpr int kRegisterDeepestLevel = 7;
QVector<int> registerParents(const QVector<int>& levels);

// One item of a register tree: a document under its parent item.
struct RegisterItem {
    int id = 0;
    QString jmeno;
    int parent = kRegisterTop;
    QVector<int> children;
};

// A field's register as a tree of items (the skipped entries are left out); items keep the
// stored order among their siblings.
class RegisterTree {
public:
    // Adds the entry of `parentItem` (kRegisterTop or an index returned before); returns its index.
    int add(int id, const QString& jmeno, int parentItem);
    void clear();

    int size() const { return static_cast<int>(m_items.size()); }
    const RegisterItem& item(int index) const { return m_items.at(index); }
    const QVector<int>& topItems() const { return m_topItems; }
    // The items below `parentItem` (kRegisterTop: the top items), in order.
    const QVector<int>& children(int parentItem) const;
    // The row of the item among its siblings.
    int row(int index) const { return m_rows.at(index); }
    // How deep the item stands: 0 for a top item.
    int depth(int index) const;

private:
    QList<RegisterItem> m_items;
    QVector<int> m_topItems;
    QVector<int> m_rows;
};
