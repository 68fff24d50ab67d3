#include "db/Cancellation.h"
#include "db/DaoException.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {
// Counts far enough to run for minutes unless it is stopped.
const QString kEndlessSql = QStringLiteral(
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000000000) "
    "SELECT count(*) AS c FROM n");

// Runs the endless count on `database` under a watch of `cancel`; the failure it stopped with.
std::optional<QString> countUnderWatch(Database& database, Cancellation& cancel) {
    const Cancellation::Watch watch(&cancel, database.handle());
    try {
        Snapshot count(database, kEndlessSql);
        count.Open();
        return std::nullopt;
    } catch (const DaoException& e) {
        return e.description();
    }
}

class CancellationTest : public ::testing::Test {
protected:
    void SetUp() override { m_database = m_folder.createCollection(); }

    TempProgramFolder m_folder;
    std::unique_ptr<Database> m_database;
};
} // namespace

TEST_F(CancellationTest, AStatementRunningOnAnotherThreadStopsSoonAfterTheCancel) {
    Cancellation cancel;
    std::optional<QString> failure;
    QElapsedTimer clock;
    clock.start();
    std::thread worker([&] { failure = countUnderWatch(*m_database, cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(cancel.isCancelled());
    cancel.cancel();
    worker.join();
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(cancel.isCancelled());
    // Minutes of counting, stopped within moments (a generous bound for a loaded machine).
    EXPECT_LT(clock.elapsed(), 10000);
}

TEST_F(CancellationTest, AStatementStartedAfterTheCancelStopsAtItsFirstSteps) {
    Cancellation cancel;
    cancel.cancel();
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(countUnderWatch(*m_database, cancel).has_value());
    EXPECT_LT(clock.elapsed(), 10000);
}

TEST_F(CancellationTest, TheConnectionWorksAgainOnceTheWatchHasEnded) {
    Cancellation cancel;
    cancel.cancel();
    ASSERT_TRUE(countUnderWatch(*m_database, cancel).has_value());
    // Neither the interrupt nor the progress handler outlives the watch.
    Snapshot small(*m_database, QStringLiteral("SELECT count(*) AS c FROM dokument"));
    small.Open();
    EXPECT_FALSE(small.IsEOF());
    // A watch without a cancellation watches nothing.
    const Cancellation::Watch none(nullptr, m_database->handle());
    Snapshot again(*m_database, QStringLiteral("SELECT 1 AS one"));
    again.Open();
    EXPECT_EQ(again.GetFieldInt(QStringLiteral("one")), 1);
}
