#include "document/AssemblyFixture.h"
#include "platform/Clock.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFileInfo>

namespace {
const char* const kSections = R"(
INSERT INTO dokument (ID, jmeno, ozn, pohled, priloha) VALUES
    (1, 'Zákon o dani', 'DAN', 1, NULL),
    (2, 'Vyhláška', 'VYH', 1, 'Příloha 1'),
    (3, 'Prázdný', 'PRA', 1, NULL);
-- Inserted out of order: the assembly orders by section, then by version.
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (5, 1, 3, '[C]', '2008-01-01', NULL),
    (4, 1, 2, '[B-new]', '2007-01-01', NULL),
    (3, 1, 2, '[B-old]', NULL, '2007-01-01'),
    (2, 1, 1, '[A]', NULL, NULL),
    (6, 2, 1, '[příloha]', NULL, NULL);
)";

QDateTime day(int year, int month, int dayOfMonth) {
    return QDate(year, month, dayOfMonth).startOfDay();
}
} // namespace

TEST_F(AssemblyTest, ChoosesTheVersionsValidOnTheDay) {
    createCollection(kSections);
    const QDateTime newYear = day(2007, 1, 1);
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), &newYear));
    // A version starting on the day is in, one ending on it is out.
    EXPECT_EQ(textOf(workingFile("B1.html")), "<b>[A][B-new]</b>");

    const QDateTime eve = day(2006, 12, 31);
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), &eve));
    EXPECT_EQ(textOf(workingFile("B1.html")), "<b>[A][B-old]</b>");

    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    EXPECT_EQ(textOf(workingFile("B1.html")), "<b>[A][B-new][C]</b>");
    EXPECT_EQ(assembler().m_strLastText, "[A][B-new][C]");
    EXPECT_EQ(m_navigated.size(), 3);

    // "Today" comes from the clock seam.
    setClock([] { return day(2006, 12, 31); });
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    setClock({});
    EXPECT_EQ(textOf(workingFile("B1.html")), "<b>[A][B-old]</b>");
}

TEST_F(AssemblyTest, WritesTheThreePagesAndShowsTheFrameset) {
    createCollection(kSections);
    ASSERT_TRUE(assembler().OpenDocument(2, QString(), nullptr));
    // priloha is the title when it is set; files are UTF-8.
    EXPECT_EQ(bytesOf(workingFile("T2.html")), QStringLiteral("<t>[]Příloha 1</t>").toUtf8());
    EXPECT_EQ(textOf(workingFile("B2.html")), "<b>[příloha]</b>");
    EXPECT_EQ(textOf(workingFile("D2.html")),
              QStringLiteral("<d>Příloha 1|%1|%2</d>")
                  .arg(workingFile("T2.html"), workingFile("B2.html")));
    EXPECT_EQ(m_navigated, QStringList{workingFile("D2.html")});
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
}

TEST_F(AssemblyTest, DocumentWithoutSectionsHasAnEmptyBody) {
    createCollection(kSections);
    ASSERT_TRUE(assembler().OpenDocument(3, QString(), nullptr));
    EXPECT_EQ(textOf(workingFile("B3.html")), "<b></b>");
}

TEST_F(AssemblyTest, MissingDocumentIsNotShownAndNotReported) {
    createCollection(kSections);
    EXPECT_FALSE(assembler().OpenDocument(42, QString(), nullptr));
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_TRUE(m_messages.texts.isEmpty());
    EXPECT_FALSE(QFile::exists(workingFile("D42.html")));
}

TEST_F(AssemblyTest, SearchPageShowsTheFirstHitUnlessAnAnchorIsGiven) {
    createCollection(kSections);
    m_page = 3;
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    EXPECT_TRUE(textOf(workingFile("D1.html")).endsWith("B1.html#prvniNalezeny</d>"));
    // The print version reuses the anchor as given, not the search page's.
    EXPECT_EQ(assembler().m_strLastAnchor, "");

    ASSERT_TRUE(assembler().OpenDocument(1, "#par5", nullptr));
    EXPECT_TRUE(textOf(workingFile("D1.html")).endsWith("B1.html#par5</d>"));

    m_page = 0;
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    EXPECT_TRUE(textOf(workingFile("D1.html")).endsWith("B1.html</d>"));
}

TEST_F(AssemblyTest, PrintVersionRewritesTheLastDocumentWithThePrintBody) {
    createCollection(kSections);
    assembler().ShowPrintVersion();
    EXPECT_TRUE(m_navigated.isEmpty());
    ASSERT_TRUE(assembler().OpenDocument(1, "#par2", nullptr));
    assembler().ShowPrintVersion();
    EXPECT_EQ(textOf(workingFile("B1.html")), "<p>[A][B-new][C]</p>");
    EXPECT_TRUE(textOf(workingFile("D1.html")).endsWith("B1.html#par2</d>"));
    EXPECT_EQ(m_navigated.size(), 2);
}

TEST_F(AssemblyTest, NoteIconOnlyForADocumentWithANote) {
    createCollection(kSections);
    m_notes.insert("Zákon o dani", "Pozor na \"výjimky\" & <lhůty>");
    EXPECT_EQ(assembler().WriteTitlePage(1, "Titul"), workingFile("T1.html"));
    const QString withNote = textOf(workingFile("T1.html"));
    EXPECT_TRUE(withNote.startsWith("<t>[<A HREF=\"javascript:OnNote()\"><IMG SRC=\"" +
                                    m_program.file("Html/img/note.jpg") + "\""))
        << withNote.toStdString();
    // The note text stays inside its attribute.
    EXPECT_TRUE(withNote.contains(
        "ALT=\"Pozor na &quot;výjimky&quot; &amp; &lt;lhůty&gt;\"></A>]Titul</t>"))
        << withNote.toStdString();

    m_notes.clear();
    assembler().RefreshTitlePage(1, "Titul");
    EXPECT_EQ(textOf(workingFile("T1.html")), "<t>[]Titul</t>");
    EXPECT_EQ(m_refreshes, 1);
}

