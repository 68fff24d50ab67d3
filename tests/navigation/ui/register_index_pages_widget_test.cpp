#include "NavigationTestSupport.h"
#include "navigation/ui/CsIndexPage.h"
#include "navigation/ui/CsRejstrikPage.h"
#include "platform/LaunchFlags.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/WaitUntil.h"

#include <QLineEdit>
#include <QTreeView>

namespace {
class RegisterIndexPages : public NavigationFixture {
protected:
    RegisterIndexPages() { m_strCollection = QStringLiteral("tests/fixtures/register_index.sql"); }

    static CsRejstrikPage* registerPage(const CTvFormView& view) {
        return dynamic_cast<CsRejstrikPage*>(view.GetPage(1));
    }
    static CsIndexPage* indexPage(const CTvFormView& view) {
        return dynamic_cast<CsIndexPage*>(view.GetPage(4));
    }
    static QStringList comboTexts(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
    // The model index of the register item of document `id`.
    static QModelIndex itemOf(const CsRejstrikPage& page, int id) {
        const RegisterTreeModel* model = page.m_session.model();
        for (int item = 0; item < model->tree().size(); ++item) {
            if (model->tree().item(item).id == id)
                return model->indexOfItem(item);
        }
        return {};
    }
    static int topRow(const CsIndexPage& page) { return page.m_list->indexAt(QPoint(2, 2)).row(); }
};
} // namespace

TEST_F(RegisterIndexPages, RegisterOffersTheFieldsAndShowsTheTreeOfTheChosenOne) {
    auto view = makeView();
    CsRejstrikPage* page = registerPage(*view);
    ASSERT_TRUE(page && page->m_tree && page->m_cbObor);
    EXPECT_EQ(comboTexts(page->m_cbObor),
              (QStringList{"Celní řízení", "Cestovní náhrady", "Daně", "Chemie", "Prázdný obor",
                           "Společné a ostatní"}));
    // The first field has no entries.
    EXPECT_EQ(page->m_cbObor->currentIndex(), 0);
    EXPECT_EQ(page->GetCounterText(), "(0/0)");

    choose(page->m_cbObor, 1);
    EXPECT_EQ(m_app.lastStatus(), "(0/6)");
    const QAbstractItemModel* model = page->m_tree->model();
    ASSERT_EQ(model->rowCount(), 1);
    const QModelIndex top = model->index(0, 0);
    EXPECT_EQ(top.data().toString(), "Daně");
    EXPECT_EQ(model->rowCount(top), 2);
    EXPECT_FALSE(page->m_tree->isExpanded(top));

    // Choosing an item opens it under its display title; the counter shows its place in the
    // register, but only when the status bar next asks for it.
    page->m_tree->setCurrentIndex(itemOf(*page, 102));
    ASSERT_FALSE(m_navigated.isEmpty());
    EXPECT_TRUE(m_navigated.last().endsWith("/D102.html")) << m_navigated.last();
    EXPECT_TRUE(workingFile("T102.html").startsWith("<title>Zálohy</title>"));
    EXPECT_EQ(page->GetCounterText(), "(5/6)");
    EXPECT_EQ(m_app.lastStatus(), "(0/6)");
    page->m_tree->setCurrentIndex(itemOf(*page, 101));
    EXPECT_TRUE(workingFile("T101.html").startsWith("<title>Daň z příjmů (výklad)</title>"));
    EXPECT_EQ(page->GetCounterText(), "(2/6)");

    // Rebuilding the tree for another field opens nothing.
    const qsizetype opened = m_navigated.size();
    choose(page->m_cbObor, 3);
    EXPECT_EQ(m_navigated.size(), opened);
    EXPECT_EQ(page->GetCounterText(), "(0/2)");
    view->OnTabChange(1);
    EXPECT_EQ(m_app.lastStatus(), "(0/2)");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join("|");
}

TEST_F(RegisterIndexPages, IndexListsTheChosenOrderUnderTheFilters) {
    auto view = makeView();
    CsIndexPage* page = indexPage(*view);
    ASSERT_TRUE(page && page->m_list && page->m_cbIndex);
    EXPECT_EQ(comboTexts(page->m_cbIndex), (QStringList{LoadResString(IDS_INDEX_BY_NUMBER),
                                                        LoadResString(IDS_INDEX_BY_NUMBER + 1),
                                                        LoadResString(IDS_INDEX_BY_NUMBER + 2),
                                                        LoadResString(IDS_INDEX_BY_NUMBER + 3)}));
    EXPECT_EQ(page->m_cbIndex->itemText(3), "Vše");
    // The hidden page reads its list when it is first shown.
    EXPECT_EQ(page->m_session.GetRowCount(), 0);
    view->OnTabChange(4);
    EXPECT_EQ(page->m_session.GetRowCount(), 4);
    EXPECT_EQ(page->m_session.rowText(0), "16/1993 Sb. - Zákon o silniční dani");
    EXPECT_EQ(page->GetCounterText(), "(0/4)");

    choose(combo(page, IDC_INDEX_CHOICE), 3, true);
    EXPECT_EQ(page->m_session.GetRowCount(), 9);
    choose(combo(page, IDC_OBLAST), 1);
    EXPECT_EQ(page->m_session.GetRowCount(), 7);
    EXPECT_EQ(m_app.lastStatus(), "(0/7)");

    // Choosing a row opens its document under its display title.
    page->m_list->setCurrentIndex(page->m_session.model()->index(3));
    ASSERT_FALSE(m_navigated.isEmpty());
    EXPECT_TRUE(m_navigated.last().endsWith("/D7.html")) << m_navigated.last();
    EXPECT_EQ(m_app.lastStatus(), "(4/7)");
    // No full text of area 1 is a decree: only the title rows are left.
    choose(combo(page, IDC_TYP), 2);
    EXPECT_EQ(page->m_session.GetRowCount(), 5);
    EXPECT_EQ(page->GetCounterText(), "(0/5)");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join("|");
}

TEST_F(RegisterIndexPages, QuickFindBringsTheRowToTheTopWithoutChoosingIt) {
    QString rows;
    for (int n = 100; n < 300; ++n)
        rows += QStringLiteral("(2, 'Zákon č. %1/2010 Sb., kterým se mění zákon o DPH'),").arg(n);
    rows.chop(1);
    m_database->executeScript("INSERT INTO dokumentNorma (dokument, nazev) VALUES " + rows);
    auto view = makeView();
    view->OnTabChange(4);
    CsIndexPage* page = indexPage(*view);
    choose(combo(page, IDC_INDEX_CHOICE), 2, true);
    // A list this long is read in two parts.
    ASSERT_TRUE(waitUntil([page] { return page->m_session.GetRowCount() == 205; }));
    ASSERT_EQ(topRow(*page), 0);

    QLineEdit* edit = qobject_cast<QLineEdit*>(page->GetDlgItem(IDC_QUICK_FIND));
    ASSERT_NE(edit, nullptr);
    edit->setText("zákon č. 150/");
    const int row = page->m_session.QuickFind("Zákon č. 150/");
    ASSERT_GT(row, 10);
    EXPECT_EQ(page->m_strQuickFind, "zákon č. 150/");
    EXPECT_EQ(topRow(*page), row);
    EXPECT_FALSE(page->m_list->selectionModel()->hasSelection());
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_EQ(page->GetCounterText(), "(0/205)");

    // Back to the start; a text that no row starts with only shows the row below the first page.
    edit->setText("3");
    EXPECT_EQ(topRow(*page), 0);
    edit->setText("žádný");
    EXPECT_GT(topRow(*page), 0);
    EXPECT_LT(topRow(*page), 5);
    EXPECT_TRUE(m_navigated.isEmpty());
}

TEST_F(RegisterIndexPages, ShellLaunchLeavesTreeAndIndexEmptyUntilTheyAreFilled) {
    g_bSkipRegisterFill = 1;
    g_bSkipIndexFill = 1;
    auto view = makeView();
    EXPECT_EQ(g_bSkipRegisterFill, 0);
    EXPECT_EQ(g_bSkipIndexFill, 0);
    EXPECT_EQ(registerPage(*view)->GetCounterText(), "(0/0)");
    EXPECT_EQ(indexPage(*view)->GetCounterText(), "(0/0)");
    // The main window fills them once the link has been served.
    choose(registerPage(*view)->m_cbObor, 1);
    registerPage(*view)->FillTree();
    EXPECT_EQ(registerPage(*view)->GetCounterText(), "(0/6)");
    // The hidden index is read once it is shown.
    indexPage(*view)->FillSkippedList();
    EXPECT_EQ(indexPage(*view)->GetCounterText(), "(0/0)");
    view->OnTabChange(4);
    EXPECT_EQ(indexPage(*view)->GetCounterText(), "(0/4)");
    // A second view fills as usual.
    auto second = makeView();
    second->OnTabChange(4);
    EXPECT_EQ(indexPage(*second)->GetCounterText(), "(0/4)");
}
