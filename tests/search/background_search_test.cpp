#include "SearchFixture.h"
#include "db/Cancellation.h"
#include "search/BackgroundSearch.h"
#include "search/SearchJob.h"
#include "search/SearchSession.h"
#include "support/RecordedMessages.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <thread>

namespace {
class BackgroundSearchTest : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        m_session = std::make_unique<SearchSession>(m_database.get(), indexFolder());
        m_real = m_session->m_search;
    }

    // An engine that answers only once its search is cancelled (or after half a minute), as a
    // search of a very large collection would take long.
    SearchSession::SearchFunction blockingEngine() {
        return [this](const QString&, const QString&, int, Cancellation* cancel) {
            m_bStarted = true;
            QElapsedTimer clock;
            clock.start();
            while (!(cancel && cancel->isCancelled()) && clock.elapsed() < 30000)
                QThread::msleep(1);
            return FulltextAnswer{QStringLiteral("(10,11,12,20,21)")};
        };
    }
    void waitForEngine() {
        QElapsedTimer clock;
        clock.start();
        while (!m_bStarted && clock.elapsed() < 20000)
            QThread::msleep(1);
        ASSERT_TRUE(m_bStarted);
    }
    QList<int> ids() const { return listedIds(*m_session); }

    std::unique_ptr<SearchSession> m_session;
    SearchSession::SearchFunction m_real;
    std::atomic<bool> m_bStarted = false;
    RecordedMessages m_messages;
};
} // namespace

TEST_F(BackgroundSearchTest, ACancelledSearchEndsSoonAndLeavesResultsAndHistoryAsTheyWere) {
    m_session->m_strSearchText = QStringLiteral("silniční");
    ASSERT_EQ(m_session->RunSearch(), SearchSession::Outcome::Shown);
    ASSERT_EQ(ids(), QList<int>{3});
    const QString lastResult = m_session->m_strLastResult;

    m_session->m_search = blockingEngine();
    m_session->m_strSearchText = QStringLiteral("příjmů");
    SearchSession::Outcome refused = SearchSession::Outcome::Shown;
    const std::unique_ptr<SearchJob> job = m_session->BeginSearch(refused);
    ASSERT_TRUE(job);
    Cancellation cancel;
    QElapsedTimer clock;
    clock.start();
    std::thread worker([&] { job->Run(&cancel); });
    waitForEngine();
    cancel.cancel();
    worker.join();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(m_session->FinishSearch(*job), SearchSession::Outcome::Cancelled);
    EXPECT_EQ(ids(), QList<int>{3});
    EXPECT_EQ(m_session->m_strLastResult, lastResult);
    EXPECT_EQ(m_session->m_arrHistory, QStringList{"silniční"});
    EXPECT_EQ(m_session->HitWords(3), QStringList{"silniční"});
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
}

TEST_F(BackgroundSearchTest, CancelledBeforeTheRowsAreReadListsNothing) {
    // The engine answers, but the cancel comes before the rows: they are never read into the
    // session.
    m_session->m_search = [](const QString&, const QString&, int, Cancellation* cancel) {
        cancel->cancel();
        return FulltextAnswer{QStringLiteral("(10,20)")};
    };
    m_session->m_strSearchText = QStringLiteral("příjmů");
    SearchSession::Outcome refused = SearchSession::Outcome::Shown;
    const std::unique_ptr<SearchJob> job = m_session->BeginSearch(refused);
    ASSERT_TRUE(job);
    Cancellation cancel;
    job->Run(&cancel);
    EXPECT_EQ(m_session->FinishSearch(*job), SearchSession::Outcome::Cancelled);
    EXPECT_TRUE(m_session->rows().isEmpty());
    EXPECT_TRUE(m_session->m_strLastResult.isEmpty());
    EXPECT_TRUE(m_session->m_arrHistory.isEmpty());
}

TEST_F(BackgroundSearchTest, ANewSearchCancelsTheOneStillRunningAndOnlyItsResultsCount) {
    BackgroundSearch background(*m_session);
    int finished = 0;
    QObject::connect(&background, &BackgroundSearch::finished, [&finished] { ++finished; });
    m_session->m_search = blockingEngine();
    m_session->m_strSearchText = QStringLiteral("příjmů");
    ASSERT_FALSE(background.start().has_value());
    EXPECT_TRUE(background.isRunning());
    waitForEngine();

    m_session->m_search = m_real;
    m_session->m_strSearchText = QStringLiteral("silniční");
    ASSERT_FALSE(background.start().has_value());
    EXPECT_EQ(background.wait(), SearchSession::Outcome::Shown);
    EXPECT_FALSE(background.isRunning());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(ids(), QList<int>{3});
    EXPECT_EQ(m_session->m_arrHistory, QStringList{"silniční"});

    // A cancel leaves the session as it was; the next search starts at once.
    m_bStarted = false;
    m_session->m_search = blockingEngine();
    m_session->m_strSearchText = QStringLiteral("daň");
    ASSERT_FALSE(background.start().has_value());
    waitForEngine();
    background.cancel();
    EXPECT_FALSE(background.isRunning());
    EXPECT_EQ(background.wait(), SearchSession::Outcome::Cancelled);
    EXPECT_EQ(ids(), QList<int>{3});
    EXPECT_EQ(m_session->m_arrHistory, QStringList{"silniční"});
    m_session->m_search = m_real;
    m_session->m_strSearchText = QStringLiteral("sazba");
    ASSERT_FALSE(background.start().has_value());
    EXPECT_EQ(background.wait(), SearchSession::Outcome::Shown);
    EXPECT_EQ(ids(), QList<int>{2});
    EXPECT_EQ(m_session->m_arrHistory, (QStringList{"sazba", "silniční"}));
    EXPECT_EQ(finished, 2);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
}

TEST_F(BackgroundSearchTest, InputRefusedAtTheStartRunsNothing) {
    BackgroundSearch background(*m_session);
    m_session->m_strSearchText = QStringLiteral("ab");
    EXPECT_EQ(background.start(), SearchSession::Outcome::TooShort);
    EXPECT_FALSE(background.isRunning());
    EXPECT_EQ(m_messages.texts.size(), 1);
}

TEST_F(BackgroundSearchTest, FiltersChangedDuringTheSearchApplyToItsRows) {
    BackgroundSearch background(*m_session);
    m_session->m_strSearchText = QStringLiteral("daň");
    ASSERT_FALSE(background.start().has_value());
    // Area 2 (housing) has none of the documents found.
    m_session->m_nOblast = 2;
    EXPECT_EQ(background.wait(), SearchSession::Outcome::FilteredAway);
    m_session->m_nOblast = 0;
    m_session->RefreshResults();
    EXPECT_FALSE(m_session->rows().isEmpty());
}
