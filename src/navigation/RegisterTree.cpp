#include "navigation/RegisterTree.h"

#include <array>

QVector<int> registerParents(const QVector<int>& levels) {
    // The last entry placed on each level that may still take children (levels 0 to 6).
    std::array<int, kRegisterDeepestLevel> last;
    last.fill(kRegisterSkipped);
    QVector<int> parents;
    parents.reserve(levels.size());
    for (qsizetype i = 0; i < levels.size(); ++i) {
        const int level = levels[i];
        if (level < 0 || level > kRegisterDeepestLevel) {
            parents << kRegisterSkipped;
            continue;
        }
        for (int deeper = level + 1; deeper < kRegisterDeepestLevel; ++deeper)
            last[deeper] = kRegisterSkipped;
        int parent = kRegisterTop;
        if (level > 0) {
            parent = last[level - 1];
            if (parent == kRegisterSkipped) {
                parents << kRegisterSkipped;
                continue;
            }
        }
        if (level < kRegisterDeepestLevel)
            last[level] = static_cast<int>(i);
        parents << parent;
    }
    return parents;
}

int RegisterTree::add(int id, const QString& jmeno, int parentItem) {
    const int index = size();
    QVector<int>& siblings = parentItem == kRegisterTop ? m_topItems : m_items[parentItem].children;
    m_rows << static_cast<int>(siblings.size());
    siblings << index;
    m_items.append({id, jmeno, parentItem, {}});
    return index;
}

void RegisterTree::clear() {
    m_items.clear();
    m_topItems.clear();
    m_rows.clear();
}

const QVector<int>& RegisterTree::children(int parentItem) const {
    return parentItem == kRegisterTop ? m_topItems : m_items.at(parentItem).children;
}

int RegisterTree::depth(int index) const {
    int depth = 0;
    for (int parent = m_items.at(index).parent; parent != kRegisterTop;
         parent = m_items.at(parent).parent)
        ++depth;
    return depth;
}
