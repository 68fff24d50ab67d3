#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "search/FulltextIndex.h"
#include "support/SqlQuery.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString g_strLaws = QStringLiteral(TAVLIN_SOURCE_DIR "/tests/fixtures/laws");

class LawImportTest : public ::testing::Test {
protected:
    QString collection() const { return m_folder.file("Data/TavlinDemo.db"); }

    int import(const QStringList& arguments, QString* error = nullptr) {
        QString output;
        const int rc =
            runProgram(QStringLiteral(TAVLIN_CLI_BINARY), QStringList{"db", "import"} + arguments,
                       m_folder.path(), {}, &output, error);
        return rc;
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(m_folder.file(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray hashOf(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }

    std::unique_ptr<Database> open() const {
        return Database::open(collection(), collectionPassword());
    }

    // The document text assembled for a day, as the reader would show it.
    QString shownOn(int id, const QString& day) {
        m_folder.writeMinimalTemplates();
        const QString out = m_folder.file("out-" + day);
        EXPECT_EQ(runProgram(QStringLiteral(TAVLIN_CLI_BINARY),
                             {"show", "--id", QString::number(id), "--date", day, "--out", out,
                              "--folder", m_folder.path()},
                             m_folder.path(), {}),
                  0);
        QFile body(out + QStringLiteral("/B%1.html").arg(id));
        return body.open(QIODevice::ReadOnly) ? QString::fromUtf8(body.readAll()) : QString();
    }

    TempProgramFolder m_folder;
};

int documentOf(Database& database, const char* norma) {
    return queryValue(database.handle(), "SELECT ID FROM dokument WHERE norma = ?1", {norma})
        .toInt();
}

QString sectionText(Database& database, int document, const char* anchor, const char* from) {
    return queryValue(
               database.handle(),
               "SELECT obsah FROM dokumentSekce WHERE dokument = ?1 AND instr(obsah, ?2) = 1 AND "
               "datumNovelizace = ?3",
               {document, QStringLiteral("<a name=\"%1\">").arg(anchor), from})
        .toString();
}
} // namespace

TEST_F(LawImportTest, ImportsLawsWithTheirStructureAndLinksWhateverTheFileOrder) {
    ASSERT_EQ(
        import({"--out", collection(), g_strLaws + "/902-2019.md", g_strLaws + "/901-2019.md"}), 0);
    auto database = open();
    const int zakon = documentOf(*database, "901/2019 Sb.");
    const int vyhlaska = documentOf(*database, "902/2019 Sb.");
    ASSERT_GT(zakon, 0);
    ASSERT_GT(vyhlaska, 0);
    EXPECT_EQ(queryRows(database->handle(),
                        "SELECT d.jmeno, d.ozn, d.pohled, d.platnostZacatek, t.typ, o.oblast FROM "
                        "dokument d JOIN typy t ON t.ID = d.typ JOIN dokumentOblast x ON "
                        "x.dokument = d.ID JOIN oblasti o ON o.ID = x.oblast ORDER BY d.norma"),
              (QList<QVariantList>{{"Zákon o zkušebních pravidlech", "901/2019", 1, "2020-01-01",
                                    "Zákon", "Nezařazeno"},
                                   {"Vyhláška o provedení zkušebních pravidel", "902/2019", 1,
                                    "2020-02-01", "Vyhláška", "Nezařazeno"}}));
    // Header, two parts, five paragraphs, the annex and the footnotes, in text order.
    EXPECT_EQ(queryValue(database->handle(),
                         "SELECT group_concat(substr(obsah, 1, 14), '|') FROM (SELECT obsah FROM "
                         "dokumentSekce WHERE dokument = ?1 ORDER BY poradi)",
                         {zakon})
                  .toString(),
              "<h1>901/2019 S|<a name=\"cast-|<a name=\"par1\"|<a name=\"par2\"|<a "
              "name=\"par2a|<a name=\"cast-|<a name=\"par3\"|<a name=\"par4\"|<a "
              "name=\"prilo|<a name=\"pozna");
    const QString paragraph1 = sectionText(*database, zakon, "par1", "2020-01-01");
    EXPECT_TRUE(paragraph1.contains("<h3>§ 1</h3><h4>Předmět úpravy</h4>")) << paragraph1;
    EXPECT_TRUE(paragraph1.contains("předpisu<a href=\"#pozn1\"><sup>1)</sup></a>")) << paragraph1;
    EXPECT_TRUE(paragraph1.contains("<p class=\"bod2\">2. v souboru,</p>")) << paragraph1;
    const QString paragraph2 = sectionText(*database, zakon, "par2", "2020-01-01");
    EXPECT_TRUE(paragraph2.contains(QStringLiteral("<a href=\"javascript:sestavDoc('%1#par1')\">"
                                                   "§ 1 odst. 2 písm. a)</a>")
                                        .arg(zakon)))
        << paragraph2;
    EXPECT_TRUE(paragraph2.contains("postupuje &amp; zapisuje &lt;značka&gt; ve lhůtě &lt;= 5"))
        << paragraph2;
    const QString paragraph2a = sectionText(*database, zakon, "par2a", "2020-01-01");
    EXPECT_TRUE(paragraph2a.contains(
        QStringLiteral("<a href=\"javascript:sestavDoc('%1#par2')\">§ 2</a> <a "
                       "href=\"javascript:sestavDoc('%1')\">zákona č. 902/2019 Sb.</a>")
            .arg(vyhlaska)))
        << paragraph2a;
    EXPECT_TRUE(paragraph2a.contains("§ 9 platí <i>jen výjimečně</i>")) << paragraph2a;
    EXPECT_TRUE(paragraph2a.contains("k § 5 zákoníku práce")) << paragraph2a;
    EXPECT_TRUE(sectionText(*database, zakon, "par3", "2020-01-01")
                    .contains("<table><tr><th>Pásmo</th><th>Sazba</th></tr><tr><td>do "
                              "10</td><td>1 %</td></tr><tr><td>nad 10 | včetně</td>"));
    EXPECT_TRUE(sectionText(*database, zakon, "par4", "2020-01-01")
                    .contains("Zrušuje se zákon č. 999/1999 Sb., o dřívějších"));
    EXPECT_TRUE(sectionText(*database, zakon, "priloha1", "2020-01-01")
                    .contains("<h3>Příloha č. 1 k zákonu č. 901/2019 Sb.</h3><h4>Vzor "
                              "zápisu</h4>"));
    EXPECT_TRUE(sectionText(*database, zakon, "poznamky", "2020-01-01")
                    .contains(QStringLiteral("<a name=\"pozn1\"></a>1) <a "
                                             "href=\"javascript:sestavDoc('%1')\">Vyhláška č. "
                                             "902/2019 Sb.</a>")
                                  .arg(vyhlaska)));
    EXPECT_TRUE(sectionText(*database, vyhlaska, "par1", "2020-02-01")
                    .contains(QStringLiteral("<a href=\"javascript:sestavDoc('%1#par2a')\">§ "
                                             "2a</a> <a href=\"javascript:sestavDoc('%1')\">"
                                             "zákona č. 901/2019 Sb.</a>")
                                  .arg(zakon)));
    // The full-text index was rebuilt beside the collection.
    const QString found = Search(m_folder.file("Index"), "\"zvláštní pravidlo\"", ScopeText);
    EXPECT_TRUE(found.startsWith('(')) << found;
}

TEST_F(LawImportTest, ALaterTextAddsVersionsOfTheChangedSectionsOnly) {
    ASSERT_EQ(import({"--out", collection(), g_strLaws + "/901-2019.md"}), 0);
    ASSERT_EQ(import({"--append", collection(), g_strLaws + "/versions/901-2019-2021.md"}), 0);
    auto database = open();
    const int zakon = documentOf(*database, "901/2019 Sb.");
    EXPECT_EQ(queryValue(database->handle(), "SELECT count(*) FROM dokument").toInt(), 1);
    EXPECT_EQ(queryRows(database->handle(),
                        "SELECT substr(obsah, 10, instr(substr(obsah, 10), '\"') - 1), "
                        "datumNovelizace, coalesce(datumDo, '') FROM dokumentSekce WHERE "
                        "dokument = ?1 AND instr(obsah, '<a name=\"par') = 1 ORDER BY poradi, "
                        "datumNovelizace",
                        {zakon}),
              (QList<QVariantList>{{"par1", "2020-01-01", ""},
                                   {"par2", "2020-01-01", "2021-01-01"},
                                   {"par2", "2021-01-01", ""},
                                   {"par2a", "2020-01-01", ""},
                                   {"par3a", "2021-01-01", ""},
                                   {"par3", "2020-01-01", "2021-01-01"},
                                   {"par4", "2020-01-01", ""}}));
    // The reader's valid-on-day assembly shows each text on its days.
    const QString before = shownOn(zakon, "2020-12-31");
    EXPECT_TRUE(before.contains("ve lhůtě &lt;= 5 dnů")) << before;
    EXPECT_TRUE(before.contains("<h3>§ 3</h3>"));
    EXPECT_FALSE(before.contains("<h3>§ 3a</h3>"));
    const QString after = shownOn(zakon, "2021-01-01");
    EXPECT_TRUE(after.contains("ve lhůtě 10 dnů.")) << after;
    EXPECT_FALSE(after.contains("<h3>§ 3</h3>"));
    EXPECT_TRUE(after.contains("<h3>§ 3a</h3>"));
    EXPECT_LT(after.indexOf("<h3>§ 2a</h3>"), after.indexOf("<h3>§ 3a</h3>"));

    // The same text again, or an older one, is refused and changes nothing.
    const QByteArray hash = hashOf(collection());
    QString error;
    EXPECT_EQ(import({"--append", collection(), g_strLaws + "/901-2019.md"}, &error), 1);
    EXPECT_TRUE(error.contains("901-2019.md:1: the collection already holds 901/2019 Sb. as of "
                               "2021-01-01"))
        << error;
    EXPECT_EQ(hashOf(collection()), hash);
}

TEST_F(LawImportTest, BothTextsInOneRunBecomeVersionsInDateOrder) {
    ASSERT_EQ(import({"--out", collection(), g_strLaws + "/versions", g_strLaws + "/901-2019.md"}),
              0);
    auto database = open();
    EXPECT_EQ(queryValue(database->handle(),
                         "SELECT count(*) FROM dokumentSekce WHERE datumNovelizace = '2021-01-01'")
                  .toInt(),
              2);
}

TEST_F(LawImportTest, BadFilesAreSkippedAndReportedAndTheCollectionIsWrittenWhole) {
    const QString empty = writeFile("empty.md", "");
    const QString latin2 = writeFile("latin2.md", "---\ncitace: 1/2000 Sb.\nnazev: z\xe1kon\n");
    const QString plain = writeFile("plain.md", "# Jen nadpis\n");
    QString error;
    EXPECT_EQ(
        import({"--out", collection(), empty, latin2, plain, g_strLaws + "/902-2019.md"}, &error),
        1);
    EXPECT_TRUE(error.contains(empty + ":1: the file is empty")) << error;
    EXPECT_TRUE(error.contains(latin2 + ":3: not UTF-8 text")) << error;
    EXPECT_TRUE(error.contains(plain + ":1: no front matter")) << error;
    EXPECT_EQ(queryValue(open()->handle(), "SELECT count(*) FROM dokument").toInt(), 1);

    // Nothing importable: an existing collection stays as it was, no new one is made.
    const QByteArray hash = hashOf(collection());
    EXPECT_EQ(import({"--out", collection(), empty}), 1);
    EXPECT_EQ(hashOf(collection()), hash);
    EXPECT_EQ(import({"--out", m_folder.file("Data/new.db"), plain}), 1);
    EXPECT_FALSE(QFile::exists(m_folder.file("Data/new.db")));
    EXPECT_EQ(import({"--append", m_folder.file("Data/missing.db"), plain}), 2);
    EXPECT_EQ(import({g_strLaws}), 2);
    EXPECT_EQ(import({"--out", collection()}), 2);
}