TEST_F(AssemblyTest, AMissingTemplateIsReportedOnceWithItsPathAndNoHalfDocumentIsWritten) {
    createCollection(kSections);
    for (const char* name : {"Body0.html", "Title0.html", "doc0.html"}) {
        SCOPED_TRACE(name);
        m_program.writeMinimalTemplates();
        const QString path = m_program.file(QStringLiteral("Html/") + name);
        QFile::remove(path);
        for (const char* page : {"B1.html", "T1.html", "D1.html"})
            QFile::remove(workingFile(page));
        m_messages.texts.clear();
        m_navigated.clear();
        ASSERT_TRUE(assembler().OpenDocument(1, "#a", nullptr));
        ASSERT_TRUE(assembler().OpenDocument(1, "#a", nullptr));
        EXPECT_EQ(m_messages.texts,
                  QStringList{LoadResString(IDS_TEMPLATE_MISSING).replace("%1", path)});
        for (const char* page : {"B1.html", "T1.html", "D1.html"})
            EXPECT_FALSE(QFile::exists(workingFile(page))) << page;
        EXPECT_TRUE(m_navigated.isEmpty());
    }
    // The title page alone (a changed note icon) needs only its own template.
    m_program.writeMinimalTemplates();
    QFile::remove(m_program.file("Html/Title0.html"));
    EXPECT_EQ(assembler().WriteTitlePage(1, "x"), QString());
}

TEST_F(AssemblyTest, TemplateTextEndsAtAZeroByte) {
    createCollection(kSections);
    writeTemplate("Body0.html", QByteArray("<b>#TEXT#</b>\0#TEXT#", 20));
    ASSERT_TRUE(assembler().OpenDocument(3, QString(), nullptr));
    EXPECT_EQ(bytesOf(workingFile("B3.html")), QByteArray("<b></b>"));
}

TEST_F(AssemblyTest, PicturesAreWrittenUnderTheirOwnIdentifiers) {
    createCollection(QString(kSections) + R"(
INSERT INTO images (id, imageData, length, extension) VALUES
    (7, X'474946383961', 99, 'gif'), (8, X'4749460001', 0, 'gif'), (9, X'00', 1, 'png'),
    (10, X'41', 1, '/../../escaped');
INSERT INTO dokumentImages (imageId, dokument) VALUES (7, 1), (8, 1), (9, 2), (10, 1);
)");
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    // All bytes of imageData, whatever the length column says.
    EXPECT_EQ(bytesOf(workingFile("images/I7.gif")), QByteArray::fromHex("474946383961"));
    EXPECT_EQ(bytesOf(workingFile("images/I8.gif")), QByteArray::fromHex("4749460001"));
    EXPECT_FALSE(QFile::exists(workingFile("images/I9.png")));
    // An extension from the database cannot lead out of the images folder.
    EXPECT_FALSE(QFile::exists(m_runtime.path() + "/escaped"));
    EXPECT_EQ(QDir(workingFile("images")).entryList(QDir::Files).size(), 2);
}

TEST_F(AssemblyTest, DatabaseFailureIsReportedAndNothingIsShown) {
    createCollection(kSections);
    m_database->executeScript("DROP VIEW dokumentSekceView;");
    // Reported in Czech with SQLite's words after it.
    EXPECT_FALSE(assembler().OpenDocument(1, QString(), nullptr));
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts[0].startsWith(LoadResString(IDS_DB_MISSING_TABLE) + " (no such"))
        << m_messages.texts[0].toStdString();
    EXPECT_TRUE(m_messages.texts[0].contains("dokumentSekceView")) << m_messages.texts[0];
    EXPECT_EQ(m_messages.icons[0], MessageIcon::Error);
    EXPECT_TRUE(m_navigated.isEmpty());

    // A list page calling ShowDocument directly gets the report too, not an exception.
    EXPECT_NO_THROW(assembler().ShowDocument(1, "t", QString(), nullptr));
    EXPECT_EQ(m_messages.texts.size(), 2);
}

TEST_F(AssemblyTest, NothingIsWrittenIntoAWorkingFolderThatIsNotOurs) {
    createCollection(kSections);
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), working()));
    m_messages.texts.clear();
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_navigated.isEmpty());
}

TEST_F(AssemblyTest, OutputFolderTakesThePlaceOfTheWorkingFolder) {
    createCollection(QString(kSections) + R"(
INSERT INTO images (id, imageData, extension) VALUES (7, X'47', 'gif');
INSERT INTO dokumentImages (imageId, dokument) VALUES (7, 1);
)");
    QTemporaryDir out;
    assembler().SetOutputFolder(out.path());
    ASSERT_TRUE(assembler().OpenDocument(1, QString(), nullptr));
    EXPECT_EQ(m_navigated, QStringList{out.filePath("D1.html")});
    EXPECT_TRUE(QFile::exists(out.filePath("T1.html")));
    EXPECT_TRUE(QFile::exists(out.filePath("B1.html")));
    EXPECT_TRUE(QFile::exists(out.filePath("images/I7.gif")));
    EXPECT_FALSE(QFile::exists(workingFile("D1.html")));
}
