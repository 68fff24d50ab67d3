#include "build/CollectionGenerator.h"
#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "support/SqlQuery.h"

#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<Database> generated(const QTemporaryDir& dir, const char* name, int documents,
                                    std::uint64_t seed, GeneratedCollection* result = nullptr) {
    auto database = Database::create(dir.filePath(QString::fromLatin1(name)), collectionPassword());
    const GeneratedCollection made = generateCollection(*database, documents, seed);
    if (result)
        *result = made;
    return database;
}

// Every table but the password hash, row by row, in a fixed order.
QByteArray contentHash(Database& database) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* sql : {"SELECT * FROM oblasti ORDER BY ID", "SELECT * FROM typy ORDER BY ID",
                            "SELECT * FROM obory ORDER BY ID", "SELECT * FROM dokument ORDER BY ID",
                            "SELECT * FROM dokumentOblast ORDER BY dokument, oblast",
                            "SELECT * FROM dokumentNorma ORDER BY rowid",
                            "SELECT * FROM dokumentSekce ORDER BY sekce"}) {
        for (const QVariantList& row : queryRows(database.handle(), QString::fromLatin1(sql))) {
            for (const QVariant& value : row)
                hash.addData(
                    (value.isNull() ? QStringLiteral("<null>") : value.toString()).toUtf8() +
                    '\x1f');
            hash.addData("\n");
        }
    }
    return hash.result();
}

qlonglong count(Database& database, const char* sql) {
    return queryValue(database.handle(), QString::fromUtf8(sql)).toLongLong();
}
} // namespace

TEST(CollectionGeneratorTest, SameSeedGivesTheSameCollection) {
    QTemporaryDir dir;
    const auto first = generated(dir, "a.db", 600, 42);
    const auto second = generated(dir, "b.db", 600, 42);
    const auto other = generated(dir, "c.db", 600, 43);
    EXPECT_EQ(contentHash(*first), contentHash(*second));
    EXPECT_NE(contentHash(*first), contentHash(*other));
}

TEST(CollectionGeneratorTest, ProportionsAndStructureAreRealistic) {
    QTemporaryDir dir;
    GeneratedCollection result;
    const auto database = generated(dir, "g.db", 5000, 7, &result);
    Database& db = *database;
    EXPECT_EQ(count(db, "SELECT count(*) FROM dokument"), 5000);
    const qlonglong regulations = count(db, "SELECT count(*) FROM dokument WHERE pohled = 1");
    EXPECT_NEAR(double(regulations) / 5000, 0.6, 0.05);
    for (const char* sql : {"SELECT count(*) FROM dokument WHERE pohled = 2",
                            "SELECT count(*) FROM dokument WHERE pohled = 3",
                            "SELECT count(*) FROM dokument WHERE pohled = 5"})
        EXPECT_GE(count(db, sql), 200) << sql;
    // About five versions per regulation, not counting the largest one.
    const double versions = double(count(db, "SELECT count(*) FROM dokumentSekce s JOIN dokument "
                                             "d ON d.ID = s.dokument WHERE d.pohled = 1 AND "
                                             "d.ID <> 1")) /
                            double(regulations - 1);
    EXPECT_GT(versions, 3.5);
    EXPECT_LT(versions, 7.0);
    EXPECT_EQ(result.largestDocumentId, 1);
    EXPECT_GE(count(db, "SELECT count(*) FROM dokumentSekce WHERE dokument = 1"), 2000);
    EXPECT_EQ(result.sectionVersions, count(db, "SELECT count(*) FROM dokumentSekce"));
    EXPECT_EQ(count(db, "SELECT count(*) FROM dokument WHERE ozn IN ('DP', 'DPH', 'SID', 'DN', "
                        "'OBCH', 'OZ', 'ZU', 'PRACE', 'DEKAP', 'DULOK', 'SOCPO', 'ZDRPO') AND "
                        "pohled = 1"),
              12);
    EXPECT_EQ(count(db, "SELECT count(*) FROM obory WHERE obor = 'Společné'"), 1);
    EXPECT_GT(count(db, "SELECT count(*) FROM (SELECT dokument FROM dokumentOblast GROUP BY "
                        "dokument HAVING count(*) > 1)"),
              500);
    // Every amendment names one to three full texts, the twelve large laws most often.
    EXPECT_GT(count(db, "SELECT count(*) FROM dokumentNorma"),
              count(db, "SELECT count(*) FROM dokument WHERE pohled = 1 AND typnovelizace <> 1"));
    EXPECT_EQ(count(db, "SELECT count(*) FROM dokumentNorma n JOIN dokument d ON d.ID = "
                        "n.dokument WHERE d.pohled <> 1 OR d.typnovelizace = 2"),
              0);
    EXPECT_GT(count(db, "SELECT count(*) FROM dokumentNorma WHERE dokument = 1"), 20);
    // One large field; every field's tree reaches deep.
    EXPECT_GT(count(db, "SELECT count(*) FROM dokument WHERE pohled = 2 AND obor = 1") * 4,
              count(db, "SELECT count(*) FROM dokument WHERE pohled = 2"));
    EXPECT_EQ(count(db, "SELECT count(*) FROM (SELECT obor FROM dokument WHERE pohled = 2 GROUP "
                        "BY obor HAVING max(uroven) >= 5)"),
              count(db, "SELECT count(*) FROM obory"));
    EXPECT_GT(count(db, "SELECT count(*) FROM dokument WHERE pohled = 2 AND uroven = 7"), 0);
    // In every field's register an entry is at most one level below the entry before it.
    QHash<qlonglong, qlonglong> previous;
    int skipped = 0;
    for (const QVariantList& row :
         queryRows(db.handle(), QStringLiteral("SELECT obor, uroven FROM dokument WHERE pohled "
                                               "= 2 ORDER BY poradi"))) {
        if (row[1].toLongLong() > previous.value(row[0].toLongLong(), -1) + 1)
            ++skipped;
        previous[row[0].toLongLong()] = row[1].toLongLong();
    }
    EXPECT_EQ(skipped, 0);
    EXPECT_GT(count(db, "SELECT count(*) FROM dokumentSekce WHERE instr(obsah, 'daň') > 0"), 1000);
    EXPECT_GT(count(db, "SELECT count(*) FROM dokumentSekce WHERE instr(obsah, 'zaměstnanec') > 0"),
              100);
    // The versions of one section follow each other without overlapping.
    EXPECT_EQ(count(db, "SELECT count(*) FROM dokumentSekce a JOIN dokumentSekce b ON "
                        "a.dokument = b.dokument AND a.poradi = b.poradi AND a.sekce < b.sekce "
                        "WHERE (a.datumDo IS NULL OR b.datumNovelizace IS NULL OR "
                        "b.datumNovelizace < a.datumDo) AND (b.datumDo IS NULL OR "
                        "a.datumNovelizace IS NULL OR a.datumNovelizace < b.datumDo)"),
              0);
    EXPECT_GT(count(db, "SELECT count(*) FROM dokumentSekce WHERE datumNovelizace IS NOT NULL"),
              1000);
}

