#include "SearchFixture.h"
#include "search/FulltextQuery.h"
#include "search/HtmlText.h"
#include "search/SearchExpression.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

using FulltextIndex = SearchFixture;

TEST_F(FulltextIndex, FindsWordsThatExistAndNothingElse) {
    EXPECT_EQ(search("příjmů"), "(10,11,40)");
    EXPECT_EQ(search("PŘÍJMŮ"), "(10,11,40)");
    EXPECT_EQ(search("neexistující"), "");
    EXPECT_EQ(search("příjmů neexistující"), "");
}

TEST_F(FulltextIndex, DiacriticsCount) {
    EXPECT_EQ(search("byt"), "(50,51)");
    EXPECT_EQ(search("být"), "(50)");
    EXPECT_EQ(search("dan"), "");
}

TEST_F(FulltextIndex, IndexesTextWithoutMarkup) {
    // A word split by an inline tag stays one word; entities are decoded; scripts are not text.
    EXPECT_EQ(search("daň"), "(21,30,40)");
    EXPECT_EQ(search("žádost číslo"), "(51)");
    EXPECT_EQ(search("ukryto"), "");
    EXPECT_EQ(search("nbsp"), "");
    EXPECT_EQ(search("p"), "");
}

TEST_F(FulltextIndex, PhrasesPrefixesAndOperators) {
    EXPECT_EQ(search("\"fyzické osoby s bydlištěm\""), "(11)");
    EXPECT_EQ(search("\"osoby fyzické\""), "");
    EXPECT_EQ(search("podnik*"), "(12,13)");
    EXPECT_EQ(search("\"přidané hodn\"*"), "(20)");
    EXPECT_EQ(search("daně NOT podnikání"), "(10,11,20)");
    EXPECT_EQ(search("silniční OR bydlištěm"), "(11,30)");
    EXPECT_EQ(search("fyzické AND bydlištěm"), "(11)");
    EXPECT_EQ(search("daně podnikání NOT činnosti OR sazba"), "(13,20)");
}

TEST_F(FulltextIndex, ProximityKeepsWordsWithinTheDistance) {
    EXPECT_EQ(search("\"daně podnikání\"~8"), "(12)");
    EXPECT_EQ(search("\"daně podnikání\"~40"), "(12,13)");
    // The form the parser makes from a phrase and a second "u".
    EXPECT_EQ(search("\" \"daně jsou\" podnikání U příjmy\"~8"), "(12)");
    EXPECT_EQ(search("\"daně podnikání NOT činnosti\"~40"), "(13)");
}

TEST_F(FulltextIndex, NamesAndNumbersGiveTheNewestVersion) {
    EXPECT_EQ(search("přidané", ScopeName), "(21)");
    EXPECT_EQ(search("235", ScopeNumber), "(21)");
    EXPECT_EQ(search("235", ScopeName), "");
    EXPECT_EQ(search("bytech", ScopeName), "(51)");
    EXPECT_EQ(search("příjmů", ScopeName), "(11)");
    EXPECT_EQ(search("příjmů", ScopeText | ScopeName), "(10,11,40)");
    EXPECT_EQ(search("silniční", ScopeName | ScopeNumber), "(30)");
    EXPECT_EQ(search("příjmů", 0), "");
}

TEST_F(FulltextIndex, QueriesItCannotUnderstandFindNothing) {
    for (const char* query : {"", "\"", "AND", "NOT daně", "OR OR", "*", "(", "NEAR(daně", "\"~8",
                              "daně\" AND (", "{obsah}: daně", "obsah:daně ^", "\"\"~99999999"}) {
        const QString result = search(QString::fromUtf8(query));
        EXPECT_TRUE(result.isEmpty() || result.startsWith('(')) << query;
    }
    EXPECT_EQ(search("NOT daně"), "");
    // Column filters of the index are not part of the language: the colon separates words.
    EXPECT_EQ(search("obsah:daně"), "");
}

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(FulltextIndex, IndexThatCannotBeSearchedSaysWhy) {
    const QString path = fulltextIndexPath(indexFolder());
    const QByteArray whole = readFile(path);
    ASSERT_GT(whole.size(), 8192);
    EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Ready);
    const auto answer = [this] { return SearchIndex(indexFolder(), "příjmů", ScopeText); };
    EXPECT_EQ(answer().state, FulltextIndexState::Ready);
    EXPECT_EQ(answer().ids, "(10,11,40)");

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Missing);
    EXPECT_EQ(answer().state, FulltextIndexState::Missing);
    EXPECT_EQ(search("příjmů"), "");
    const std::pair<const char*, QByteArray> damages[] = {
        {"emptied", QByteArray()},
        {"not a database", QByteArray("not a database at all")},
        {"cut short", whole.left(whole.size() / 2)},
    };
    for (const auto& [what, bytes] : damages) {
        writeFile(path, bytes);
        EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Damaged) << what;
        EXPECT_EQ(answer().state, FulltextIndexState::Damaged) << what;
        EXPECT_EQ(answer().ids, "") << what;
    }
    // A folder where the file should be cannot be read.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(answer().state, FulltextIndexState::Damaged);
    ASSERT_TRUE(QDir().rmdir(path));
}

