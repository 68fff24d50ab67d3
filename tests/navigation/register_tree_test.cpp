#include "navigation/RegisterTree.h"
#include "navigation/RegisterTreeModel.h"

#include <gtest/gtest.h>

namespace {
constexpr int T = kRegisterTop;
constexpr int S = kRegisterSkipped;

// The tree of entries with these levels, each entry named by its index.
RegisterTree treeOf(const QVector<int>& levels) {
    const QVector<int> parents = registerParents(levels);
    QVector<int> itemOf(parents.size(), S);
    RegisterTree tree;
    for (qsizetype i = 0; i < parents.size(); ++i) {
        if (parents[i] != S)
            itemOf[i] =
                tree.add(int(i), QString::number(i), parents[i] == T ? T : itemOf[parents[i]]);
    }
    return tree;
}
} // namespace

TEST(RegisterTreeTest, EachEntryHangsUnderTheLastEntryOneLevelUp) {
    // A top item with two children, each with one child.
    EXPECT_EQ(registerParents({0, 1, 2, 1, 2}), (QVector<int>{T, 0, 1, 0, 3}));
    // Back to the top closes every branch.
    EXPECT_EQ(registerParents({0, 1, 0, 1}), (QVector<int>{T, 0, T, 2}));
    // Level 7 entries are leaves; several may follow one level-6 entry.
    EXPECT_EQ(registerParents({0, 1, 2, 3, 4, 5, 6, 7, 7}),
              (QVector<int>{T, 0, 1, 2, 3, 4, 5, 6, 6}));
    EXPECT_EQ(registerParents({}), QVector<int>{});
}

TEST(RegisterTreeTest, EntriesWithoutAnOpenParentAreSkipped) {
    // The level-2 entry right after the top item is missing; the level-1 entry still hangs there.
    EXPECT_EQ(registerParents({0, 2, 1}), (QVector<int>{T, S, 0}));
    // The level-5 entry closes level 6, so the second level-7 entry has no parent.
    EXPECT_EQ(registerParents({0, 1, 2, 3, 4, 5, 6, 7, 5, 7}),
              (QVector<int>{T, 0, 1, 2, 3, 4, 5, 6, 4, S}));
    // A register that does not start at the top has nothing to hang on.
    EXPECT_EQ(registerParents({1, 2, 0, 1}), (QVector<int>{S, S, T, 2}));
    // An entry below level 7 is skipped and closes nothing.
    EXPECT_EQ(registerParents({0, 1, 8, 2, 255, 2}), (QVector<int>{T, 0, S, 1, S, 1}));
    // A level-7 entry never becomes a parent: the level-8 one after it is skipped.
    EXPECT_EQ(registerParents({0, 1, 2, 3, 4, 5, 6, 7, 8}),
              (QVector<int>{T, 0, 1, 2, 3, 4, 5, 6, S}));
}

TEST(RegisterTreeTest, ModelFollowsTheTreeInStoredOrder) {
    const RegisterTree tree = treeOf({0, 1, 2, 1, 2, 0, 3, 1});
    RegisterTreeModel model;
    model.setTree(tree);
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex first = model.index(0, 0);
    EXPECT_EQ(model.data(first).toString(), "0");
    ASSERT_EQ(model.rowCount(first), 2);
    EXPECT_EQ(model.data(model.index(1, 0, first), Qt::UserRole).toInt(), 3);
    const QModelIndex grandChild = model.index(0, 0, model.index(1, 0, first));
    EXPECT_EQ(model.data(grandChild).toString(), "4");
    EXPECT_EQ(model.parent(grandChild), model.index(1, 0, first));
    EXPECT_EQ(model.parent(first), QModelIndex());
    EXPECT_EQ(tree.depth(model.itemAt(grandChild)), 2);
    // The skipped level-3 entry leaves the second top item with only its level-1 child.
    const QModelIndex second = model.index(1, 0);
    ASSERT_EQ(model.rowCount(second), 1);
    EXPECT_EQ(model.data(model.index(0, 0, second)).toString(), "7");
    EXPECT_FALSE(model.index(2, 0).isValid());
    EXPECT_FALSE(model.index(0, 1).isValid());
    EXPECT_FALSE(model.index(0, 0, model.index(0, 0, second)).isValid());

    // Every item is reached once, and its index leads back to its parent.
    int reached = 0;
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex child = model.index(row, 0, parent);
            ++reached;
            EXPECT_EQ(model.parent(child), parent);
            EXPECT_EQ(model.indexOfItem(model.itemAt(child)), child);
            walk(child);
        }
    };
    walk(QModelIndex());
    EXPECT_EQ(reached, tree.size());
    EXPECT_EQ(reached, 7);
}
