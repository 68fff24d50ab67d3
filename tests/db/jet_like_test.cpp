#include "db/DaoException.h"
#include "db/DbFixture.h"
#include "db/DokumentRecordsets.h"
#include "db/JetLike.h"

#include <QList>

namespace {
using JetLikeTest = DbFixture;

QList<int> matching(Database& db, const QString& column, const QString& pattern) {
    Snapshot set(db, QStringLiteral("SELECT ID FROM dokument WHERE %1 LIKE '%2' ORDER BY ID")
                         .arg(column, pattern));
    set.Open();
    QList<int> ids;
    for (; !set.IsEOF(); set.MoveNext())
        ids << set.GetFieldInt(QStringLiteral("ID"));
    return ids;
}

TEST_F(JetLikeTest, IgnoresCaseOfCzechLettersButNotAccents) {
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("HRAD")), QList<int>{1});
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("čáp")), QList<int>{3});
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("ČÁP")), QList<int>{3});
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("řEKA")), QList<int>{5});
    EXPECT_TRUE(matching(db(), QStringLiteral("jmeno"), QStringLiteral("cap")).isEmpty());
}

TEST_F(JetLikeTest, WithoutWildcardsOnlyEqualTextMatches) {
    EXPECT_TRUE(matching(db(), QStringLiteral("jmeno"), QStringLiteral("Hra")).isEmpty());
    EXPECT_TRUE(matching(db(), QStringLiteral("jmeno"), QStringLiteral("Hrad ")).isEmpty());
    EXPECT_TRUE(matching(db(), QStringLiteral("jmeno"), QStringLiteral("Hr%")).isEmpty());
    EXPECT_TRUE(matching(db(), QStringLiteral("jmeno"), QStringLiteral("Hr_d")).isEmpty());
}

TEST_F(JetLikeTest, Wildcards) {
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("*SMLOUVA")),
              (QList<int>{10, 11}));
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("?obot")), QList<int>{6});
    EXPECT_EQ(matching(db(), QStringLiteral("jmeno"), QStringLiteral("*o*o*")),
              (QList<int>{6, 20, 31}));
    EXPECT_EQ(matching(db(), QStringLiteral("norma"), QStringLiteral("58#/*")), QList<int>{6});
    EXPECT_EQ(matching(db(), QStringLiteral("norma"), QStringLiteral("5#/*")), QList<int>{5});
    EXPECT_EQ(matching(db(), QStringLiteral("ozn"), QStringLiteral("N''#")), QList<int>{5});
}

TEST_F(JetLikeTest, CharacterSets) {
    const QString pohled1 = QStringLiteral("(pohled = 1) AND jmeno");
    EXPECT_EQ(matching(db(), pohled1, QStringLiteral("[ch]*")), (QList<int>{1, 2, 4}));
    EXPECT_EQ(matching(db(), pohled1, QStringLiteral("[!CH]*")), (QList<int>{3, 5, 6}));
    EXPECT_EQ(matching(db(), pohled1, QStringLiteral("[a-d]*")), (QList<int>{2, 4}));
    EXPECT_EQ(matching(db(), pohled1, QStringLiteral("[čř]*")), (QList<int>{3, 5}));
    EXPECT_EQ(matching(db(), QStringLiteral("norma"), QStringLiteral("[*]*")), QList<int>{});
}

TEST_F(JetLikeTest, LiteralsAreNotRewritten) {
    Snapshot set(db(), QStringLiteral("SELECT 'left(a, 1) [b] DISTINCTROW *' AS t, \"x\"\"y'z\" AS "
                                      "u FROM [dokument] WHERE [ID] = 1"));
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.GetFieldText(QStringLiteral("t")),
              QStringLiteral("left(a, 1) [b] DISTINCTROW *"));
    EXPECT_EQ(set.GetFieldText(QStringLiteral("u")), QStringLiteral("x\"y'z"));
}

TEST_F(JetLikeTest, UnclosedSetIsAnError) {
    EXPECT_THROW(matching(db(), QStringLiteral("jmeno"), QStringLiteral("[abc*")), DaoException);
}

TEST(JetLikePatternTest, BacktracksOverRuns) {
    JetLikePattern pattern;
    ASSERT_TRUE(pattern.compile("*ab*ab"));
    EXPECT_TRUE(pattern.matches("xabyabab"));
    EXPECT_FALSE(pattern.matches("xabyab c"));
    ASSERT_TRUE(pattern.compile("**"));
    EXPECT_TRUE(pattern.matches(""));
    ASSERT_TRUE(pattern.compile("[a-]?"));
    EXPECT_TRUE(pattern.matches("-x"));
    EXPECT_FALSE(pattern.matches("bx"));
}
} // namespace
