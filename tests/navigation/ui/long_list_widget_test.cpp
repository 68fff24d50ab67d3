#include "NavigationTestSupport.h"
#include "navigation/ui/CsIndexPage.h"
#include "navigation/ui/SlicedFetch.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
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
                "INSERT INTO dokument (ID, jmeno, norma, pohled, poradi) "
                "SELECT 10000 + i, printf('Žádost %05d', i), printf('%d/2099 Sb.', i), 1, 0 "
                "FROM n;")
                .arg(kExtra));
    }

    // Lets the event loop read the rest of the list.
    static void finish(const CsListFormPage* page, int rows) {
        QElapsedTimer clock;
        clock.start();
        while (page->GetRowCount() < rows && clock.elapsed() < 20000)
            wait(5);
    }

    static CsIndexPage* indexPage(const CTvFormView& view) {
        return dynamic_cast<CsIndexPage*>(view.GetPage(4));
    }
    static QStringList indexRows(const IndexSession& session) {
        QStringList texts;
        for (int row = 0; row < session.GetRowCount(); ++row)
            texts << session.rowText(row);
        return texts;
    }

    // The rows of the index by number, read in one go.
    QStringList numbered() const {
        IndexSession session(m_database.get());
        session.InitBaseCondition();
        session.FillIndex(IndexSession::ByNumber, 0, -1);
        return indexRows(session);
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

// While the window's start holds the later parts, a list keeps its first part; a quick find
// still reads the whole index, and the release lets the rest follow.
TEST_F(LongList, HeldListsWaitForTheReleaseAndAQuickFindDoesNot) {
    SlicedFetch::holdLaterParts();
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    CsIndexPage* index = indexPage(*view);
    ASSERT_NE(index, nullptr);
    const int first = obsah->GetRowCount();
    ASSERT_LT(first, kAll);
    wait(50);
    EXPECT_EQ(obsah->GetRowCount(), first);
    view->GetTabWnd()->setCurrentIndex(4);
    index->m_editQuickFind->setText(QStringLiteral("3999/2099"));
    EXPECT_EQ(index->m_session.GetRowCount(), int(numbered().size()));
    SlicedFetch::releaseLaterParts();
    finish(obsah, kAll);
    EXPECT_EQ(obsah->GetRowCount(), kAll);
    EXPECT_TRUE(m_messages.texts.isEmpty());
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

TEST_F(LongList, TheIndexIsReadInPartsWithoutTakingTheShownPagesCounter) {
    const QStringList whole = numbered();
    const int kNumbered = int(whole.size());
    ASSERT_GE(kNumbered, kExtra);
    auto view = makeView();
    CsIndexPage* index = indexPage(*view);
    ASSERT_NE(index, nullptr);
    // Shown once, the index reads its first part; it goes on reading after a switch back.
    view->OnTabChange(4);
    view->OnTabChange(0);
    EXPECT_GT(index->m_session.GetRowCount(), 100);
    EXPECT_LT(index->m_session.GetRowCount(), kNumbered);
    CsListFormPage* obsah = listPage(*view, 0);
    finish(obsah, kAll);
    QElapsedTimer clock;
    clock.start();
    while (index->m_session.GetRowCount() < kNumbered && clock.elapsed() < 20000)
        wait(5);
    wait(20);
    // The parts joined give the list a fill in one go gives, in the same order.
    const QStringList sliced = indexRows(index->m_session);
    ASSERT_EQ(sliced.size(), kNumbered);
    EXPECT_EQ(index->GetCounterText(), QStringLiteral("(0/%1)").arg(kNumbered));
    // The hidden index page does not put its count into the status bar.
    EXPECT_EQ(m_app.lastStatus(), QStringLiteral("(0/%1)").arg(kAll));
    EXPECT_EQ(sliced, whole);
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(LongList, AQuickFindInTheIndexFindsARowNotReadYet) {
    const int kNumbered = int(numbered().size());
    auto view = makeView();
    CsIndexPage* index = indexPage(*view);
    ASSERT_NE(index, nullptr);
    view->GetTabWnd()->setCurrentIndex(4);
    ASSERT_LT(index->m_session.GetRowCount(), kNumbered);
    index->m_editQuickFind->setText(QStringLiteral("3999/2099"));
    EXPECT_EQ(index->m_session.GetRowCount(), kNumbered);
    const int top = index->m_list->indexAt(QPoint(2, 2)).row();
    ASSERT_GE(top, 0);
    EXPECT_TRUE(index->m_session.rowText(top).startsWith(QStringLiteral("3999/2099 Sb. - ")))
        << index->m_session.rowText(top).toStdString();
    // A new choice during the reading starts afresh: the list by name.
    index->m_cbIndex->setCurrentIndex(IndexSession::ByName);
    emit index->m_cbIndex->activated(IndexSession::ByName);
    QElapsedTimer clock;
    clock.start();
    while (index->m_session.GetRowCount() < kAll && clock.elapsed() < 20000)
        wait(5);
    EXPECT_EQ(index->m_session.GetRowCount(), kAll);
    EXPECT_EQ(index->m_session.rowText(kAll - 1), QStringLiteral("Žádost 04000"));
    EXPECT_EQ(m_app.lastStatus(), QStringLiteral("(0/%1)").arg(kAll));
}
} // namespace
