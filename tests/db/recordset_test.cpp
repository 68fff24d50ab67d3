#include "db/DaoException.h"
#include "db/DbFixture.h"
#include "db/DokumentRecordsets.h"

#include <QList>
#include <QStringList>

namespace {
using RecordsetTest = DbFixture;

QStringList names(CrDokument& set) {
    QStringList result;
    for (; !set.IsEOF(); set.MoveNext())
        result << set.m_jmeno;
    return result;
}

TEST_F(RecordsetTest, ContentsListIsInCzechOrder) {
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("(dokument.pohled = 1)");
    set.m_strSort = set.m_strDefaultSort;
    set.Open();
    EXPECT_EQ(names(set), QStringList({QStringLiteral("Cesta"), QStringLiteral("Čáp"),
                                       QStringLiteral("Hrad"), QStringLiteral("Chata"),
                                       QStringLiteral("Robot"), QStringLiteral("Řeka")}));
}

TEST_F(RecordsetTest, DocumentWithThreeAreasIsListedOnce) {
    CrDokument all(db());
    all.m_strSort = all.m_strDefaultSort;
    all.Open();
    EXPECT_EQ(names(all).count(QStringLiteral("Robot")), 1);

    CrDokument area(db());
    area.m_strFilter = QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
                                      "dokumentOblast WHERE dokumentOblast.oblast = 2))");
    area.m_strSort = area.m_strDefaultSort;
    area.Open();
    EXPECT_EQ(names(area), QStringList({QStringLiteral("Chata"), QStringLiteral("Robot")}));
}

TEST_F(RecordsetTest, FieldsAreBoundInOrderWithDatesAndNulls) {
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("ID = 1");
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_ID, 1);
    EXPECT_EQ(set.m_ozn, QStringLiteral("ZHR"));
    EXPECT_EQ(set.m_norma, QStringLiteral("12/2001 Sb."));
    EXPECT_EQ(set.m_novinka, storedDateTime(QDate(2004, 5, 1), QTime(0, 0)));
    EXPECT_EQ(set.m_platnostZacatek, storedDateTime(QDate(2001, 1, 1), QTime(12, 30)));
    EXPECT_FALSE(set.m_platnostKonec.isValid());
    EXPECT_TRUE(set.m_priloha.isEmpty());
    EXPECT_EQ(set.GetFieldDate(QStringLiteral("PLATNOSTZACATEK")), set.m_platnostZacatek);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_THROW(set.GetFieldInt(QStringLiteral("ID")), DaoException);
}

TEST_F(RecordsetTest, TitleOfContractWithoutAttachmentIsItsName) {
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("ID = 10");
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.GetDisplayName(), QString());
    EXPECT_EQ(set.GetTitle(), QStringLiteral("Kupní smlouva"));

    set.m_strFilter = QStringLiteral("ID = 11");
    set.Requery();
    EXPECT_EQ(set.GetTitle(), QStringLiteral("Příloha A"));
    set.m_strFilter = QStringLiteral("ID = 2");
    set.Requery();
    EXPECT_EQ(set.GetDisplayName(), QStringLiteral("Chata"));
}
TEST_F(RecordsetTest, CountGrowsWithTheRowsVisited) {
    CrDokument set(db());
    set.m_strSort = QStringLiteral("Dokument.ID");
    set.Open();
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_FALSE(set.IsBOF());
    EXPECT_EQ(names(set).size(), 12);
    EXPECT_EQ(set.GetRecordCount(), 12);
    set.MoveFirst();
    EXPECT_EQ(set.m_ID, 1);
    EXPECT_EQ(set.GetAbsolutePosition(), 0);
}

TEST_F(RecordsetTest, FindFirstMovesToTheMatchOrStaysPut) {
    CrDokument set(db());
    set.m_strSort = QStringLiteral("Dokument.ID");
    set.Open();
    set.MoveNext();
    set.MoveNext();
    EXPECT_TRUE(set.FindFirst(QStringLiteral("ID = 11")));
    EXPECT_EQ(set.m_jmeno, QStringLiteral("Nájemní smlouva"));
    EXPECT_EQ(set.GetAbsolutePosition(), 7);
    EXPECT_TRUE(set.FindFirst(QStringLiteral("(ozn = 'n''5')")));
    EXPECT_EQ(set.m_ID, 5);
    EXPECT_FALSE(set.FindFirst(QStringLiteral("ID = 77")));
    EXPECT_EQ(set.m_ID, 5);
    EXPECT_EQ(set.GetAbsolutePosition(), 4);
}

TEST_F(RecordsetTest, FilterOfAStatementWithWhereOrUnion) {
    Snapshot where(db(), QStringLiteral("SELECT ID FROM dokument WHERE pohled = 1 OR pohled = 3"));
    where.m_strFilter = QStringLiteral("typ = 0");
    where.m_strSort = QStringLiteral("ID");
    where.Open();
    QList<int> ids;
    for (; !where.IsEOF(); where.MoveNext())
        ids << where.GetFieldInt(QStringLiteral("ID"));
    EXPECT_EQ(ids, (QList<int>{4, 10, 11}));

    Snapshot both(db(), QStringLiteral("SELECT ID, jmeno AS t FROM dokument WHERE pohled = 5 "
                                       "UNION ALL SELECT dokument, nazev FROM dokumentNorma "
                                       "ORDER BY t"));
    both.m_strFilter = QStringLiteral("ID = 6 OR ID = 21");
    both.m_strSort = QStringLiteral("left(t, 255) DESC");
    both.Open();
    QStringList texts;
    for (; !both.IsEOF(); both.MoveNext())
        texts << both.GetFieldText(QStringLiteral("t"));
    EXPECT_EQ(texts, QStringList({QStringLiteral("Usnesení o nákladech řízení"),
                                  QStringLiteral("Novela 7/2006 Sb."),
                                  QStringLiteral("Novela 3/2004 Sb.")}));
}
} // namespace
