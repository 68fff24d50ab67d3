#include "SearchFixture.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/HistoryArchive.h"
#include "search/SearchSession.h"
#include "support/RecordedMessages.h"

#include <QDir>
#include <QFile>

namespace {
class SearchSessionTest : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        m_session = std::make_unique<SearchSession>(m_database.get(), indexFolder());
        m_session->m_search = [this](const QString& folder, const QString& query, int scope,
                                     Cancellation* cancel) {
            ++m_engineCalls;
            m_lastQuery = query;
            return SearchIndex(folder, query, scope, cancel);
        };
        m_session->m_setStatusText = [this](const QString& text) { m_status = text; };
    }
    SearchSession::Outcome run(const QString& text) {
        m_session->m_strSearchText = text;
        return m_session->RunSearch();
    }
    QList<int> ids() const { return listedIds(*m_session); }

    std::unique_ptr<SearchSession> m_session;
    RecordedMessages m_messages;
    int m_engineCalls = 0;
    QString m_lastQuery;
    QString m_status;
};
} // namespace

TEST_F(SearchSessionTest, NoScopeChosenWritesNothing) {
    m_session->m_bInText = m_session->m_bInName = m_session->m_bInNumber = false;
    EXPECT_EQ(run("příjmů"), SearchSession::Outcome::NoScope);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_CHOOSE_SEARCH_SCOPE)});
    EXPECT_EQ(GetProfileInt("Search", "Settings", -5), -5);
    EXPECT_EQ(m_engineCalls, 0);
}

TEST_F(SearchSessionTest, EmptyTextAfterTheSettingsAreWritten) {
    m_session->m_bInName = false;
    m_session->m_nZobraz = 1;
    EXPECT_EQ(run(""), SearchSession::Outcome::EmptyText);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_ENTER_SEARCH_TEXT)});
    EXPECT_EQ(GetProfileInt("Search", "Settings", -5), 5);
    EXPECT_EQ(GetProfileInt("Novelizace", "Settings", -5), 1);
}

TEST_F(SearchSessionTest, ShortQueriesAreRefusedWithoutHistory) {
    EXPECT_EQ(run("   "), SearchSession::Outcome::TooShort);
    EXPECT_EQ(run("ab"), SearchSession::Outcome::TooShort);
    EXPECT_EQ(run("ab cd"), SearchSession::Outcome::TooShort);
    EXPECT_EQ(m_messages.texts, QStringList(3, LoadResString(IDS_SEARCH_TEXT_TOO_SHORT)));
    EXPECT_TRUE(m_session->m_arrHistory.isEmpty());
    EXPECT_EQ(m_engineCalls, 0);
    // Three letters are enough.
    EXPECT_EQ(run("daň"), SearchSession::Outcome::Shown);
}

TEST_F(SearchSessionTest, TooManyWordsAreRefusedBeforeTheEngine) {
    // 64 words fill the search box; more fit only as short words of a phrase or numbers.
    const QString words = QString("daň ").repeated(SearchSession::kMaxSearchWords - 1) + "daň";
    EXPECT_EQ(run(words), SearchSession::Outcome::Shown);
    EXPECT_EQ(m_engineCalls, 1);
    m_session->m_arrHistory.clear();
    const QString message =
        LoadResString(IDS_SEARCH_TOO_MANY_WORDS).arg(SearchSession::kMaxSearchWords);
    EXPECT_EQ(run("\"" + QString("x ").repeated(SearchSession::kMaxSearchWords) + "x\""),
              SearchSession::Outcome::TooManyWords);
    EXPECT_EQ(run("daň " + QString("1.").repeated(SearchSession::kMaxSearchWords)),
              SearchSession::Outcome::TooManyWords);
    EXPECT_EQ(m_messages.texts, QStringList(2, message));
    EXPECT_TRUE(message.contains("64"));
    EXPECT_TRUE(m_session->m_arrHistory.isEmpty());
    EXPECT_EQ(m_engineCalls, 1);
}

TEST_F(SearchSessionTest, IndexThatCannotBeSearchedIsNotNothingFound) {
    const QString path = fulltextIndexPath(indexFolder());
    const QString damaged = LoadResString(IDS_INDEX_DAMAGED).arg(QDir::toNativeSeparators(path));
    EXPECT_TRUE(damaged.contains("tavlin-cli index build"));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(run("příjmů"), SearchSession::Outcome::IndexDamaged);
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly)); // emptied
    EXPECT_EQ(run("příjmů"), SearchSession::Outcome::IndexDamaged);
    EXPECT_EQ(m_messages.texts, QStringList(2, damaged));
    // Rebuilt, the same search finds again.
    BuildFulltextIndex(*m_database, indexFolder());
    EXPECT_EQ(run("příjmů"), SearchSession::Outcome::Shown);
    EXPECT_EQ(run("neexistující"), SearchSession::Outcome::NotFound);
    EXPECT_EQ(m_messages.texts.last(), LoadResString(IDS_NOTHING_FOUND));
}

