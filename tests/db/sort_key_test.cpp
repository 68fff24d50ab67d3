#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/DbFixture.h"
#include "db/DokumentRecordsets.h"
#include "db/JetDialect.h"
#include "navigation/LookupRows.h"

#include <QList>
#include <QStringList>
#include <sqlite3.h>

namespace {
using SortKeyTest = DbFixture;

QString planOf(Database& db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(db.handle(), text.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db.handle()));
    QStringList steps;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        steps << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
    sqlite3_finalize(stmt);
    return steps.join(QLatin1String("; "));
}

template <typename Set = CrDokument> QList<int> listed(Database& db, const QString& filter) {
    Set set(db);
    set.m_strFilter = filter;
    set.m_strSort = set.m_strDefaultSort;
    set.Open();
    QList<int> ids;
    for (; !set.IsEOF(); set.MoveNext())
        ids << set.m_ID;
    return ids;
}

TEST(JetDialectJoin, ALeftJoinNothingReadsListsTheRowsOfTheFirstTable) {
    const QString base = QStringLiteral("SELECT DISTINCTROW dokument.* FROM dokument LEFT JOIN "
                                        "dokumentOblast ON dokument.ID = dokumentOblast.dokument");
    const QString check = QStringLiteral("(SELECT NULL FROM \"dokumentOblast\" LIMIT 0) IS NULL");
    EXPECT_EQ(jetToSqlite(base), QStringLiteral("SELECT  dokument.* FROM dokument WHERE ") + check);
    EXPECT_EQ(jetToSqlite(base + QStringLiteral(" WHERE (dokument.pohled = 1) ORDER BY "
                                                "left(dokument.Jmeno, 255)")),
              QStringLiteral("SELECT  dokument.* FROM dokument WHERE ") + check +
                  QStringLiteral(" AND (dokument.pohled = 1) ORDER BY "
                                 "jet_sortkey(dokument.Jmeno, 255)"));
    // With key columns the sort reads the stored key.
    EXPECT_EQ(jetToSqlite(base + QStringLiteral(" ORDER BY left(dokument.Jmeno, 255), poradi"),
                          SortKeys::Columns),
              QStringLiteral("SELECT  dokument.* FROM dokument WHERE ") + check +
                  QStringLiteral(" ORDER BY dokument.jmenoKlic, poradi"));
    // A subquery of its own over the joined table does not read the outer one.
    const QString byArea =
        base + QStringLiteral(" WHERE (Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
                              "dokumentOblast WHERE dokumentOblast.oblast = 3))");
    EXPECT_FALSE(jetToSqlite(byArea).contains(QLatin1String("DISTINCT")));
    EXPECT_TRUE(jetToSqlite(byArea).contains(QLatin1String("FROM dokumentOblast WHERE")));
    // The first table's own columns list its rows the same way.
    EXPECT_EQ(jetToSqlite(QStringLiteral("SELECT DISTINCTROW dokument.ID, [dokument].[jmeno] FROM "
                                         "dokument LEFT JOIN dokumentOblast ON dokument.ID = "
                                         "dokumentOblast.dokument WHERE pohled = 1")),
              QStringLiteral("SELECT  dokument.ID, \"dokument\".\"jmeno\" FROM dokument WHERE ") +
                  check + QStringLiteral(" AND pohled = 1"));
}

