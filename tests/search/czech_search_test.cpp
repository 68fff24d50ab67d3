#include "SearchFixture.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/SearchSession.h"
#include "support/RecordedMessages.h"

#include <QFile>
#include <sqlite3.h>

namespace {
constexpr int kAllForms = ScopeText | SearchAllForms;

class CzechSearch : public SearchFixture {
protected:
    QString all(const QString& query) const { return search(query, kAllForms); }
    SearchSession::Outcome run(SearchSession& session, const QString& text) {
        session.m_strSearchText = text;
        return session.RunSearch();
    }
    RecordedMessages m_messages;
};
} // namespace

TEST_F(CzechSearch, EveryFormOfAWordMatches) {
    EXPECT_EQ(all("daň"), "(10,11,12,13,20,21,30,40)");
    EXPECT_EQ(search("daň"), "(21,30,40)");
    EXPECT_EQ(all("příjem"), "(10,11,12,13,40)");
    EXPECT_EQ(search("příjem"), "");
    // "povinen" is a form of "povinný"; "dvakrát" and "fyzických" only match themselves.
    EXPECT_EQ(all("povinný"), "(21)");
    EXPECT_EQ(all("fyzický"), "(10,11)");
    // Several words must all match, in any of their forms.
    EXPECT_EQ(all("daní AND příjmem"), "(10,11,12,13,40)");
    EXPECT_EQ(all("plátců OR bytů"), "(21,50,51)");
    EXPECT_EQ(all("daň NOT příjmy"), "(20,21,30)");
}

TEST_F(CzechSearch, PrefixesPhrasesAndProximity) {
    // A prefix is a prefix of the form, never of a lemma alone.
    EXPECT_EQ(all("povin*"), "(21)");
    EXPECT_EQ(all("povinný*"), "");
    // A quoted phrase means these exact forms.
    EXPECT_EQ(all("\"daně z příjmů\""), "(10,11)");
    EXPECT_EQ(all("\"daň z příjmu\""), "");
    // Proximity works on lemmas.
    EXPECT_EQ(all("\"plátci daní\"~3"), "(21)");
    EXPECT_EQ(search("\"plátci daní\"~3"), "");
    EXPECT_EQ(all("\"plátci daní\"~2"), "");
}

TEST_F(CzechSearch, WordsTypedWithoutDiacritics) {
    // Not Czech words: matched as the words of the collection they can stand for.
    EXPECT_EQ(all("dan"), all("daň"));
    EXPECT_EQ(all("prijmu"), "(10,11,12,13,40)");
    EXPECT_EQ(all("platce"), "(21)");
    // Real words keep their meaning: "byt" is not "být".
    EXPECT_EQ(all("byt"), "(50,51)");
    EXPECT_EQ(all("být"), "(10,11,12,21,50)"); // "jsou", "je"
    EXPECT_EQ(all("cislo"), all("číslo"));
}

TEST_F(CzechSearch, OldIndexIsNeverRead) {
    // An index in the old format: plain tokens, no version.
    const QString path = fulltextIndexPath(indexFolder());
    ASSERT_TRUE(QFile::remove(path));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "CREATE VIRTUAL TABLE sekceText USING fts5(obsah, content='');"
                 "INSERT INTO sekceText (rowid, obsah) VALUES (10, 'daň');",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Outdated);
    EXPECT_EQ(search("daň"), "");
    SearchSession session(m_database.get(), indexFolder());
    EXPECT_EQ(run(session, "daň"), SearchSession::Outcome::IndexOutdated);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_INDEX_OUTDATED)});
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(fulltextIndexState(indexFolder()), FulltextIndexState::Missing);
    EXPECT_EQ(run(session, "daň"), SearchSession::Outcome::IndexDamaged);
}

TEST_F(CzechSearch, HitsKnowTheFormsTheyMatched) {
    SearchSession session(m_database.get(), indexFolder());
    ASSERT_EQ(run(session, "daň z příjmu"), SearchSession::Outcome::Shown);
    // Document 1: sections 10 to 13 in their order; the name is not marked.
    EXPECT_EQ(session.HitWords(1), (QStringList{"daně", "příjmů", "příjmy"}));
    EXPECT_EQ(session.HitSnippet(1),
              "Poplatníky <b>daně</b> z <b>příjmů</b> fyzických osob jsou fyzické osoby.");
    EXPECT_EQ(session.HitSnippet(2), "");
    // Typed phrases and prefixes are marked as typed.
    ASSERT_EQ(run(session, "\"přidané hodnoty\" sazb*"), SearchSession::Outcome::Shown);
    EXPECT_EQ(session.HitWords(2), (QStringList{"přidané hodnoty", "sazb"}));
    EXPECT_EQ(session.HitSnippet(2),
              "<b>Sazba</b> daně z <b>přidané</b> <b>hodnoty</b> činí 21 %.");
    // Exact forms only: the typed words.
    session.m_bAllForms = false;
    ASSERT_EQ(run(session, "daň"), SearchSession::Outcome::Shown);
    EXPECT_EQ(session.HitWords(2), QStringList{"daň"});
}

TEST_F(CzechSearch, SnippetOfALongTextIsAPassage) {
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("slovo%1 ").arg(i);
    text += QStringLiteral("daních <a> ");
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("dál%1 ").arg(i);
    m_database->executeScript(QStringLiteral("INSERT INTO dokumentSekce (sekce, dokument, poradi, "
                                             "obsah) VALUES (60, 2, 3, '%1')")
                                  .arg(text.toHtmlEscaped()));
    BuildFulltextIndex(*m_database, indexFolder());
    SearchSession session(m_database.get(), indexFolder());
    ASSERT_EQ(run(session, "daň"), SearchSession::Outcome::Shown);
    const QString snippet = session.HitSnippet(2);
    EXPECT_TRUE(snippet.startsWith("Sazba <b>daně</b>")) << snippet.toStdString();
    // The first hit version of the document gives the passage; a later one its own.
    ASSERT_EQ(run(session, "dál5"), SearchSession::Outcome::Shown);
    EXPECT_EQ(session.HitSnippet(2),
              "… slovo29 daních &lt;a&gt; dál0 dál1 dál2 dál3 dál4 <b>dál5</b> dál6 dál7 dál8 "
              "dál9 dál10 dál11 dál12 dál13 dál14 dál15 dál16 dál17 dál18 dál19 dál20 dál21 …");
}