TEST_F(FulltextIndex, DamageInsideTheIndexShowsWhenSearched) {
    {
        // The text table's structure record broken: the file opens and lists its tables.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(fulltextIndexPath(indexFolder()).toUtf8().constData(), &db),
                  SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "UPDATE sekceText_data SET block = x'ffffffffff' WHERE id = 10",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Ready);
    const FulltextAnswer broken = SearchIndex(indexFolder(), "příjmů", ScopeText);
    EXPECT_EQ(broken.state, FulltextIndexState::Damaged);
    EXPECT_EQ(broken.ids, "");
    // The names are another table and still answer.
    EXPECT_EQ(SearchIndex(indexFolder(), "příjmů", ScopeName).ids, "(11)");
}

TEST_F(FulltextIndex, RebuildReplacesTheIndex) {
    m_database->executeScript("UPDATE dokumentSekce SET obsah = 'nový text' WHERE sekce = 40");
    const IndexBuildStats stats = BuildFulltextIndex(*m_database, indexFolder());
    EXPECT_EQ(stats.sections, 10);
    EXPECT_EQ(stats.documents, 5);
    EXPECT_EQ(search("příjmů"), "(10,11)");
    EXPECT_EQ(search("nový"), "(40)");
    EXPECT_FALSE(QFile::exists(fulltextIndexPath(indexFolder()) + ".tmp"));
}

TEST_F(FulltextIndex, DecomposedLettersAreIndexedAsComposed) {
    // "kočárek" and "Smlouva o kočárcích" written with combining marks.
    m_database->executeScript(QString::fromUtf8(
        "UPDATE dokumentSekce SET obsah = '<p>Koc\u030ca\u0301rek.</p>' WHERE sekce = 40;"
        "UPDATE dokument SET jmeno = 'Smlouva o koc\u030ca\u0301rci\u0301ch' "
        "WHERE ID = 4"));
    BuildFulltextIndex(*m_database, indexFolder());
    EXPECT_EQ(search("kočárek"), "(40)");
    // A decomposed query is composed the same way.
    EXPECT_EQ(search(QString::fromUtf8("ko\u010da\u0301rek")), "(40)");
    EXPECT_EQ(search("kočárcích", ScopeName), "(40)");
    EXPECT_EQ(search("koc"), "");
}

TEST(FulltextQuery, EveryTermIsQuoted) {
    EXPECT_EQ(toFts5Expression("daň OR clo"), "(\"daň\" OR \"clo\")");
    EXPECT_EQ(toFts5Expression("pojistné NOT zdravotní"), "(\"pojistné\" NOT \"zdravotní\")");
    EXPECT_EQ(toFts5Expression("1/2 sazb*"), "(\"1 2\" AND \"sazb\"*)");
    EXPECT_EQ(toFts5Expression("\"odpočet daně\"~8"), "NEAR(\"odpočet\" \"daně\", 8)");
    EXPECT_EQ(toFts5Expression("NOT daň"), "");
    EXPECT_EQ(toFts5Expression("\"a\" ) NEAR"), "(\"a\" AND \"NEAR\")");
}

TEST(FulltextQuery, TermsAreTheWordsLookedUp) {
    EXPECT_EQ(fulltextTermCount(""), 0);
    EXPECT_EQ(fulltextTermCount("daň AND clo OR sazba NOT dph"), 4);
    // A number with a slash is two words; the proximity distance is none.
    EXPECT_EQ(fulltextTermCount("\"odpočet 1/2 U daně\"~8"), 4);
    EXPECT_EQ(fulltextTermCount(" \"and or u\" sazb*"), 4);
    EXPECT_EQ(fulltextTermCount(BuildQuery(QString("a.").repeated(1 << 19))), 1 << 19);
}

TEST(HtmlText, TagsAndReferences) {
    EXPECT_EQ(htmlToText("<p>a</p><p>b</p>"), " a  b ");
    EXPECT_EQ(htmlToText("x<b>y</b>z"), "xyz");
    EXPECT_EQ(htmlToText("1 < 2 &amp; 3 > 2 &bogus; &#0; &"), "1 < 2 & 3 > 2 &bogus;   &");
    EXPECT_EQ(htmlToText("a<!-- b -->c<style>p{}</style>d"), "a c d");
    // A tag may start with any letter; a '<' before anything else is text.
    EXPECT_EQ(htmlToText("a<čj>b</čj>c < 3"), "a b c < 3");
    EXPECT_EQ(htmlToText("x<SCRIPT>ř</script >y<STYLE>"), "x y ");
    // Out of range references are a space; more digits than a number holds are not a reference.
    EXPECT_EQ(htmlToText("&#x110000;&#xD800;&#99999999999;&#x;"), "  &#99999999999;&#x;");
    EXPECT_EQ(htmlToText("&#x17e;&#X17D;&#353;&sect;"), "žŽš§");
}
