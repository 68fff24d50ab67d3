#include "NavigationSessionFixture.h"
#include "db/DokumentRecordsets.h"
#include "navigation/RegisterSession.h"

namespace {
class RegisterSessionTest : public NavigationSessionFixture {
protected:
    void SetUp() override {
        NavigationSessionFixture::SetUp();
        m_session = std::make_unique<RegisterSession>(m_database.get());
        m_session->m_setStatusText = [this](const QString& text) { m_status << text; };
        m_session->InitBaseCondition();
    }

    // The tree as indented lines, two spaces per level.
    QStringList lines() const {
        QStringList result;
        const RegisterTree& tree = m_session->tree();
        for (int item = 0; item < tree.size(); ++item)
            result << QString(2 * tree.depth(item), QLatin1Char(' ')) + tree.item(item).jmeno;
        return result;
    }

    int itemOf(int id) const {
        for (int item = 0; item < m_session->tree().size(); ++item) {
            if (m_session->tree().item(item).id == id)
                return item;
        }
        return -1;
    }

    std::unique_ptr<RegisterSession> m_session;
};
} // namespace

TEST_F(RegisterSessionTest, FieldsInCzechOrderWithoutTheCommonOne) {
    QStringList names;
    for (const LookupRow& field : m_session->LoadFields())
        names << field.text;
    // "Ch" comes after "H"; only the field named exactly "Společné" is left out.
    EXPECT_EQ(names, (QStringList{"Celní řízení", "Cestovní náhrady", "Daně", "Chemie",
                                  "Prázdný obor", "Společné a ostatní"}));
    EXPECT_EQ(m_session->LoadFields().at(2).id, 1);
}

TEST_F(RegisterSessionTest, TreeInStoredOrderWithoutTheEntriesThatHaveNoParent) {
    EXPECT_EQ(m_session->GetCounterText(), "(0/0)");
    EXPECT_TRUE(m_session->FillTree(1));
    EXPECT_EQ(lines(), (QStringList{"Daně", "  Daň z příjmů", "    Fyzické osoby", "      Zálohy",
                                    "  DPH", "    Sazby"}));
    EXPECT_TRUE(m_session->m_bTreeReady);
    EXPECT_EQ(m_status, QStringList{"(0/6)"});
    // Another field replaces the tree.
    m_session->FillTree(3);
    EXPECT_EQ(lines(), (QStringList{"Cestovní náhrady", "  Stravné"}));
    m_session->FillTree(7);
    EXPECT_EQ(m_session->tree().size(), 0);
    EXPECT_EQ(m_session->GetCounterText(), "(0/0)");
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(RegisterSessionTest, OpeningAnItemGivesItsPlaceInTheRegisterOrder) {
    m_session->FillTree(1);
    QString title;
    // The skipped entry before it still counts: Zálohy is the fifth entry of the field.
    EXPECT_EQ(m_session->OpenItem(itemOf(102), title), 102);
    EXPECT_EQ(title, "Zálohy");
    EXPECT_EQ(m_session->GetCounterText(), "(5/6)");
    EXPECT_EQ(m_session->OpenItem(itemOf(106), title), 106);
    EXPECT_EQ(m_session->m_nPosition, 8);
    // An attachment name is the title.
    EXPECT_EQ(m_session->OpenItem(itemOf(101), title), 101);
    EXPECT_EQ(title, "Daň z příjmů (výklad)");
    EXPECT_EQ(m_session->m_nPosition, 2);
    EXPECT_EQ(m_session->OpenItem(99, title), 0);
    // A refill starts the counter again.
    m_session->FillTree(1);
    EXPECT_EQ(m_session->GetCounterText(), "(0/6)");
}

TEST_F(RegisterSessionTest, DatabaseErrorsAreReportedAndKeepThePageUsable) {
    m_session->FillTree(1);
    m_database->executeScript(QStringLiteral("DROP TABLE dokumentOblast;"));
    EXPECT_FALSE(m_session->FillTree(1));
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts.first().contains("dokumentOblast")) << m_messages.texts.first();
    EXPECT_EQ(m_session->tree().size(), 0);
    EXPECT_TRUE(m_session->m_bTreeReady);
    EXPECT_EQ(m_status.last(), "(0/0)");

    // Without the kept recordset the tree stays empty and nothing is looked up.
    RegisterSession broken(m_database.get());
    broken.InitBaseCondition();
    EXPECT_EQ(broken.m_pRecordset, nullptr);
    EXPECT_EQ(m_messages.texts.size(), 2);
    EXPECT_TRUE(broken.FillTree(1));
    EXPECT_EQ(broken.tree().size(), 0);
}
