#include "db/DbFixture.h"
#include "db/JetDialect.h"
#include "db/Recordset.h"

#include <QList>
#include <QStringList>

namespace {
using JetInList = DbFixture;

QString numberList(int first, int count, const QString& separator = QStringLiteral(",")) {
    QStringList numbers;
    for (int n = first; n < first + count; ++n)
        numbers << QString::number(n);
    return QLatin1Char('(') + numbers.join(separator) + QLatin1Char(')');
}

QList<int> ids(Database& db, const QString& sql) {
    Snapshot rows(db, sql);
    rows.Open();
    QList<int> result;
    for (; !rows.IsEOF(); rows.MoveNext())
        result << rows.GetFieldInt(QStringLiteral("ID"));
    return result;
}
} // namespace

TEST_F(JetInList, ALongListOfNumbersIsReadAsATableWithTheSameRows) {
    const QList<int> all = ids(db(), QStringLiteral("SELECT ID FROM dokument ORDER BY ID"));
    ASSERT_GT(all.size(), 3);
    // The identifiers of the collection among a thousand numbers, spaced as a user would.
    const QString list = numberList(1, 1000, QStringLiteral(" , "));
    const QString in = QStringLiteral("SELECT ID FROM dokument WHERE ID IN %1 ORDER BY ID");
    EXPECT_TRUE(jetToSqlite(in.arg(list)).contains(QLatin1String("json_each('[1,2,3,")));
    EXPECT_EQ(ids(db(), in.arg(list)), all);
    const QString notIn = QStringLiteral("SELECT ID FROM dokument WHERE ID NOT IN %1");
    EXPECT_EQ(ids(db(), notIn.arg(list)), QList<int>{});
    EXPECT_EQ(ids(db(), notIn.arg(numberList(1000, 1000))).size(), all.size());
}

TEST(JetDialectInList, OtherListsStayAsTheyAre) {
    const QString longList = numberList(1, 300);
    for (const QString& sql :
         {QStringLiteral("SELECT * FROM t WHERE a IN (1,2,3)"),
          QStringLiteral("SELECT * FROM t WHERE a IN ") + numberList(1, 255),
          // A number SQL and JSON read differently, or what is not a number at all.
          QStringLiteral("SELECT * FROM t WHERE a IN (007,") + longList.mid(1),
          QStringLiteral("SELECT * FROM t WHERE a IN (1.5,") + longList.mid(1),
          QStringLiteral("SELECT * FROM t WHERE a IN (b,") + longList.mid(1),
          QStringLiteral("SELECT * FROM t WHERE a IN (1+1,") + longList.mid(1),
          QStringLiteral("SELECT * FROM t WHERE a IN (99999999999999999999,") + longList.mid(1),
          // Not after IN, or left open.
          QStringLiteral("SELECT max") + longList,
          QStringLiteral("SELECT * FROM t WHERE a IN ") + longList.chopped(1)})
        EXPECT_FALSE(jetToSqlite(sql).contains(QLatin1String("json_each")))
            << sql.left(60).toStdString();
}