TEST_F(SearchSessionTest, TextsLongerThanTheSearchBoxAreRefused) {
    // Counted in characters after trimming: 255 letters outside the basic plane are searched.
    const QString longest = QString("\U0001D4B3").repeated(SearchSession::kMaxSearchTextLength);
    EXPECT_EQ(run("  " + longest + "  "), SearchSession::Outcome::NotFound);
    EXPECT_EQ(m_session->m_arrHistory, QStringList{longest});
    EXPECT_EQ(run(longest + "x"), SearchSession::Outcome::TooLong);
    EXPECT_EQ(
        m_messages.texts,
        (QStringList{
            LoadResString(IDS_NOTHING_FOUND),
            LoadResString(IDS_SEARCH_TEXT_TOO_LONG).arg(SearchSession::kMaxSearchTextLength)}));
    EXPECT_EQ(m_session->m_arrHistory, QStringList{longest});
    EXPECT_EQ(m_engineCalls, 1);
}

TEST_F(SearchSessionTest, HistoryKeepsNoEntryLongerThanTheSearchBox) {
    const QString tooLong(SearchSession::kMaxSearchTextLength + 1, 'x');
    WriteProfileBinary("Search", "History", EncodeHistory({"daň", tooLong, "clo"}));
    m_session->LoadHistory();
    EXPECT_EQ(m_session->m_arrHistory, (QStringList{"daň", "clo"}));
    m_session->AddToHistory(QString(120000, 'y'));
    EXPECT_EQ(m_session->m_arrHistory, (QStringList{"daň", "clo"}));
}

TEST_F(SearchSessionTest, NothingFoundKeepsTheRowsButNotTheHistory) {
    ASSERT_EQ(run("silniční"), SearchSession::Outcome::Shown);
    EXPECT_EQ(run("  neexistující  "), SearchSession::Outcome::NotFound);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NOTHING_FOUND)});
    EXPECT_EQ(ids(), QList<int>{3});
    EXPECT_EQ(m_session->m_arrHistory, (QStringList{"neexistující", "silniční"}));
    EXPECT_EQ(m_session->m_strSearchText, "neexistující");
}

TEST_F(SearchSessionTest, OneRowPerDocumentOpenedOnItsNewestHit) {
    // Document 1 matches in two versions and the contract (pohled 3) is not listed.
    ASSERT_EQ(run("příjmů"), SearchSession::Outcome::Shown);
    EXPECT_EQ(ids(), QList<int>{1});
    EXPECT_EQ(m_session->rows().first().norma, "586/1992 Sb.");
    EXPECT_EQ(m_session->ValidOn(1), QDateTime(QDate(2999, 12, 31), QTime(0, 0)));
    // Only the old version matches: the last day on which it was in force.
    ASSERT_EQ(run("osoby ne bydlištěm"), SearchSession::Outcome::Shown);
    EXPECT_EQ(m_session->ValidOn(1), QDateTime(QDate(2014, 12, 31), QTime(0, 0)));
    ASSERT_EQ(run("silniční"), SearchSession::Outcome::Shown);
    EXPECT_EQ(m_session->ValidOn(3), QDateTime(QDate(2020, 12, 31), QTime(0, 0)));
}

TEST_F(SearchSessionTest, SortingDoesNotAskTheEngineAgain) {
    // "daň" finds "daně" and "daních" too.
    ASSERT_EQ(run("daň"), SearchSession::Outcome::Shown);
    EXPECT_EQ(ids(), (QList<int>{3, 2, 1}));
    m_session->SortBy(1);
    EXPECT_EQ(ids(), (QList<int>{2, 1, 3}));
    m_session->SortBy(0);
    EXPECT_EQ(ids(), (QList<int>{3, 2, 1}));
    EXPECT_EQ(m_engineCalls, 1);
}

TEST_F(SearchSessionTest, FilterChangesRequeryTheLastHits) {
    ASSERT_EQ(run("daň"), SearchSession::Outcome::Shown);
    m_session->OpenRow(1);
    EXPECT_EQ(m_status, "(2/3)");
    m_session->m_nTyp = 2;
    m_session->RefreshResults();
    EXPECT_EQ(ids(), QList<int>{3});
    EXPECT_EQ(m_status, "(0/1)");
    m_session->m_nTyp = -1;
    m_session->m_nZobraz = 0;
    m_session->RefreshResults();
    EXPECT_EQ(ids(), (QList<int>{2, 1}));
    // Filtered away: a message, and the rows stay.
    m_session->m_nOblast = 2;
    m_session->RefreshResults();
    EXPECT_EQ(ids(), (QList<int>{2, 1}));
    m_session->m_nZobraz = 1;
    m_session->RefreshResults();
    EXPECT_EQ(m_messages.texts, (QStringList{LoadResString(IDS_NOTHING_FOUND),
                                             LoadResString(IDS_NOTHING_FOUND_IN_AMENDMENTS)}));
    EXPECT_EQ(m_engineCalls, 1);
}

