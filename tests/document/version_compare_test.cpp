#include "db/CollectionPassword.h"
#include "document/AssemblyFixture.h"
#include "document/ComparisonPage.h"
#include "document/ValidOnDay.h"
#include "document/VersionCompare.h"
#include "document/WordDiff.h"
#include "platform/Clock.h"

#include <QRegularExpression>
#include <QUrl>

namespace {
const QString g_strDemoSource = QStringLiteral(TAVLIN_SOURCE_DIR "/data/demo");

// The demo collection, built once from its sources: law 101 changes on 1. 1. 2008 and 1. 1. 2013.
class DemoCompareTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new TempProgramFolder;
        QString error;
        ASSERT_EQ(runProgram(QStringLiteral(TAVLIN_CLI_BINARY),
                             {QStringLiteral("db"), QStringLiteral("build-demo"),
                              QStringLiteral("--source"), g_strDemoSource,
                              QStringLiteral("--folder"), s_folder->path()},
                             s_folder->path(), {}, nullptr, &error),
                  0)
            << error.toStdString();
        s_database = Database::open(s_folder->file(QStringLiteral("Data/TavlinDemo.db")),
                                    collectionPassword())
                         .release();
    }
    static void TearDownTestSuite() {
        delete s_database;
        delete s_folder;
    }
    static std::vector<SectionDelta> changes(const QDate& before, const QDate& after) {
        std::vector<SectionDelta> changed;
        for (const SectionDelta& delta : compareVersions(*s_database, 101, before, after))
            if (delta.kind() != SectionDelta::Kind::Same)
                changed.push_back(delta);
        return changed;
    }
    static QString cli(const QStringList& arguments, int* status) {
        QString out;
        *status = runProgram(
            QStringLiteral(TAVLIN_CLI_BINARY),
            QStringList{QStringLiteral("compare"), QStringLiteral("--folder"), s_folder->path()} +
                arguments,
            s_folder->path(), {}, &out, nullptr);
        return out;
    }

    static inline TempProgramFolder* s_folder = nullptr;
    static inline Database* s_database = nullptr;
};

// The text with the marks of one side taken away: the words the reader sees for that day.
QString sideOf(const QByteArray& marked, bool bAfter) {
    QString text = QString::fromUtf8(marked);
    const QString drop = bAfter ? QStringLiteral("del") : QStringLiteral("ins");
    text.remove(QRegularExpression(QStringLiteral("<%1 class=\"tv-slovo\">.*?</%1>").arg(drop)));
    text.remove(QRegularExpression(QStringLiteral("</?(ins|del)( class=\"tv-slovo\")?>")));
    return plainWords(text.toUtf8());
}

QStringList markedWords(const QByteArray& marked, const QString& tag) {
    QStringList words;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<%1 class=\"tv-slovo\">(.*?)</%1>").arg(tag))
            .globalMatch(QString::fromUtf8(marked));
    while (it.hasNext())
        words << it.next().captured(1);
    return words;
}
} // namespace

TEST_F(DemoCompareTest, FindsTheSectionsThatChangedOnEachAmendment) {
    // Across 1. 1. 2008: § 16 and § 38h got new versions.
    std::vector<SectionDelta> changed = changes(QDate(2007, 6, 1), QDate(2010, 1, 1));
    ASSERT_EQ(changed.size(), 2u);
    for (const SectionDelta& delta : changed)
        EXPECT_EQ(delta.kind(), SectionDelta::Kind::Changed);
    EXPECT_EQ(sectionLabel(changed[0].m_after->m_obsah), QStringLiteral("§ 16"));
    EXPECT_EQ(sectionLabel(changed[1].m_after->m_obsah), QStringLiteral("§ 38h"));

    // Across 1. 1. 2013: § 7 and § 16; the day an amendment takes effect already has it.
    changed = changes(QDate(2012, 12, 31), QDate(2013, 1, 1));
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(sectionLabel(changed[0].m_after->m_obsah), QStringLiteral("§ 7"));
    EXPECT_EQ(sectionLabel(changed[1].m_after->m_obsah), QStringLiteral("§ 16"));

    // Between two amendments nothing differs.
    EXPECT_TRUE(changes(QDate(2008, 1, 1), QDate(2012, 12, 31)).empty());
    EXPECT_TRUE(changes(QDate(2013, 1, 1), QDate(2030, 1, 1)).empty());
}