TEST(JetDialectSortKeys, OnlyTheNameAndNumberOfDokumentReadTheKeyColumns) {
    const auto sorted = [](const char* from, const char* order) {
        return jetToSqlite(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                               .arg(QLatin1String(from), QLatin1String(order)),
                           SortKeys::Columns);
    };
    EXPECT_EQ(sorted("dokument", "left(dokument.norma , 255) DESC, left( [Dokument].jmeno,255)"),
              "SELECT * FROM dokument ORDER BY dokument.normaKlic DESC, jet_sortkey( "
              "\"Dokument\".jmeno,255)");
    EXPECT_EQ(
        sorted("dokument", "left(jmeno, 255), left(dokument.jmeno, 100), left(dokument.ozn, "
                           "255)"),
        "SELECT * FROM dokument ORDER BY jet_sortkey(jmeno, 255), jet_sortkey(dokument.jmeno, "
        "100), jet_sortkey(dokument.ozn, 255)");
    // Joined rows are sorted, not read in the order of the key index.
    EXPECT_EQ(sorted("dokument INNER JOIN dokumentNorma ON dokument.ID = dokumentNorma.dokument",
                     "left(dokument.norma, 255)"),
              "SELECT * FROM dokument INNER JOIN dokumentNorma ON dokument.ID = "
              "dokumentNorma.dokument ORDER BY +dokument.normaKlic");
    // Elsewhere than in ORDER BY, and in a collection without key columns, nothing changes.
    EXPECT_EQ(jetToSqlite(QStringLiteral("SELECT left(dokument.jmeno, 255) FROM dokument"),
                          SortKeys::Columns),
              "SELECT jet_left(dokument.jmeno, 255) COLLATE CS FROM dokument");
    EXPECT_EQ(jetToSqlite(QStringLiteral("SELECT * FROM dokument ORDER BY left(dokument.jmeno, "
                                         "255)")),
              "SELECT * FROM dokument ORDER BY jet_sortkey(dokument.jmeno, 255)");
}

TEST_F(SortKeyTest, AJoinedTableThatIsMissingStillFails) {
    db().executeScript(QStringLiteral("DROP TABLE dokumentOblast"));
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("ID = 1");
    EXPECT_THROW(set.Open(), DaoException);
}

TEST(JetDialectJoin, AJoinThatIsReadStays) {
    const QString base =
        QStringLiteral("SELECT DISTINCTROW dokument.* FROM dokument LEFT JOIN "
                       "[dokumentOblast] ON dokument.ID = dokumentOblast.dokument");
    for (const QString& rest :
         {QStringLiteral(" WHERE dokumentOblast.oblast = 3"),
          QStringLiteral(" WHERE [dokumentOblast].[oblast] = 3"),
          QStringLiteral(
              " WHERE ID IN (SELECT ID FROM typy WHERE typy.ID = dokumentOblast.oblast)"),
          QStringLiteral(" ORDER BY dokumentOblast.oblast"),
          QStringLiteral(" AND dokument.pohled = dokumentOblast.oblast")}) {
        const QString sql = jetToSqlite(base + rest);
        EXPECT_TRUE(sql.contains(QLatin1String("SELECT DISTINCT dokument.*"))) << sql.toStdString();
        EXPECT_TRUE(sql.contains(QLatin1String("LEFT JOIN"))) << sql.toStdString();
    }
    // Other columns than the first table's, or another kind of join, are left alone.
    for (const char* columns : {"dokument.ID, oblast", "dokument.ID, dokumentOblast.oblast",
                                "dokument.ID AS x", "dokument.ID,"}) {
        const QString sql = jetToSqlite(QStringLiteral("SELECT DISTINCTROW %1 FROM dokument LEFT "
                                                       "JOIN dokumentOblast ON dokument.ID = "
                                                       "dokumentOblast.dokument")
                                            .arg(QLatin1String(columns)));
        EXPECT_TRUE(sql.contains(QLatin1String("DISTINCT"))) << sql.toStdString();
    }
    EXPECT_TRUE(jetToSqlite(QStringLiteral("SELECT DISTINCTROW dokument.* FROM dokument INNER "
                                           "JOIN dokumentOblast ON dokument.ID = "
                                           "dokumentOblast.dokument"))
                    .contains(QLatin1String("INNER JOIN")));
}

TEST_F(SortKeyTest, ListsReadTheStoredKeysInsteadOfSorting) {
    for (const QString& filter :
         {QStringLiteral("(dokument.pohled = 1)"), QStringLiteral("(dokument.pohled = 3)")}) {
        CrDokument set(db());
        set.m_strFilter = filter;
        set.m_strSort = set.m_strDefaultSort;
        const QString plan = planOf(db(), set.BuildSql());
        EXPECT_TRUE(plan.contains(QLatin1String("dokument_jmeno_klic"))) << plan.toStdString();
        EXPECT_FALSE(plan.contains(QLatin1String("TEMP B-TREE"))) << plan.toStdString();
    }
    const QString norma =
        buildRecordsetSql(CrDokument(db()).GetDefaultSQL(),
                          QStringLiteral("(dokument.pohled = 1) AND (dokument.Norma Is Not Null)"),
                          QStringLiteral("left(dokument.norma, 255)"), db().sortKeys());
    EXPECT_FALSE(planOf(db(), norma).contains(QLatin1String("TEMP B-TREE")))
        << planOf(db(), norma).toStdString();
}

