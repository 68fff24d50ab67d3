#include "document/AssemblyFixture.h"

namespace {
const char* const kDesignations = R"(
INSERT INTO dokument (ID, jmeno, ozn, pohled, priloha, redirectId, redirectPar) VALUES
    (1, 'Zákon o obchodních korporacích', 'ZOK', 1, NULL, 0, 'par5'),
    (2, 'Zákon o daních z příjmů', 'DP', 1, NULL, 0, NULL),
    (3, 'Starý odkaz', 'STARY', 1, NULL, 2, 'par7'),
    (4, 'Ztracený odkaz', 'ZTRACENY', 1, NULL, 99, NULL),
    (5, 'Nařízení O''Neill', 'O''N', 1, NULL, 0, NULL),
    (6, 'Past', 'x'') OR (''1''=''1', 1, NULL, 0, NULL),
    (7, 'Bez označení', '', 1, NULL, 0, NULL),
    (8, 'Občanský zákoník', 'oz', 1, NULL, 0, NULL),
    (9, 'Zákoník práce', 'PRACE', 1, 'Zákoník práce – úplné znění', 0, NULL);
)";

class DesignationTest : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        createCollection(kDesignations);
    }
    QString shownFrameset() const {
        return m_navigated.size() == 1 ? textOf(m_navigated[0]) : QString("<not one page>");
    }
};
} // namespace

TEST_F(DesignationTest, ARowWithoutRedirectShowsItselfWithoutAnchor) {
    assembler().OpenByDesignation("ZOK");
    EXPECT_EQ(m_navigated, QStringList{workingFile("D1.html")});
    EXPECT_TRUE(shownFrameset().endsWith("B1.html</d>")) << shownFrameset().toStdString();
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(DesignationTest, ARedirectShowsItsTargetAtItsAnchor) {
    assembler().OpenByDesignation("STARY");
    EXPECT_EQ(m_navigated, QStringList{workingFile("D2.html")});
    EXPECT_TRUE(shownFrameset().endsWith("B2.html#par7</d>")) << shownFrameset().toStdString();
}

TEST_F(DesignationTest, MissingDocumentsGiveTheInvalidLinkMessage) {
    assembler().OpenByDesignation("ZTRACENY");
    assembler().OpenByDesignation("NIC");
    EXPECT_EQ(m_messages.texts, QStringList({"Odkaz není platný.", "Odkaz není platný."}));
    EXPECT_TRUE(m_navigated.isEmpty());
}

TEST_F(DesignationTest, ApostropheIsFoundAndSqlIsOnlyText) {
    assembler().OpenByDesignation("O'N");
    EXPECT_EQ(m_navigated, QStringList{workingFile("D5.html")});

    // Only the document designated by exactly this text, not every document.
    m_navigated.clear();
    assembler().OpenByDesignation("x') OR ('1'='1");
    EXPECT_EQ(m_navigated, QStringList{workingFile("D6.html")});
    m_navigated.clear();
    assembler().OpenByDesignation("y') OR ('1'='1");
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_EQ(m_messages.texts, QStringList{"Odkaz není platný."});
}

TEST_F(DesignationTest, FixedLawsByCommand) {
    EXPECT_EQ(fixedLawDesignation(32798), "DP");
    EXPECT_EQ(fixedLawDesignation(32803), "OZ");
    EXPECT_EQ(fixedLawDesignation(32808), "SOCPO");
    EXPECT_EQ(fixedLawDesignation(32829), "ZDRPO");
    EXPECT_EQ(fixedLawDesignation(32797), "");
    EXPECT_EQ(fixedLawDesignation(32809), "");

    // LIKE compares without regard to case; the title is priloha when set.
    assembler().OpenFixedLaw(32803);
    assembler().OpenFixedLaw(32805);
    EXPECT_EQ(m_navigated, QStringList({workingFile("D8.html"), workingFile("D9.html")}));
    EXPECT_EQ(textOf(workingFile("T9.html")), "<t>[]Zákoník práce – úplné znění</t>");

    // A law missing from the collection and a command without a law show nothing and say nothing
    // (not the document without a designation).
    m_navigated.clear();
    assembler().OpenFixedLaw(32799);
    assembler().OpenFixedLaw(32815);
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(DesignationTest, LookupsByIdentifierAndName) {
    QString display = "unchanged";
    EXPECT_EQ(assembler().GetDocumentName(9, display), "Zákoník práce");
    EXPECT_EQ(display, "Zákoník práce – úplné znění");
    display = "unchanged";
    EXPECT_EQ(assembler().GetDocumentName(99, display), "");
    EXPECT_EQ(display, "unchanged");

    EXPECT_EQ(assembler().GetDocumentDesignation(5), "O'N");
    EXPECT_EQ(assembler().GetDocumentDesignation(99), "");

    // The first match in name order.
    EXPECT_EQ(assembler().FindDocumentByName("Zákon o*", display), 2);
    EXPECT_EQ(display, "Zákon o daních z příjmů");
    EXPECT_EQ(assembler().FindDocumentByName("zákoník práce", display), 9);
    EXPECT_EQ(assembler().FindDocumentByName("Nic takového", display), 0);
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST(QuoteSql, DoublesEveryApostrophe) {
    EXPECT_EQ(DocumentAssembler::QuoteSql("O'N''x'"), "O''N''''x''");
    EXPECT_EQ(DocumentAssembler::QuoteSql(""), "");
}