TEST_F(DemoCompareTest, MarksOnlyTheChangedWords) {
    const std::vector<SectionDelta> changed = changes(QDate(2012, 6, 1), QDate(2014, 6, 1));
    ASSERT_EQ(changed.size(), 2u);
    const SectionDelta& par7 = changed[0];
    const QByteArray marked = markWordChanges(par7.m_before->m_obsah, par7.m_after->m_obsah);
    // The two sides come back whole from the marked text.
    EXPECT_EQ(sideOf(marked, true), plainWords(par7.m_after->m_obsah));
    EXPECT_EQ(sideOf(marked, false), plainWords(par7.m_before->m_obsah));
    const QStringList added = markedWords(marked, QStringLiteral("ins"));
    EXPECT_TRUE(added.contains(QStringLiteral("nejvýše"))) << added.join('|').toStdString();
    EXPECT_TRUE(added.contains(QStringLiteral("1 600 000 Kč.")) ||
                added.contains(QStringLiteral("Kč.")))
        << added.join('|').toStdString();
    // The unchanged first paragraph and the heading carry no mark.
    for (const QString& word : added + markedWords(marked, QStringLiteral("del")))
        for (const QString& same : {QStringLiteral("§"), QStringLiteral("Příjmy"),
                                    QStringLiteral("zemědělské"), QStringLiteral("Poplatník")})
            EXPECT_NE(word, same);
    EXPECT_TRUE(marked.contains("<h3>§ 7</h3>"));
}

TEST(WordDiffTest, ComparesWordsNotTags) {
    // A change of markup alone is no change of words.
    EXPECT_EQ(markWordChanges("<p>daň <b>z</b> příjmů</p>", "<div>daň z <i>příjmů</i></div>"),
              "<div>daň z <i>příjmů</i></div>");
    // Words removed at the end and at the start stand where they were.
    EXPECT_EQ(markWordChanges("a b c", "b"),
              "<del class=\"tv-slovo\">a</del> b<del class=\"tv-slovo\">c</del> ");
    EXPECT_EQ(markWordChanges("", "nové"), "<ins class=\"tv-slovo\">nové</ins>");
    // Words removed at the end of a paragraph stay in it, ahead of its closing tag.
    EXPECT_EQ(markWordChanges("<p>platí daň.</p><p>Dále</p>", "<p>platí</p><p>Dále</p>"),
              "<p>platí <del class=\"tv-slovo\">daň.</del></p><p>Dále</p>");
    // Attributes with ">" inside quotes and a lone "<" do not break the words apart.
    EXPECT_EQ(markWordChanges("<a title=\"x>y\">1 < 2</a>", "<a title=\"x>y\">1 < 3</a>"),
              "<a title=\"x>y\">1 < <del class=\"tv-slovo\">2</del> "
              "<ins class=\"tv-slovo\">3</ins></a>");
    // An unterminated tag or comment ends the text instead of running past it.
    EXPECT_EQ(plainWords("slovo <b class=\"x"), QStringLiteral("slovo"));
    EXPECT_EQ(plainWords("slovo <!-- poznámka"), QStringLiteral("slovo"));
}

TEST_F(DemoCompareTest, DefaultDaysAreTheEveOfTheLatestAmendmentAndToday) {
    const QDate today(2026, 12, 8);
    EXPECT_EQ(defaultComparisonDays(*s_database, 101, today),
              std::make_pair(QDate(2012, 12, 31), today));
    // Before the second amendment took effect only the first counts.
    EXPECT_EQ(defaultComparisonDays(*s_database, 101, QDate(2010, 5, 5)),
              std::make_pair(QDate(2007, 12, 31), QDate(2010, 5, 5)));
}

