// Every SQL text the program sends, run against the test collection with sample values.
#include "db/DbFixture.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"

#include <QList>

namespace {
using SqlCatalogueTest = DbFixture;

QList<int> ids(Recordset& set, const char* column = "ID") {
    QList<int> result;
    for (; !set.IsEOF(); set.MoveNext())
        result << set.GetFieldInt(QString::fromLatin1(column));
    return result;
}

QList<int> documents(Database& db, const QString& filter, const QString& sort = QString()) {
    CrDokument set(db);
    set.m_strFilter = filter;
    set.m_strSort = sort;
    set.Open();
    return ids(set);
}

TEST_F(SqlCatalogueTest, DocumentAssemblyTexts) {
    const QString byName = CrDokument(db()).m_strDefaultSort;
    EXPECT_EQ(documents(db(), QStringLiteral("(ID = %1)").arg(5), byName), QList<int>{5});
    // The designation N'5 with its apostrophe doubled.
    EXPECT_EQ(documents(db(), QStringLiteral("(ozn = '%1')").arg(QStringLiteral("N''5")),
                        QStringLiteral("[id]")),
              QList<int>{5});
    EXPECT_EQ(documents(db(), QStringLiteral("(ozn LIKE '%1')").arg(QStringLiteral("zhr"))),
              QList<int>{1});
    EXPECT_EQ(documents(db(), QStringLiteral("(jmeno LIKE '%1')").arg(QStringLiteral("*smlouva")),
                        byName),
              (QList<int>{10, 11}));

    CrDokumentSekceView sections(db());
    sections.m_strFilter = QStringLiteral("(dokument = %1)").arg(1);
    sections.Open();
    QList<int> order;
    for (; !sections.IsEOF(); sections.MoveNext()) {
        order << sections.m_sekce;
        EXPECT_EQ(sections.m_jmeno, QStringLiteral("Hrad"));
    }
    // By poradi, then the version without a start date before the dated one.
    EXPECT_EQ(order, (QList<int>{100, 101, 102}));

    CrImages images(db());
    images.m_strFilter = QStringLiteral("dokument = %1").arg(1);
    images.Open();
    ASSERT_FALSE(images.IsEOF());
    EXPECT_EQ(images.m_id, 1);
    EXPECT_EQ(images.m_extension, QStringLiteral("png"));
    EXPECT_EQ(images.m_imageData, QByteArray::fromHex("89504E470D0A1A0A"));
    EXPECT_EQ(images.m_dokument, 1);
    images.MoveNext();
    EXPECT_EQ(images.m_id, 2);
    EXPECT_EQ(images.m_imageData.size(), 4);
}

TEST_F(SqlCatalogueTest, ListPageTexts) {
    const QString byName = CrDokument(db()).m_strDefaultSort;
    EXPECT_EQ(documents(db(), QStringLiteral("ID = %1").arg(20)), QList<int>{20});
    EXPECT_EQ(documents(db(),
                        joinConditions({baseConditionForTemplate(131), areaCondition(1),
                                        typeCondition(1), novelizaceCondition(0)}),
                        byName),
              (QList<int>{1, 6}));
    EXPECT_EQ(documents(db(),
                        joinConditions({baseConditionForTemplate(131), novelizaceCondition(1)}),
                        byName),
              (QList<int>{3, 2, 5})); // Čáp, Chata, Řeka
    EXPECT_EQ(documents(db(), joinConditions({baseConditionForTemplate(131), typeCondition(0)})),
              QList<int>{4});
    EXPECT_EQ(documents(db(), baseConditionForTemplate(133), byName), (QList<int>{10, 11}));
    EXPECT_EQ(documents(db(), baseConditionForTemplate(136), byName), (QList<int>{20, 21}));

    CrOblasti areas(db());
    areas.m_strSort = QStringLiteral("left(oblast, 255)");
    areas.Open();
    QStringList areaNames;
    for (; !areas.IsEOF(); areas.MoveNext())
        areaNames << areas.m_oblast;
    EXPECT_EQ(areaNames,
              QStringList({QStringLiteral("Daňové právo"), QStringLiteral("Občanské právo"),
                           QStringLiteral("Pracovní právo"), QStringLiteral("Správní právo")}));
    CrTypy types(db());
    types.m_strSort = QStringLiteral("left(Typ, 255)");
    types.Open();
    QStringList typeNames;
    for (; !types.IsEOF(); types.MoveNext())
        typeNames << types.m_typ;
    EXPECT_EQ(typeNames, QStringList({QStringLiteral("Nařízení vlády"), QStringLiteral("Ostatní"),
                                      QStringLiteral("Vyhláška"), QStringLiteral("Zákon")}));
}

TEST_F(SqlCatalogueTest, RegisterPageTexts) {
    EXPECT_EQ(documents(db(), QStringLiteral("(dokument.pohled = 2)"),
                        QStringLiteral("(dokument.poradi)")),
              (QList<int>{30, 31}));
    EXPECT_EQ(documents(db(),
                        QStringLiteral("(dokument.pohled = 2) AND (dokument.obor = %1)").arg(1),
                        QStringLiteral("(dokument.poradi)")),
              QList<int>{31});
    CrObory fields(db());
    fields.m_strFilter = QStringLiteral("obor NOT LIKE 'Společné'");
    fields.m_strSort = QStringLiteral("left(obor, 255)");
    fields.Open();
    QStringList names;
    for (; !fields.IsEOF(); fields.MoveNext())
        names << fields.m_obor;
    EXPECT_EQ(names, QStringList({QStringLiteral("Daně"), QStringLiteral("Stavebnictví")}));
}

TEST_F(SqlCatalogueTest, IndexPageTexts) {
    const QString cond = filterCondition(1, -1);
    EXPECT_EQ(documents(db(),
                        QStringLiteral("(dokument.pohled = 1) AND (dokument.Norma Is Not Null)") +
                            QStringLiteral(" AND ") + cond,
                        QStringLiteral("left(dokument.norma, 255)")),
              (QList<int>{1, 6}));
    // Without a number Čáp is left out; "100/2010" before "12/2001" before "5/1999" and
    // "58/2005" before "580/2004".
    EXPECT_EQ(documents(db(),
                        QStringLiteral("(dokument.pohled = 1) AND (dokument.Norma Is Not Null)"),
                        QStringLiteral("left(dokument.norma, 255)")),
              (QList<int>{4, 1, 2, 5, 6}));
    EXPECT_EQ(documents(db(), QStringLiteral("(dokument.pohled = 1)"),
                        QStringLiteral("left(dokument.jmeno, 255)")),
              (QList<int>{4, 3, 1, 2, 6, 5}));
    EXPECT_EQ(documents(db(), QString(), QStringLiteral("dokument.ID")).size(), 12);

    Snapshot byNazev(
        db(), QStringLiteral("SELECT DISTINCTROW dokument.ID, jmeno, norma, nazev  FROM "
                             "dokumentNorma INNER JOIN (dokument LEFT JOIN dokumentOblast ON "
                             "dokument.ID = dokumentOblast.dokument) ON dokument.ID = "
                             "dokumentNorma.dokument"));
    byNazev.m_strFilter = filterCondition(0, 1);
    byNazev.m_strSort = QStringLiteral("left(nazev, 255), left(norma, 255), left(jmeno, 255)");
    byNazev.Open();
    QStringList rows;
    for (; !byNazev.IsEOF(); byNazev.MoveNext())
        rows << byNazev.GetFieldText(QStringLiteral("nazev")) + QStringLiteral(" - ") +
                    byNazev.GetFieldText(QStringLiteral("norma")) + QStringLiteral(" - ") +
                    byNazev.GetFieldText(QStringLiteral("jmeno"));
    // Robot has three areas but each of its names is listed once.
    EXPECT_EQ(rows, QStringList({QStringLiteral("Novela 1/2002 Sb. - 12/2001 Sb. - Hrad"),
                                 QStringLiteral("Novela 3/2004 Sb. - 580/2004 Sb. - Robot"),
                                 QStringLiteral("Novela 7/2006 Sb. - 580/2004 Sb. - Robot")}));

    Snapshot all(
        db(), QStringLiteral("SELECT DISTINCTROW ID, jmeno, norma, null as nazev, left(norma, 255) "
                             "AS poradi FROM dokument LEFT JOIN dokumentOblast ON dokument.ID = "
                             "dokumentOblast.dokument WHERE dokument.pohled = 1 AND dokument.Norma "
                             "Is Not Null ") +
                  QStringLiteral(" AND ") + areaCondition(2) +
                  QStringLiteral(" UNION ALL SELECT ID, jmeno, norma, nazev, left(nazev, "
                                 "255) AS poradi FROM dokument INNER JOIN dokumentNorma "
                                 "ON dokument.ID = dokumentNorma.dokument ORDER BY "
                                 "poradi"));
    all.Open();
    QList<int> allIds = ids(all);
    // 5/1999 (Chata), 580/2004 (Robot), then the three Novela rows.
    EXPECT_EQ(allIds, (QList<int>{2, 6, 1, 6, 6}));
    EXPECT_TRUE(all.FindFirst(QStringLiteral("ID = 1")));
    EXPECT_EQ(all.GetAbsolutePosition(), 2);
    EXPECT_TRUE(all.GetFieldValue(QStringLiteral("nazev")).isValid());
}

TEST_F(SqlCatalogueTest, SearchPageTexts) {
    const QString base = QStringLiteral(
        "SELECT dokument.id, dokument.norma, dokument.jmeno, sekceNovelizace.datumDo FROM "
        "sekceNovelizace INNER JOIN dokument ON sekceNovelizace.dokument = dokument.id WHERE "
        "(sekceNovelizace.sekce IN (100,101,110,999)) AND (dokument.pohled = 1)");
    Snapshot byNumber(db(), base + QStringLiteral(" AND ") + novelizaceCondition(0) +
                                QStringLiteral(" ORDER BY left(dokument.norma, 255), dokument.ID, "
                                               "datumNovelizace DESC"));
    byNumber.Open();
    QList<int> found;
    QList<QDateTime> ends;
    for (; !byNumber.IsEOF(); byNumber.MoveNext()) {
        found << byNumber.GetFieldInt(QStringLiteral("id"));
        ends << byNumber.GetFieldDate(QStringLiteral("datumDo"));
    }
    EXPECT_EQ(found, (QList<int>{1, 1, 6}));
    // The dated version first (datumNovelizace DESC puts the undated one last).
    EXPECT_EQ(ends[0], storedDateTime(QDate(2005, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(ends[1].isValid());

    Snapshot byName(db(), base + QStringLiteral(" ORDER BY left(dokument.norma, 255), "
                                                "left(dokument.jmeno, 255), left(dokument.norma, "
                                                "255), dokument.ID, datumNovelizace DESC"));
    byName.Open();
    EXPECT_EQ(ids(byName, "id"), (QList<int>{1, 1, 6}));
}

TEST_F(SqlCatalogueTest, FixedLawMenuText) {
    EXPECT_EQ(documents(db(),
                        QStringLiteral("(ozn LIKE 'ZRO') OR (ozn LIKE 'zhr') OR (ozn LIKE 'XYZ')"),
                        QStringLiteral("Dokument.Poradi, Dokument.ID")),
              (QList<int>{1, 6}));
}
} // namespace
