#include "app/ui/ReaderPages.h"
#include "db/Cancellation.h"
#include "navigation/ui/NavigationTestSupport.h"
#include "navigation/ui/TvFormView.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/FulltextIndex.h"
#include "search/SearchFixture.h"
#include "search/SearchResultModel.h"
#include "search/ui/CsHledatPage.h"
#include "support/RecordedMessages.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTreeView>
#include <atomic>

namespace {
class HledatPage : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        m_folder.writeMinimalTemplates();
        m_app.m_pDatabase = m_database.get();
        m_app.m_folders.SetProgramFolder(m_folder.path());
    }
    void TearDown() override {
        m_view.reset();
        qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
        SearchFixture::TearDown();
    }
    std::unique_ptr<CsHledatPage> makePage() {
        m_view = std::make_unique<CTvFormView>(m_app, readerPageFactories());
        m_view->setDocumentTarget([this](const QString& file) { m_navigated << file; }, {}, {});
        auto page = std::make_unique<CsHledatPage>(*m_view, m_app);
        page->Create(QRect(0, 0, 434, 500));
        page->show();
        return page;
    }
    void search(CsHledatPage& page, const QString& text) {
        page.m_cbSearch->setEditText(text);
        button(page)->click();
        EXPECT_TRUE(waitUntil([&page] { return !page.isSearching(); }));
    }
    static QPushButton* button(const CsHledatPage& page) {
        return qobject_cast<QPushButton*>(page.GetDlgItem(IDC_HLEDAT_BUTTON));
    }
    // An engine that answers only once its search is cancelled (or after half a minute), as a
    // search of a very large collection takes long.
    SearchSession::SearchFunction blockingEngine() {
        return [this](const QString&, const QString&, int, Cancellation* cancel) {
            ++m_nBlocked;
            QElapsedTimer clock;
            clock.start();
            while (!(cancel && cancel->isCancelled()) && clock.elapsed() < 30000)
                QThread::msleep(1);
            return FulltextAnswer{QStringLiteral("(10,11,12,20,21)")};
        };
    }
    // Makes the page's window the active one, as shortcuts need.
    static void activate(CsHledatPage& page) {
        QWidget* window = page.window();
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    static QStringList column(const CsHledatPage& page, int c) {
        QStringList texts;
        for (int row = 0; row < page.m_pModel->rowCount(); ++row)
            texts << page.m_pModel->index(row, c).data().toString();
        return texts;
    }
    QString workingFile(const QString& name) const {
        QFile file(m_app.m_folders.GetWorkingFolder() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_runtime;
    QByteArray m_oldRuntime;
    TestNavigationApp m_app;
    RecordedMessages m_messages;
    std::unique_ptr<CTvFormView> m_view;
    QStringList m_navigated;
    std::atomic<int> m_nBlocked = 0;
};
} // namespace

TEST_F(HledatPage, StartsWithTheStoredSettingsAndHistory) {
    WriteProfileInt("Search", "Settings", 5);
    WriteProfileInt("Novelizace", "Settings", 1);
    auto page = makePage();
    EXPECT_TRUE(page->m_chkInText->isChecked());
    EXPECT_FALSE(page->m_chkInName->isChecked());
    EXPECT_TRUE(page->m_chkInNumber->isChecked());
    EXPECT_EQ(page->m_cbZobraz->currentIndex(), 1);
    EXPECT_EQ(page->m_pModel->headerData(0, Qt::Horizontal).toString(),
              LoadResString(IDS_COLUMN_NORMA));
    EXPECT_EQ(page->m_list->columnWidth(1), page->m_list->width() - 121);
}

TEST_F(HledatPage, SearchListsSortsAndOpensTheFoundVersion) {
    auto page = makePage();
    search(*page, "  silniční  ");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|');
    EXPECT_EQ(page->m_cbSearch->currentText(), "silniční");
    EXPECT_EQ(page->m_cbSearch->itemText(0), "silniční");
    ASSERT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    EXPECT_EQ(m_app.lastStatus(), "(0/1)");
    QList<QStringList> marked;
    QObject::connect(page.get(), &CsHledatPage::hitOpened,
                     [&marked](const QStringList& words) { marked << words; });
    page->m_list->setCurrentIndex(page->m_pModel->index(0, 0));
    EXPECT_EQ(marked, QList<QStringList>{QStringList{"silniční"}});
    EXPECT_EQ(m_app.lastStatus(), "(1/1)");
    ASSERT_FALSE(m_navigated.isEmpty());
    // The version in force on 31 December 2020, which still has the section found.
    EXPECT_TRUE(workingFile("B3.html").contains("Silniční daň")) << workingFile("B3.html");

    // All forms: "daně" and "daních" too; the tooltip shows the passage that matched.
    ASSERT_TRUE(page->m_chkAllForms && page->m_chkAllForms->isChecked());
    search(*page, "daň");
    EXPECT_EQ(column(*page, 0), (QStringList{"12/2020 Sb.", "235/2004 Sb.", "586/1992 Sb."}));
    emit page->m_list->header()->sectionClicked(1);
    EXPECT_EQ(column(*page, 0), (QStringList{"235/2004 Sb.", "586/1992 Sb.", "12/2020 Sb."}));
    EXPECT_EQ(page->m_cbSearch->count(), 2);
    const QString tip = page->m_pModel->index(1, 1).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("Poplatníky <b>daně</b> z příjmů")) << tip.toStdString();
    // Only the forms as typed.
    page->m_chkAllForms->setChecked(false);
    search(*page, "daň");
    EXPECT_EQ(column(*page, 0), (QStringList{"235/2004 Sb.", "12/2020 Sb."}));
}

