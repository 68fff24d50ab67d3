#include "NavigationSessionFixture.h"
#include "navigation/IndexSession.h"

namespace {
class IndexSessionTest : public NavigationSessionFixture {
protected:
    void SetUp() override {
        NavigationSessionFixture::SetUp();
        m_session = std::make_unique<IndexSession>(m_database.get());
        m_session->m_setStatusText = [this](const QString& text) { m_status << text; };
        m_session->InitBaseCondition();
    }

    QStringList rows(int choice, int oblast = 0, int typ = -1) {
        EXPECT_TRUE(m_session->FillIndex(choice, oblast, typ));
        QStringList texts;
        for (int row = 0; row < m_session->GetRowCount(); ++row)
            texts
                << QStringLiteral("%1 %2").arg(m_session->rowId(row)).arg(m_session->rowText(row));
        return texts;
    }

    int rowOf(const QString& startOfText) const {
        for (int row = 0; row < m_session->GetRowCount(); ++row) {
            if (m_session->rowText(row).startsWith(startOfText))
                return row;
        }
        return -1;
    }

    std::unique_ptr<IndexSession> m_session;
};

const QString kAmendment1 = "Zákon č. 1/2015 Sb., kterým se mění zákon o silniční dani";
const QString kAmendment261 = "Zákon č. 261/2007 Sb., o stabilizaci veřejných rozpočtů";
const QString kAmendment362 = "Zákon č. 362/2009 Sb., kterým se mění zákony";
const QString kTreaty = "Sdělení č. 12/2002 Sb. m. s.";
} // namespace

TEST_F(IndexSessionTest, FullTextsByNumberAndByName) {
    // A regulation without a number and the contract are not listed by number.
    EXPECT_EQ(rows(IndexSession::ByNumber),
              (QStringList{"5 16/1993 Sb. - Zákon o silniční dani", "2 235/2004 Sb. - Zákon o DPH",
                           "3 58/2010 Sb. - Vyhláška o cestovních náhradách",
                           "1 586/1992 Sb. - Zákon o daních z příjmů"}));
    EXPECT_EQ(m_status, QStringList{"(0/4)"});
    EXPECT_EQ(
        rows(IndexSession::ByName),
        (QStringList{"4 Sdělení bez čísla", "3 Vyhláška o cestovních náhradách",
                     "1 Zákon o daních z příjmů", "2 Zákon o DPH", "5 Zákon o silniční dani"}));
    // Area and type narrow both; a document with two areas is listed once.
    EXPECT_EQ(rows(IndexSession::ByNumber, 2),
              (QStringList{"5 16/1993 Sb. - Zákon o silniční dani",
                           "3 58/2010 Sb. - Vyhláška o cestovních náhradách",
                           "1 586/1992 Sb. - Zákon o daních z příjmů"}));
    EXPECT_EQ(rows(IndexSession::ByName, 2, 2),
              (QStringList{"4 Sdělení bez čísla", "3 Vyhláška o cestovních náhradách"}));
    EXPECT_TRUE(rows(IndexSession::ByName, 1, 2).isEmpty());
    EXPECT_EQ(m_session->GetCounterText(), "(0/0)");
}

TEST_F(IndexSessionTest, DocumentsUnderTheTitlesOfTheirAmendments) {
    // Any kind of document, once per title, by title, number and name.
    EXPECT_EQ(
        rows(IndexSession::ByAmendment),
        (QStringList{"2 300/2016 Sb. (novela DPH) - 235/2004 Sb. - Zákon o DPH",
                     "7 " + kTreaty + " - 45/2001 Sb. m. s. - Smlouva o zamezení dvojímu zdanění",
                     "5 " + kAmendment1 + " - 16/1993 Sb. - Zákon o silniční dani",
                     "1 " + kAmendment261 + " - 586/1992 Sb. - Zákon o daních z příjmů",
                     "1 " + kAmendment362 + " - 586/1992 Sb. - Zákon o daních z příjmů"}));
    EXPECT_EQ(rows(IndexSession::ByAmendment, 2),
              (QStringList{"5 " + kAmendment1 + " - 16/1993 Sb. - Zákon o silniční dani",
                           "1 " + kAmendment261 + " - 586/1992 Sb. - Zákon o daních z příjmů",
                           "1 " + kAmendment362 + " - 586/1992 Sb. - Zákon o daních z příjmů"}));
}