TEST_F(SortKeyTest, ANameListReadsTheKeyIndexAloneInTheOrderOfTheFullRows) {
    const QString area = QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
                                        "dokumentOblast WHERE dokumentOblast.oblast = 1))");
    for (const QString& filter : {QStringLiteral("(dokument.pohled = 1)"),
                                  QStringLiteral("(dokument.pohled = 1) AND ") + area}) {
        ASSERT_FALSE(listed(db(), filter).isEmpty());
        EXPECT_EQ(listed<CrDokumentNames>(db(), filter), listed(db(), filter));
        CrDokumentNames names(db());
        names.m_strFilter = filter;
        names.m_strSort = names.m_strDefaultSort;
        const QString plan = planOf(db(), names.BuildSql());
        EXPECT_TRUE(plan.contains(QLatin1String("COVERING INDEX dokument_jmeno_klic")))
            << plan.toStdString();
        EXPECT_FALSE(plan.contains(QLatin1String("TEMP B-TREE"))) << plan.toStdString();
    }
}

TEST_F(SortKeyTest, ASortOfJoinedRowsSortsWhatTheJoinYields) {
    // The search page's hits: walking the key index against every section would be slower.
    const QString sql = jetToSqlite(QStringLiteral(
        "SELECT dokument.id, dokument.norma, dokument.jmeno, sekceNovelizace.datumDo FROM "
        "sekceNovelizace INNER JOIN dokument ON sekceNovelizace.dokument = dokument.id WHERE "
        "(sekceNovelizace.sekce IN (SELECT sekce FROM dokumentSekce)) AND (dokument.pohled = 1) "
        "ORDER BY "
        "left(dokument.jmeno, 255), left(dokument.norma, 255), dokument.ID, datumNovelizace "
        "DESC"));
    const QString plan = planOf(db(), sql);
    EXPECT_FALSE(plan.contains(QLatin1String("_klic"))) << plan.toStdString();
    // The hit sections' documents and dates come from their index, not from the long rows.
    EXPECT_TRUE(plan.contains(QLatin1String("COVERING INDEX dokumentSekce_novelizace")))
        << plan.toStdString();
    Snapshot hits(db(), sql);
    hits.Open();
    EXPECT_FALSE(hits.IsEOF());
    // A collection made before the index lists the same hits, and its upgrade adds the index.
    QList<int> found;
    for (; !hits.IsEOF(); hits.MoveNext())
        found << hits.GetFieldInt(QStringLiteral("id"));
    db().executeScript(QStringLiteral(
        "DROP VIEW sekceNovelizace; DROP INDEX dokumentSekce_novelizace; CREATE VIEW "
        "sekceNovelizace AS SELECT sekce, dokument, datumDo, datumNovelizace FROM dokumentSekce;"));
    const auto listed = [&] {
        Snapshot again(db(), sql);
        again.Open();
        QList<int> ids;
        for (; !again.IsEOF(); again.MoveNext())
            ids << again.GetFieldInt(QStringLiteral("id"));
        return ids;
    };
    EXPECT_EQ(listed(), found);
    db().buildSortKeys();
    EXPECT_TRUE(planOf(db(), sql).contains(QLatin1String("dokumentSekce_novelizace")));
    EXPECT_EQ(listed(), found);
}