TEST_F(HledatPage, MessagesAndFocusForBadInput) {
    auto page = makePage();
    search(*page, "");
    search(*page, "ab");
    EXPECT_EQ(m_messages.texts, (QStringList{LoadResString(IDS_ENTER_SEARCH_TEXT),
                                             LoadResString(IDS_SEARCH_TEXT_TOO_SHORT)}));
    EXPECT_EQ(page->m_cbSearch->count(), 0);
    page->m_chkInText->setChecked(false);
    page->m_chkInName->setChecked(false);
    page->m_chkInNumber->setChecked(false);
    search(*page, "daň");
    EXPECT_EQ(m_messages.texts.last(), LoadResString(IDS_CHOOSE_SEARCH_SCOPE));
}

TEST_F(HledatPage, SearchBoxTakesNoMoreThanTheLongestText) {
    auto page = makePage();
    QLineEdit* edit = page->m_cbSearch->lineEdit();
    ASSERT_TRUE(edit);
    // A pasted text is cut where the box ends and searched as it stands there.
    edit->insert(QString("silniční ").repeated(40));
    const QString text = page->m_cbSearch->currentText();
    EXPECT_EQ(text.size(), SearchSession::kMaxSearchTextLength);
    button(*page)->click();
    ASSERT_TRUE(waitUntil([&page] { return !page->isSearching(); }));
    EXPECT_EQ(page->m_cbSearch->itemText(0), text);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NOTHING_FOUND)});
}

TEST_F(HledatPage, DamagedIndexIsNotNothingFound) {
    auto page = makePage();
    search(*page, "silniční");
    ASSERT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    QFile file(fulltextIndexPath(indexFolder()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    search(*page, "daň");
    EXPECT_EQ(m_messages.texts,
              QStringList{LoadResString(IDS_INDEX_DAMAGED)
                              .arg(QDir::toNativeSeparators(fulltextIndexPath(indexFolder())))});
    // The rows of the last search stay.
    EXPECT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
}

TEST_F(HledatPage, TabIntoTheResultsOpensNothingUntilTheUserChooses) {
    auto page = makePage();
    search(*page, "daň");
    ASSERT_EQ(page->m_pModel->rowCount(), 3);
    QList<QStringList> opened;
    QObject::connect(page.get(), &CsHledatPage::hitOpened,
                     [&opened](const QStringList& words) { opened << words; });
    // Tab gives the list a current row without choosing it.
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(page->m_list, &focus);
    EXPECT_TRUE(page->m_list->currentIndex().isValid());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_EQ(m_app.lastStatus(), "(0/3)");
    // An arrow key chooses the next row, which opens.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(page->m_list, &down);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(m_navigated.size(), 1);
    EXPECT_EQ(m_app.lastStatus(), "(2/3)");
}

TEST_F(HledatPage, CancelStopsTheSearchAndKeepsTheListAndHistory) {
    auto page = makePage();
    activate(*page);
    search(*page, "silniční");
    ASSERT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    const QString searchLabel = button(*page)->text();

    page->session().m_search = blockingEngine();
    page->m_cbSearch->setEditText("daň");
    button(*page)->click();
    ASSERT_TRUE(page->isSearching());
    // The window goes on: the button now cancels, the cursor says the program is busy.
    EXPECT_EQ(button(*page)->text(), LoadResString(IDS_SEARCH_CANCEL));
    ASSERT_TRUE(QApplication::overrideCursor());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    ASSERT_TRUE(waitUntil([this] { return m_nBlocked == 1; }));
    button(*page)->click();
    EXPECT_FALSE(page->isSearching());
    EXPECT_EQ(button(*page)->text(), searchLabel);
    EXPECT_FALSE(QApplication::overrideCursor());
    settle(100);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
    EXPECT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    EXPECT_EQ(page->m_cbSearch->count(), 1);
    EXPECT_EQ(page->m_cbSearch->itemText(0), "silniční");
    // The find commands still step through the words of the list shown.
    EXPECT_EQ(page->searchText(), "silniční");

    // Esc cancels too, wherever the focus is on the page.
    button(*page)->click();
    ASSERT_TRUE(waitUntil([this] { return m_nBlocked == 2; }));
    page->m_list->setFocus();
    QTest::keyClick(page->m_list, Qt::Key_Escape);
    EXPECT_FALSE(page->isSearching());
    EXPECT_EQ(button(*page)->text(), searchLabel);
    settle(100);
    EXPECT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    EXPECT_EQ(page->m_cbSearch->count(), 1);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
}

TEST_F(HledatPage, ANewSearchOvertakesTheRunningOneWhoseResultsNeverShow) {
    auto page = makePage();
    const SearchSession::SearchFunction real = page->session().m_search;
    page->session().m_search = blockingEngine();
    page->m_cbSearch->setEditText("daň");
    button(*page)->click();
    ASSERT_TRUE(waitUntil([this] { return m_nBlocked == 1; }));
    // Enter in the search box starts the new search at once.
    page->session().m_search = real;
    page->m_cbSearch->setEditText("silniční");
    emit page->m_cbSearch->lineEdit()->returnPressed();
    ASSERT_TRUE(waitUntil([&page] { return !page->isSearching(); }));
    settle(100);
    EXPECT_EQ(column(*page, 0), QStringList{"12/2020 Sb."});
    EXPECT_EQ(page->m_cbSearch->count(), 1);
    EXPECT_EQ(page->m_cbSearch->itemText(0), "silniční");
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join('|').toStdString();
    // A page closed during a search waits for nothing long.
    page->session().m_search = blockingEngine();
    button(*page)->click();
    ASSERT_TRUE(waitUntil([this] { return m_nBlocked == 2; }));
    QElapsedTimer clock;
    clock.start();
    page.reset();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(QApplication::overrideCursor());
}