TEST_F(IndexSessionTest, AllInterleavesNumbersAndTitlesAndFiltersOnlyTheNumbers) {
    const QStringList titles = {"7 " + kTreaty +
                                    " - 45/2001 Sb. m. s. - Smlouva o zamezení dvojímu zdanění",
                                "5 " + kAmendment1 + " - 16/1993 Sb. - Zákon o silniční dani",
                                "1 " + kAmendment261 + " - 586/1992 Sb. - Zákon o daních z příjmů",
                                "1 " + kAmendment362 + " - 586/1992 Sb. - Zákon o daních z příjmů"};
    EXPECT_EQ(rows(IndexSession::All),
              (QStringList{"5 16/1993 Sb. - Zákon o silniční dani", "2 235/2004 Sb. - Zákon o DPH",
                           "2 300/2016 Sb. (novela DPH) - 235/2004 Sb. - Zákon o DPH",
                           "3 58/2010 Sb. - Vyhláška o cestovních náhradách",
                           "1 586/1992 Sb. - Zákon o daních z příjmů"} +
               titles));
    // Area 1 keeps only its full texts by number; every title row stays.
    EXPECT_EQ(rows(IndexSession::All, 1),
              (QStringList{"2 235/2004 Sb. - Zákon o DPH",
                           "2 300/2016 Sb. (novela DPH) - 235/2004 Sb. - Zákon o DPH",
                           "1 586/1992 Sb. - Zákon o daních z příjmů"} +
               titles));
    EXPECT_TRUE(rows(-1).isEmpty());
    EXPECT_TRUE(rows(4).isEmpty());
}

TEST_F(IndexSessionTest, QuickFindTakesTheFirstRowThatStartsWithTheTextIgnoringCase) {
    m_database->executeScript(
        QStringLiteral("INSERT INTO dokumentNorma (dokument, nazev) VALUES (5, 'Čtvrtletní "
                       "úprava sazeb'), (5, 'čtvrtletní přehled');"));
    m_session->FillIndex(IndexSession::All, 0, -1);
    // Letters beyond ASCII in either case, in the text and in the rows.
    EXPECT_EQ(m_session->QuickFind("Čtvrtletní"), rowOf("čtvrtletní přehled"));
    EXPECT_EQ(m_session->QuickFind("ČTVRTLETNÍ P"), rowOf("čtvrtletní přehled"));
    EXPECT_EQ(m_session->QuickFind("čtvrtletní ú"), rowOf("Čtvrtletní úprava"));
    EXPECT_NE(rowOf("Čtvrtletní úprava"), -1);
    EXPECT_EQ(m_session->QuickFind("58"), rowOf("58/2010"));
    EXPECT_EQ(m_session->QuickFind("586"), rowOf("586/1992"));
    EXPECT_EQ(m_session->QuickFind("zákon č. 3"), rowOf(kAmendment362));
    EXPECT_EQ(m_session->QuickFind("SDĚLENÍ"), rowOf(kTreaty));
    EXPECT_EQ(m_session->QuickFind(""), 0);
    EXPECT_EQ(m_session->QuickFind("Zákon o"), -1);
    EXPECT_EQ(m_session->QuickFind("x"), -1);
    m_session->FillIndex(IndexSession::ByName, 0, -1);
    EXPECT_EQ(m_session->QuickFind("zákon o d"), 2);
}

TEST_F(IndexSessionTest, OpeningARowTakesTheDisplayTitleOfItsDocument) {
    QString title;
    m_session->FillIndex(IndexSession::ByNumber, 0, -1);
    // A regulation without attachment name opens under its name, not the row text.
    EXPECT_EQ(m_session->OpenRow(0, title), 5);
    EXPECT_EQ(title, "Zákon o silniční dani");
    EXPECT_EQ(m_session->OpenRow(rowOf("58/2010"), title), 3);
    EXPECT_EQ(title, "Příloha: sazby stravného");
    EXPECT_EQ(m_session->GetCounterText(), "(3/4)");
    EXPECT_EQ(m_status.last(), "(3/4)");
    EXPECT_EQ(m_session->OpenRow(4, title), 0);

    // Under an area the title rows still open documents of other areas with their titles.
    m_session->FillIndex(IndexSession::All, 1, -1);
    const int amendment = rowOf(kAmendment1);
    EXPECT_EQ(m_session->OpenRow(amendment, title), 5);
    EXPECT_EQ(title, "Zákon o silniční dani");
    EXPECT_EQ(m_session->m_nPosition, amendment + 1);
    // A contract without attachment name has no display title: the row text stays.
    const int treaty = rowOf(kTreaty);
    EXPECT_EQ(m_session->OpenRow(treaty, title), 7);
    EXPECT_EQ(title, m_session->rowText(treaty));
    m_session->FillIndex(IndexSession::ByAmendment, 2, -1);
    EXPECT_EQ(m_session->OpenRow(0, title), 5);
    EXPECT_EQ(title, "Zákon o silniční dani");
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(IndexSessionTest, DatabaseErrorsAreReportedAndLeaveTheListEmpty) {
    // Walked to its end, the kept recordset holds no lock on the tables.
    m_session->FillIndex(IndexSession::ByName, 0, -1);
    m_database->executeScript(QStringLiteral("DROP TABLE dokumentNorma;"));
    EXPECT_FALSE(m_session->FillIndex(IndexSession::ByAmendment, 0, -1));
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts.first().contains("dokumentNorma")) << m_messages.texts.first();
    EXPECT_EQ(m_session->GetRowCount(), 0);
    EXPECT_EQ(m_status.last(), "(0/0)");
    // The lists of the kept recordset still work.
    EXPECT_TRUE(m_session->FillIndex(IndexSession::ByNumber, 0, -1));
    EXPECT_EQ(m_session->GetRowCount(), 4);
}