TEST_F(SortKeyTest, ACollectionWithoutKeysListsInTheSameOrderAndIsUpgraded) {
    const QList<int> withKeys = listed(db(), QStringLiteral("(dokument.pohled = 1)"));
    const QList<int> byArea =
        listed(db(), QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
                                    "dokumentOblast WHERE dokumentOblast.oblast = 1))"));
    ASSERT_GT(withKeys.size(), 3);
    // A collection made before the key columns: its keys are indexes on jet_sortkey.
    db().executeScript(QStringLiteral(
        "DROP TRIGGER dokument_klic_novy; DROP TRIGGER dokument_klic_zmena; DROP INDEX "
        "dokument_jmeno_klic; DROP INDEX dokument_norma_klic; ALTER TABLE dokument DROP COLUMN "
        "jmenoKlic; ALTER TABLE dokument DROP COLUMN normaKlic; CREATE INDEX dokument_jmeno_klic "
        "ON dokument (pohled, jet_sortkey(jmeno, 255), poradi, ID, jmeno);"));
    m_database = Database::open(db().path(), collectionPassword());
    ASSERT_EQ(db().sortKeys(), SortKeys::Indexes);
    EXPECT_EQ(listed(db(), QStringLiteral("(dokument.pohled = 1)")), withKeys);
    EXPECT_EQ(listed(db(), QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
                                          "dokumentOblast WHERE dokumentOblast.oblast = 1))")),
              byArea);
    db().buildSortKeys();
    EXPECT_EQ(db().sortKeys(), SortKeys::Columns);
    EXPECT_EQ(Database::open(db().path(), collectionPassword())->sortKeys(), SortKeys::Columns);
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("(dokument.pohled = 1)");
    set.m_strSort = set.m_strDefaultSort;
    EXPECT_TRUE(planOf(db(), set.BuildSql()).contains(QLatin1String("dokument_jmeno_klic")));
    EXPECT_EQ(listed(db(), QStringLiteral("(dokument.pohled = 1)")), withKeys);
    // Built again over existing keys.
    db().buildSortKeys();
    EXPECT_EQ(listed(db(), QStringLiteral("(dokument.pohled = 1)")), withKeys);
}

TEST_F(SortKeyTest, KeysFollowChangedNames) {
    // The build tools write names after the keys exist; the index keeps up.
    db().executeScript(QStringLiteral("UPDATE dokument SET jmeno = 'Ž poslední' WHERE ID = "
                                      "(SELECT min(ID) FROM dokument WHERE pohled = 1);"));
    const QList<int> ids = listed(db(), QStringLiteral("(dokument.pohled = 1)"));
    Snapshot first(db(), QStringLiteral("SELECT min(ID) AS m FROM dokument WHERE pohled = 1"));
    first.Open();
    ASSERT_FALSE(ids.isEmpty());
    EXPECT_EQ(ids.last(), first.GetFieldInt(QStringLiteral("m")));
}
} // namespace

TEST_F(SortKeyTest, TheChoicesOfAreasTypesAndFieldsReadTheirKeyIndexInCzechOrder) {
    db().executeScript(QStringLiteral(
        "DELETE FROM oblasti; INSERT INTO oblasti (ID, oblast) VALUES (1, 'Řízení'), "
        "(2, 'Chemie'), (3, 'Hygiena'), (4, 'Cla'), (5, 'Čistota');"));
    QVector<LookupRow> rows;
    ASSERT_TRUE(readLookupRows(db(), Lookup::Oblast, rows));
    QStringList names;
    for (const LookupRow& row : rows)
        names << row.text;
    EXPECT_EQ(names, (QStringList{"Cla", "Čistota", "Hygiena", "Chemie", "Řízení"}));
    for (const auto& [table, column] :
         {std::pair("oblasti", "oblast"), std::pair("typy", "typ"), std::pair("obory", "obor")}) {
        const QString plan = planOf(
            db(), buildRecordsetSql(QStringLiteral("[%1]").arg(QLatin1String(table)), QString(),
                                    QStringLiteral("left(%1, 255)").arg(QLatin1String(column))));
        EXPECT_TRUE(plan.contains(QStringLiteral("%1_klic").arg(QLatin1String(table))))
            << plan.toStdString();
        EXPECT_FALSE(plan.contains(QLatin1String("TEMP B-TREE"))) << plan.toStdString();
    }
}