TEST_F(DemoCompareTest, CommandLineListsTheDifferingVersionsInTextOrder) {
    int status = -1;
    const QString out =
        cli({QStringLiteral("--id"), QStringLiteral("101"), QStringLiteral("--from"),
             QStringLiteral("2007-06-01"), QStringLiteral("--to"), QStringLiteral("2014-01-01")},
            &status);
    EXPECT_EQ(status, 0);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // § 7, § 16 and § 38h, each the old version first.
    ASSERT_EQ(lines.size(), 6) << out.toStdString();
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(i % 2 == 0 ? QStringLiteral("- ") : QStringLiteral("+ ")))
            << lines[i].toStdString();

    for (const QStringList& bad :
         {QStringList{"--id", "101", "--from", "2014-01-01", "--to", "2007-06-01"},
          QStringList{"--id", "101", "--from", "2014-02-30", "--to", "2015-01-01"},
          QStringList{"--id", "101", "--from", "2014-01-01"},
          QStringList{"--id", "101", "--from", "2014-01-01", "--to", "2015-01-01", "--x", "1"}}) {
        cli(bad, &status);
        EXPECT_EQ(status, 2) << bad.join(' ').toStdString();
    }
    cli({"--id", "999999", "--from", "2014-01-01", "--to", "2015-01-01"}, &status);
    EXPECT_EQ(status, 1);
}

namespace {
const char* const kVersions = R"(
INSERT INTO dokument (ID, jmeno, ozn, pohled, priloha) VALUES (1, 'Zákon', 'Z', 1, NULL);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (1, 1, 1, '<h3>§ 1</h3><p>trvá</p>', NULL, NULL),
    (2, 1, 2, '<h3>§ 2</h3><p>zrušený</p>', NULL, '2010-01-01'),
    (3, 1, 3, '<h3>§ 3</h3><p>stará sazba</p>', NULL, '2010-01-01'),
    (4, 1, 3, '<h3>§ 3</h3><p>nová sazba</p>', '2010-01-01', NULL),
    (5, 1, 4, '<h3>§ 4</h3><p>nový</p>', '2010-01-01', NULL);
)";
} // namespace

TEST_F(AssemblyTest, ComparisonPageMarksAddedRemovedAndChangedSections) {
    createCollection(kVersions);
    writeTemplate("Title0.html", "<t>#TITLE#|#VALIDON#</t>");
    setClock([] { return QDate(2020, 5, 1).startOfDay(); });
    ASSERT_TRUE(assembler().ShowComparison(1, QDate(2009, 12, 31), QDate(2010, 1, 1)));
    EXPECT_FALSE(assembler().ShowComparison(77, QDate(2009, 12, 31), QDate(2010, 1, 1)));
    setClock({});
    // Both days in the names: a comparison is a page of its own in the history.
    ASSERT_EQ(m_navigated, QStringList{workingFile("D1_2009-12-31_2010-01-01.html")});
    EXPECT_EQ(dayFromLocation(m_navigated.first()), std::nullopt);
    const QString body = textOf(workingFile("B1_2009-12-31_2010-01-01.html"));
    EXPECT_TRUE(body.contains(QStringLiteral("<a href=\"#tv-zmena-1\">§ 2</a> (zrušeno)")));
    EXPECT_TRUE(body.contains(QStringLiteral("<a href=\"#tv-zmena-2\">§ 3</a> (změněno)")));
    EXPECT_TRUE(body.contains(QStringLiteral("<a href=\"#tv-zmena-3\">§ 4</a> (přidáno)")));
    EXPECT_TRUE(
        body.contains(QStringLiteral("<div class=\"tv-odebrano\" id=\"tv-zmena-1\"><h3>§ 2</h3>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<del class=\"tv-slovo\">stará</del> "
                                             "<ins class=\"tv-slovo\">nová</ins> sazba")));
    EXPECT_TRUE(body.contains(QStringLiteral("<div class=\"tv-pridano\" id=\"tv-zmena-3\">")));
    // The unchanged section is there once and unmarked.
    EXPECT_EQ(body.count(QStringLiteral("trvá")), 1);
    EXPECT_FALSE(body.contains(QStringLiteral("tv-zmena-4")));
    EXPECT_TRUE(textOf(workingFile("T1_2009-12-31_2010-01-01.html"))
                    .contains(QStringLiteral("Porovnání znění ke dni 31. 12. 2009 a ke dni 1. 1. "
                                             "2010")));

    ASSERT_TRUE(assembler().ShowComparison(1, QDate(2011, 1, 1), QDate(2012, 1, 1)));
    EXPECT_TRUE(textOf(m_navigated.last().replace("/D1_", "/B1_"))
                    .contains(QStringLiteral("Znění se k těmto dnům neliší.")));
}