TEST(CollectionGeneratorTest, LinksNameExistingDocumentsAndAnchors) {
    QTemporaryDir dir;
    const auto database = generated(dir, "l.db", 1500, 3);
    static const QRegularExpression link(
        QStringLiteral("sestavDoc\\('(?:(\\d{4}-\\d\\d-\\d\\d)__)?(\\d+)(#par1)?'\\)"));
    int links = 0;
    for (const QVariantList& row :
         queryRows(database->handle(), QStringLiteral("SELECT obsah FROM dokumentSekce"))) {
        for (const auto& match : link.globalMatch(row.first().toString())) {
            ++links;
            EXPECT_EQ(queryValue(database->handle(),
                                 QStringLiteral("SELECT count(*) FROM dokumentSekce WHERE "
                                                "dokument = ?1 AND instr(obsah, '<a "
                                                "name=\"par1\">') > 0"),
                                 {match.captured(2).toLongLong()})
                              .toLongLong() > 0,
                      true)
                << match.captured(0).toStdString();
        }
    }
    EXPECT_GT(links, 100);
}

TEST(CollectionGeneratorTest, AListOfOneAreaSortsTheStoredKeysOfItsDocumentsInTheSameOrder) {
    QTemporaryDir dir;
    auto database = generated(dir, "area.db", 3000, 11);
    database->updatePlannerFigures();
    const auto list = [&database](const QString& filter, QString* plan) {
        CrDokumentNames names(*database);
        names.m_strFilter = filter;
        names.m_strSort = names.m_strDefaultSort;
        QStringList steps;
        for (const QVariantList& row : queryRows(
                 database->handle(), QStringLiteral("EXPLAIN QUERY PLAN ") + names.BuildSql()))
            steps << row.value(3).toString();
        *plan = steps.join(QLatin1String("; "));
        names.Open();
        QList<int> ids;
        for (; !names.IsEOF(); names.MoveNext())
            ids << names.m_ID;
        return ids;
    };
    QString wholePlan;
    QString areaPlan;
    const QList<int> whole = list(baseConditionForTemplate(131), &wholePlan);
    const QList<int> area =
        list(joinConditions({baseConditionForTemplate(131), areaCondition(3)}), &areaPlan);
    EXPECT_TRUE(wholePlan.contains(QLatin1String("COVERING INDEX dokument_jmeno_klic")))
        << wholePlan.toStdString();
    EXPECT_FALSE(wholePlan.contains(QLatin1String("TEMP B-TREE"))) << wholePlan.toStdString();
    EXPECT_TRUE(areaPlan.contains(QLatin1String("INTEGER PRIMARY KEY"))) << areaPlan.toStdString();
    QSet<int> members;
    for (const QVariantList& row :
         queryRows(database->handle(),
                   QStringLiteral("SELECT dokument FROM dokumentOblast WHERE oblast = 3")))
        members.insert(row.value(0).toInt());
    QList<int> expected;
    for (const int id : whole)
        if (members.contains(id))
            expected << id;
    ASSERT_GT(expected.size(), 20);
    EXPECT_EQ(area, expected);
}
