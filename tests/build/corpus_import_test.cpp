#include "build/CollectionFile.h"
#include "build/LawImporter.h"
#include "db/CollectionPassword.h"
#include "document/DocumentAssembler.h"
#include "document/LinkProtocol.h"
#include "platform/ProgramFolders.h"
#include "search/FulltextIndex.h"
#include "support/SqlQuery.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// The shared corpus lies beside the checkout.
const QString g_strCorpus = QStringLiteral(TAVLIN_SOURCE_DIR "/../shared/corpus");

// The six laws are imported once for all checks.
class CorpusImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QFileInfo::exists(g_strCorpus + "/586-1992.md"))
            return;
        s_folder = new TempProgramFolder;
        s_folder->writeMinimalTemplates();
        LawImporter importer;
        for (const QString& name : QDir(g_strCorpus).entryList({"*-*.md"}, QDir::Files))
            importer.addPath(g_strCorpus + '/' + name);
        s_nErrors = int(importer.errors().size());
        const QString path = s_folder->file("Data/TavlinDemo.db");
        buildCollectionFile(path, [&](Database& database) { importer.write(database); });
        s_database = Database::open(path, collectionPassword()).release();
    }
    static void TearDownTestSuite() {
        delete s_database;
        delete s_folder;
        s_database = nullptr;
        s_folder = nullptr;
    }
    void SetUp() override {
        if (!s_database)
            GTEST_SKIP() << "no corpus at " << g_strCorpus;
    }

    static int documentOf(const char* norma) {
        return queryValue(s_database->handle(), "SELECT ID FROM dokument WHERE norma = ?1", {norma})
            .toInt();
    }

    // The document assembled as the reader shows it, and the frameset's body reference.
    static QString assemble(int id, const QString& anchor, QString* frameset = nullptr) {
        ProgramFolders folders;
        folders.SetProgramFolder(s_folder->path());
        QString shown;
        DocumentHooks hooks;
        hooks.navigate = [&shown](const QString& path) { shown = path; };
        DocumentAssembler assembler(*s_database, folders, hooks);
        assembler.SetOutputFolder(s_folder->file("out"));
        EXPECT_TRUE(assembler.OpenDocument(id, anchor, nullptr));
        QFile frames(shown);
        if (frameset && frames.open(QIODevice::ReadOnly))
            *frameset = QString::fromUtf8(frames.readAll());
        QFile body(s_folder->file(QStringLiteral("out/B%1.html").arg(id)));
        return body.open(QIODevice::ReadOnly) ? QString::fromUtf8(body.readAll()) : QString();
    }

    static TempProgramFolder* s_folder;
    static Database* s_database;
    static int s_nErrors;
};

TempProgramFolder* CorpusImportTest::s_folder = nullptr;
Database* CorpusImportTest::s_database = nullptr;
int CorpusImportTest::s_nErrors = 0;
} // namespace

TEST_F(CorpusImportTest, EveryLawHasOneSectionPerParagraph) {
    EXPECT_EQ(s_nErrors, 0);
    EXPECT_EQ(
        queryRows(s_database->handle(),
                  "SELECT d.norma, count(s.sekce) FROM dokument d JOIN dokumentSekce s ON "
                  "s.dokument = d.ID WHERE instr(s.obsah, '<a name=\"par') = 1 GROUP BY d.norma "
                  "ORDER BY d.ID"),
        (QList<QVariantList>{{"16/1993 Sb.", 16},
                             {"338/1992 Sb.", 46},
                             {"563/1991 Sb.", 81},
                             {"586/1992 Sb.", 189},
                             {"589/1992 Sb.", 78},
                             {"592/1992 Sb.", 59}}));
    EXPECT_EQ(
        queryValue(s_database->handle(),
                   "SELECT count(*) FROM dokumentSekce WHERE instr(obsah, '<a name=\"priloha') = 1")
            .toInt(),
        7);
}

TEST_F(CorpusImportTest, Paragraph38hOpensAtItsAnchor) {
    const int law = documentOf("586/1992 Sb.");
    QString frameset;
    const QString body = assemble(law, "#par38h", &frameset);
    EXPECT_TRUE(frameset.contains(QStringLiteral("B%1.html#par38h").arg(law))) << frameset;
    const qsizetype at = body.indexOf("<a name=\"par38h\"></a><h3>§ 38h</h3>");
    ASSERT_GE(at, 0);
    EXPECT_EQ(body.count("<a name=\"par38h\">"), 1);
    EXPECT_LT(body.indexOf("<h3>§ 38g</h3>"), at);
    EXPECT_GT(body.indexOf("<h3>§ 38i</h3>"), at);
}

TEST_F(CorpusImportTest, AReferenceToAnotherLawOpensItsParagraph) {
    const int target = documentOf("586/1992 Sb.");
    const int source = documentOf("589/1992 Sb.");
    const QString text =
        queryValue(s_database->handle(),
                   "SELECT group_concat(obsah, '') FROM dokumentSekce WHERE dokument = ?1",
                   {source})
            .toString();
    const QRegularExpression link(
        QStringLiteral("href=\"(javascript:sestavDoc\\('%1#par\\w+'\\))\"").arg(target));
    const QRegularExpressionMatch match = link.match(text);
    ASSERT_TRUE(match.hasMatch());
    const LinkDecision decision = decideLink(match.captured(1));
    EXPECT_TRUE(decision.intercept);
    EXPECT_EQ(decision.id, target);
    EXPECT_TRUE(assemble(target, decision.anchor)
                    .contains(QStringLiteral("<a name=\"%1\">").arg(decision.anchor.mid(1))))
        << decision.anchor;
}

TEST_F(CorpusImportTest, SearchFindsAKnownSentence) {
    const QString index = s_folder->file("Index");
    BuildFulltextIndex(*s_database, index);
    const QString found =
        Search(index, "\"Poplatníky daně z příjmů fyzických osob jsou fyzické osoby\"", ScopeText);
    ASSERT_TRUE(found.startsWith('(')) << found;
    const QStringList ids = found.mid(1, found.size() - 2).split(',');
    ASSERT_EQ(ids.size(), 1);
    EXPECT_EQ(queryValue(s_database->handle(),
                         "SELECT dokument FROM dokumentSekce WHERE sekce = ?1",
                         {ids.first().toLongLong()})
                  .toInt(),
              documentOf("586/1992 Sb."));
}