TEST_F(AssemblyTest, ChosenDayGivesFilesOfItsOwnAndLinkDaysKeepTheirs) {
    createCollection(kVersions);
    writeTemplate("Title0.html", "<t>#TITLE#|#VALIDON#</t>");
    QDate chosen(2009, 6, 1);
    DocumentHooks hooks;
    hooks.navigate = [this](const QString& path) { m_navigated << path; };
    hooks.chosenDay = [&chosen] { return chosen; };
    DocumentAssembler assembler(*m_database, m_folders, hooks);
    setClock([] { return QDate(2020, 5, 1).startOfDay(); });

    ASSERT_TRUE(assembler.OpenDocument(1, QStringLiteral("#par3"), nullptr));
    EXPECT_TRUE(m_navigated.last().endsWith("/D1_2009-06-01.html"));
    EXPECT_EQ(dayFromLocation(QUrl::fromLocalFile(m_navigated.last()).toString() + "#par3"),
              QDate(2009, 6, 1));
    EXPECT_TRUE(textOf(workingFile("B1_2009-06-01.html")).contains("stará sazba"));
    EXPECT_EQ(textOf(workingFile("T1_2009-06-01.html")),
              "<t>Zákon|<div class=\"platnost\">Znění platné ke dni 1. 6. 2009</div></t>");
    EXPECT_TRUE(textOf(workingFile("D1_2009-06-01.html")).contains("B1_2009-06-01.html#par3"));

    // A link with a day of its own keeps it and the document's usual files.
    const QDateTime linkDay = QDate(2015, 1, 1).startOfDay();
    ASSERT_TRUE(assembler.OpenDocument(1, QString(), &linkDay));
    EXPECT_TRUE(m_navigated.last().endsWith("/D1.html"));
    EXPECT_TRUE(textOf(workingFile("B1.html")).contains("nová sazba"));
    EXPECT_TRUE(textOf(workingFile("T1.html")).contains("ke dni 1. 1. 2015"));

    // Today chosen, or nothing chosen: today's files without a note.
    for (const QDate& day : {QDate(2020, 5, 1), QDate()}) {
        chosen = day;
        ASSERT_TRUE(assembler.OpenDocument(1, QString(), nullptr));
        EXPECT_TRUE(m_navigated.last().endsWith("/D1.html"));
        EXPECT_EQ(textOf(workingFile("T1.html")), "<t>Zákon|</t>");
    }
    setClock({});
}

TEST(ValidOnDayTest, ReadsTheDayOnlyFromPagesOfOneDay) {
    EXPECT_EQ(dayFromLocation("file:///tmp/QrmHtml/D101_2008-01-01.html"), QDate(2008, 1, 1));
    EXPECT_EQ(dayFromLocation("file:///tmp/QrmHtml/B101_2008-01-01.html#par16"), QDate(2008, 1, 1));
    for (const char* other :
         {"file:///tmp/QrmHtml/D101.html", "file:///tmp/QrmHtml/D101_2008-02-30.html",
          "file:///tmp/QrmHtml/D101_2008-01-01_2013-01-01.html", "file:///tmp/Html/Index.html",
          "file:///tmp/x_2008-01-01.html", "file:///tmp/D101_2008-01-01.html.bak"})
        EXPECT_EQ(dayFromLocation(other), std::nullopt) << other;
    EXPECT_EQ(dayFileTag(QDate(2008, 1, 1), QDate(2020, 1, 1)), "_2008-01-01");
    EXPECT_EQ(dayFileTag(QDate(2020, 1, 1), QDate(2020, 1, 1)), QString());
    EXPECT_EQ(czechDay(QDate(2013, 1, 1)), "1. 1. 2013");
}
