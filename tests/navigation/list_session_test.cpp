#include "db/DbFixture.h"
#include "navigation/ListSession.h"
#include "platform/ResourceIds.h"
#include "support/RecordedMessages.h"

class ListSessionTest : public DbFixture {};

TEST_F(ListSessionTest, FillsByNameAndKeepsTheRowsOfTheLastFillWhenTheDatabaseFails) {
    ListSession session(&db(), IDD_OBSAH);
    ASSERT_TRUE(session.Fill(QString()));
    EXPECT_EQ(session.m_strListFilter, session.m_strBaseCondition);
    QStringList names;
    for (int row = 0; row < session.GetRowCount(); ++row)
        names << session.model()->nameAt(row);
    EXPECT_EQ(names, (QStringList{"Cesta", "Čáp", "Hrad", "Chata", "Robot", "Řeka"}));
    EXPECT_EQ(session.GetCounterText(2), QStringLiteral("(2/6)"));

    RecordedMessages messages;
    EXPECT_FALSE(session.Fill(QStringLiteral("nosuchcolumn = 1")));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(session.GetRowCount(), 6);

    bool bFailed = false;
    EXPECT_FALSE(session.HasAny(QStringLiteral("nosuchcolumn = 1"), bFailed));
    EXPECT_TRUE(bFailed);
    EXPECT_FALSE(session.HasAny(QStringLiteral("ID = -1"), bFailed));
    EXPECT_FALSE(bFailed);
    EXPECT_TRUE(session.HasAny(session.m_strBaseCondition, bFailed));
}

TEST_F(ListSessionTest, ARowOpensWithItsDisplayNameOrElseItsListedName) {
    ListSession session(&db(), IDD_OBSAH);
    ASSERT_TRUE(session.Fill(QString()));
    QString title;
    ASSERT_TRUE(session.RowTitle(0, title));
    EXPECT_FALSE(title.isEmpty());
    db().executeScript(QStringLiteral("DROP VIEW IF EXISTS dokumentView; DROP TABLE dokument;"));
    RecordedMessages messages;
    EXPECT_FALSE(session.RowTitle(0, title));
    EXPECT_EQ(messages.texts.size(), 1);
}
