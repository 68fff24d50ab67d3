#include "app/ui/TavlinApp.h"
#include "frame/ui/MainFrame.h"
#include "navigation/ui/CsListFormPage.h"
#include "navigation/ui/CsRejstrikPage.h"
#include "navigation/ui/TvFormView.h"
#include "platform/LaunchFlags.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {
class RefreshAfterLink : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        m_program.createCollection({sourceFileText("tests/fixtures/collection.sql")});
        tavlinApp()->SetProgramFolder(m_program.path());
        ASSERT_TRUE(tavlinApp()->OpenDatabase());
    }
    void TearDown() override {
        g_bRefreshAfterDde = g_bSkipContentsFill = g_bSkipRegisterFill = g_bSkipIndexFill = 0;
        tavlinApp()->CloseDatabase();
        QStandardPaths::setTestModeEnabled(true);
    }
    static CsListFormPage* contents(CMainFrame& frame) {
        return dynamic_cast<CsListFormPage*>(frame.GetNavView()->GetPage(0));
    }

    TempProgramFolder m_program;
    QTemporaryDir m_config;
};
} // namespace

TEST_F(RefreshAfterLink, FirstConversationEndFillsTheSkippedListOnceTwoSecondsLater) {
    g_bRefreshAfterDde = g_bSkipContentsFill = g_bSkipRegisterFill = g_bSkipIndexFill = 1;
    CMainFrame frame(*tavlinApp(), true);
    frame.show();
    ASSERT_NE(contents(frame), nullptr);
    EXPECT_EQ(contents(frame)->GetRowCount(), 0);
    auto* rejstrik = dynamic_cast<CsRejstrikPage*>(frame.GetNavView()->GetPage(1));
    ASSERT_NE(rejstrik, nullptr);
    const auto treeRows = [rejstrik] {
        return rejstrik->m_tree && rejstrik->m_tree->model() ? rejstrik->m_tree->model()->rowCount()
                                                             : 0;
    };
    EXPECT_EQ(treeRows(), 0);
    // The other list pages fill as usual.
    EXPECT_GT(dynamic_cast<CsListFormPage*>(frame.GetNavView()->GetPage(2))->GetRowCount(), 0);

    frame.OnDDETerminate();
    EXPECT_EQ(g_bRefreshAfterDde, 0);
    QApplication::processEvents();
    EXPECT_EQ(contents(frame)->GetRowCount(), 0);
    ASSERT_TRUE(waitUntil([&] { return contents(frame)->GetRowCount() > 0; }, 5000));
    const int filled = contents(frame)->GetRowCount();
    EXPECT_GT(treeRows(), 0);

    // Later conversations start no timer: a narrowed list stays as it is.
    contents(frame)->FillList("(ID = 1)");
    ASSERT_EQ(contents(frame)->GetRowCount(), 1);
    frame.OnDDETerminate();
    EXPECT_FALSE(waitUntil([&] { return contents(frame)->GetRowCount() == filled; }, 2600));
}

TEST_F(RefreshAfterLink, OrdinaryStartIgnoresConversationEnds) {
    CMainFrame frame(*tavlinApp(), false);
    const int filled = contents(frame)->GetRowCount();
    ASSERT_GT(filled, 0);
    contents(frame)->FillList("(ID = 1)");
    frame.OnDDETerminate();
    EXPECT_FALSE(waitUntil([&] { return contents(frame)->GetRowCount() == filled; }, 2600));
}