TEST_F(SearchSessionTest, NamesAndNumbersFindTheirDocuments) {
    m_session->m_bInText = false;
    m_session->m_bInName = false;
    ASSERT_EQ(run("100/2010"), SearchSession::Outcome::Shown);
    EXPECT_EQ(ids(), QList<int>{5});
    EXPECT_EQ(m_session->ValidOn(5), QDateTime(QDate(2999, 12, 31), QTime(0, 0)));
}

TEST_F(SearchSessionTest, ProximityQueryReachesTheEngine) {
    ASSERT_EQ(run("daně u podnikání"), SearchSession::Outcome::Shown);
    EXPECT_EQ(m_lastQuery, "\"daně podnikání\"~8");
    EXPECT_EQ(ids(), QList<int>{1});
}

TEST_F(SearchSessionTest, EngineAnswersOtherThanAnIdListAreNotFound) {
    for (const char* answer : {"(1) OR 1=1", "()", "(1,)", "(,1)", "1,2", "(1 2)"}) {
        m_session->m_search = [answer](const QString&, const QString&, int, Cancellation*) {
            return FulltextAnswer{QString::fromLatin1(answer)};
        };
        EXPECT_EQ(run("příjmů"), SearchSession::Outcome::NotFound) << answer;
    }
    EXPECT_TRUE(m_session->rows().isEmpty());
}

TEST_F(SearchSessionTest, HistoryIgnoresCaseAndKeepsTwenty) {
    for (int i = 0; i < 21; ++i)
        m_session->AddToHistory(QStringLiteral("hledání %1").arg(i));
    ASSERT_EQ(m_session->m_arrHistory.size(), 20);
    EXPECT_EQ(m_session->m_arrHistory.first(), "hledání 20");
    EXPECT_EQ(m_session->m_arrHistory.last(), "hledání 1");
    m_session->AddToHistory("HLEDÁNÍ 5");
    EXPECT_EQ(m_session->m_arrHistory.size(), 20);
    EXPECT_EQ(m_session->m_arrHistory.first(), "HLEDÁNÍ 5");
    EXPECT_EQ(m_session->m_arrHistory.count("hledání 5"), 0);
}

TEST_F(SearchSessionTest, HistoryIsStoredAndLoadedInOrder) {
    SearchSession empty(m_database.get(), indexFolder());
    empty.SaveHistory();
    EXPECT_TRUE(GetProfileBinary("Search", "History").isEmpty());
    m_session->AddToHistory("první");
    m_session->AddToHistory("druhé");
    m_session->SaveHistory();
    EXPECT_EQ(DecodeHistory(GetProfileBinary("Search", "History")),
              (QStringList{"druhé", "první"}));
    // An empty history leaves the stored one alone.
    empty.SaveHistory();
    SearchSession loaded(m_database.get(), indexFolder());
    loaded.LoadHistory();
    EXPECT_EQ(loaded.m_arrHistory, (QStringList{"druhé", "první"}));
}

TEST_F(SearchSessionTest, StoredHistoryFollowsTheRules) {
    QStringList stored;
    for (int i = 0; i < 25; ++i)
        stored << QStringLiteral("text %1").arg(i);
    stored.insert(3, "TEXT 1");
    WriteProfileBinary("Search", "History", EncodeHistory(stored));
    m_session->LoadHistory();
    ASSERT_EQ(m_session->m_arrHistory.size(), 20);
    EXPECT_EQ(m_session->m_arrHistory.first(), "text 0");
    EXPECT_EQ(m_session->m_arrHistory.at(1), "text 1");
    EXPECT_EQ(m_session->m_arrHistory.count("TEXT 1"), 0);
}

TEST_F(SearchSessionTest, DamagedHistoryIsIgnored) {
    WriteProfileBinary("Search", "History",
                       QByteArray("\xff\xff\xff\xff\xff\x7f\x03"
                                  "abc",
                                  10));
    m_session->LoadHistory();
    EXPECT_TRUE(m_session->m_arrHistory.isEmpty());
}

TEST_F(SearchSessionTest, SettingsComeFromTheProfile) {
    m_session->LoadSettings();
    EXPECT_TRUE(m_session->m_bInText && m_session->m_bInName && m_session->m_bInNumber);
    EXPECT_EQ(m_session->m_nZobraz, 2);
    WriteProfileInt("Search", "Settings", 4);
    WriteProfileInt("Novelizace", "Settings", 0);
    m_session->LoadSettings();
    EXPECT_FALSE(m_session->m_bInText || m_session->m_bInName);
    EXPECT_TRUE(m_session->m_bInNumber);
    EXPECT_EQ(m_session->m_nZobraz, 0);
}

TEST_F(SearchSessionTest, LargeHitListsAreTaken) {
    QStringList hits;
    for (int i = 100000; i < 160000; ++i)
        hits << QString::number(i);
    m_session->m_search = [&hits](const QString&, const QString&, int, Cancellation*) {
        return FulltextAnswer{QStringLiteral("(10,") + hits.join(',') + QStringLiteral(")")};
    };
    ASSERT_EQ(run("příjmů"), SearchSession::Outcome::Shown);
    EXPECT_EQ(ids(), QList<int>{1});
}
