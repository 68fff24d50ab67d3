#include "NavigationTestSupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The navigation collection with this many further regulations, named so that they sort after
// its own five.
class LongList : public NavigationFixture {
protected:
    void SetUp() override {
        NavigationFixture::SetUp();
        m_database->executeScript(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO dokument (ID, jmeno, pohled, poradi) "
                "SELECT 10000 + i, printf('Žádost %05d', i), 1, 0 FROM n;")
                .arg(kExtra));
    }

    // Lets the event loop read the rest of the list.
    static void finish(const CsListFormPage* page, int rows) {
        QElapsedTimer clock;
        clock.start();
        while (page->GetRowCount() < rows && clock.elapsed() < 20000)
            wait(5);
    }

    static constexpr int kExtra = 4000;
    static constexpr int kAll = kExtra + 5;
};

TEST_F(LongList, TheFirstScreenIsShownAtOnceAndTheRestFollowsInOrder) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    const int first = obsah->GetRowCount();
    EXPECT_GT(first, 100);
    EXPECT_LT(first, kAll);
    finish(obsah, kAll);
    const QStringList names = rows(obsah);
    ASSERT_EQ(names.size(), kAll);
    EXPECT_EQ(names.at(5), QStringLiteral("Žádost 00001"));
    EXPECT_EQ(names.last(), QStringLiteral("Žádost %1").arg(kExtra, 5, 10, QLatin1Char('0')));
    // Once the last part is in, the shown page's counter tells the whole count.
    EXPECT_EQ(m_app.lastStatus(), QStringLiteral("(0/%1)").arg(kAll));
}

TEST_F(LongList, ARefillDuringTheReadingStartsAfresh) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    ASSERT_LT(obsah->GetRowCount(), kAll);
    // A row opened while the list is still being read opens the right document.
    obsah->OpenRow(2);
    EXPECT_EQ(m_navigated.size(), 1);
    obsah->FillList(QStringLiteral("(dokument.pohled = 1) AND (dokument.ID < 10000)"));
    EXPECT_EQ(obsah->GetRowCount(), 5);
    wait(50);
    EXPECT_EQ(obsah->GetRowCount(), 5);
    obsah->FillList(QString());
    finish(obsah, kAll);
    EXPECT_EQ(obsah->GetRowCount(), kAll);
    EXPECT_TRUE(m_messages.texts.isEmpty());
}
} // namespace
