#include "db/Database.h"
#include "search/FulltextIndex.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// The shared corpus lies beside the checkout.
const char* const kCorpusLaw = TAVLIN_SOURCE_DIR "/../shared/corpus/586-1992.md";

// The law's paragraphs as section versions of one document, in the order of the text.
QStringList corpusSections() {
    QFile file(QString::fromUtf8(kCorpusLaw));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .split(QRegularExpression(QStringLiteral("\n(?=#+ )")), Qt::SkipEmptyParts);
}

QString sqlText(QString text) {
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}
} // namespace

TEST(CorpusSearch, FindsAKnownWordInARealLaw) {
    const QStringList sections = corpusSections();
    if (sections.isEmpty())
        GTEST_SKIP() << "no corpus at " << kCorpusLaw;
    TempProgramFolder folder;
    auto database = folder.createCollection(
        {"INSERT INTO dokument (ID, jmeno, norma) VALUES (1, 'Zákon o daních z příjmů', "
         "'586/1992 Sb.')"});
    database->executeScript("BEGIN");
    for (qsizetype i = 0; i < sections.size(); ++i)
        database->executeScript(
            QStringLiteral("INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah) "
                           "VALUES (%1, 1, %1, %2)")
                .arg(i + 1)
                .arg(sqlText(QStringLiteral("<p>") + sections.at(i).toHtmlEscaped() +
                             QStringLiteral("</p>"))));
    database->executeScript("COMMIT");
    const QString index = folder.file("Index");
    EXPECT_EQ(BuildFulltextIndex(*database, index).sections, sections.size());

    const QString found = Search(index, "rezidenty", ScopeText);
    ASSERT_TRUE(found.startsWith('(')) << found;
    const QStringList ids = found.mid(1, found.size() - 2).split(',');
    for (const QString& id : ids)
        EXPECT_TRUE(sections.at(id.toInt() - 1).contains("rezidenty", Qt::CaseInsensitive)) << id;
    qsizetype expected = 0;
    for (const QString& section : sections)
        expected += section.contains(QRegularExpression(QStringLiteral("\\brezidenty\\b"),
                                                        QRegularExpression::CaseInsensitiveOption));
    EXPECT_EQ(ids.size(), expected);
    EXPECT_EQ(Search(index, "xylofonistka", ScopeText), "");
    EXPECT_EQ(Search(index, "\"daňovými rezidenty České republiky\"", ScopeText).isEmpty(), false);
}
