#include "NavigationTestSupport.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QPushButton>
#include <QSplitter>
#include <QTabBar>

namespace {
using FormView = NavigationFixture;

// Which pages are shown; exactly one should be.
QList<int> shownPages(const CTvFormView& view) {
    QList<int> shown;
    for (int i = 0; i < view.GetPageCount(); ++i) {
        if (view.GetPage(i)->isVisible())
            shown << i;
    }
    return shown;
}

void expectMargins(const CsFormPage& page, int mainId) {
    const QWidget* main = page.GetDlgItem(mainId);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->geometry().right() + 1, page.width() - 5) << page.m_nTemplateId;
    EXPECT_EQ(main->geometry().bottom() + 1, page.height() - 3) << page.m_nTemplateId;
}
} // namespace

TEST_F(FormView, SevenTabsInOrderWithOnlyTheContentsShownAtStart) {
    auto view = makeView();
    const QTabBar* tabs = view->GetTabWnd();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 7);
    ASSERT_EQ(view->GetPageCount(), 7);
    const unsigned captions[] = {61446, 61447, 61448, 61449, 61450, 61451, 61487};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(tabs->tabText(i), LoadResString(captions[i])) << i;
    const int templates[] = {131, 132, 133, 134, 135, 136, 152};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(view->GetPage(i)->m_nTemplateId, templates[i]) << i;
    EXPECT_EQ(view->m_nCurPage, 0);
    EXPECT_EQ(shownPages(*view), QList<int>{0});
    EXPECT_EQ(m_app.lastStatus(), "(0/5)");
    // Pages without their own behaviour yet still carry their template's controls.
    EXPECT_NE(view->GetPage(1)->GetDlgItem(IDC_TREE), nullptr);
    EXPECT_NE(view->GetPage(4)->GetDlgItem(IDC_QUICK_FIND), nullptr);
}

TEST_F(FormView, TabChangeShowsThatPageAndPutsItsCounterIntoTheStatusBar) {
    auto view = makeView();
    listPage(*view, 5)->OpenRow(1);
    view->GetTabWnd()->setCurrentIndex(2);
    EXPECT_EQ(view->m_nCurPage, 2);
    EXPECT_EQ(view->GetCurrentPage(), view->GetPage(2));
    EXPECT_EQ(shownPages(*view), QList<int>{2});
    EXPECT_EQ(m_app.lastStatus(), "(0/2)");

    view->GetTabWnd()->setCurrentIndex(5);
    EXPECT_EQ(shownPages(*view), QList<int>{5});
    EXPECT_EQ(m_app.lastStatus(), "(2/2)");

    // The tab already shown changes nothing.
    const qsizetype before = m_app.m_statusTexts.size();
    view->OnTabChange(5);
    EXPECT_EQ(m_app.m_statusTexts.size(), before);
}

TEST_F(FormView, ResizingKeepsTheMarginsOfEveryTemplate) {
    auto view = makeView();
    for (const QSize size : {QSize(520, 700), QSize(400, 380)}) {
        view->resize(size);
        for (int i = 0; i < view->GetPageCount(); ++i) {
            view->OnTabChange(i);
            const CsFormPage* page = view->GetPage(i);
            EXPECT_EQ(page->geometry().right() + 1, size.width() - 1 - 5);
            EXPECT_EQ(page->geometry().bottom() + 1, size.height() - 1 - 5);
            expectMargins(*page, i == 1 ? 1006 : 1038);
        }
        const CsFormPage* obsah = view->GetPage(0);
        for (int id : {1023, 1003, 1046})
            EXPECT_EQ(obsah->GetDlgItem(id)->geometry().right() + 1, obsah->width() - 5) << id;
        const CsFormPage* hledat = view->GetPage(3);
        const QWidget* button = hledat->GetDlgItem(IDC_HLEDAT_BUTTON);
        EXPECT_EQ(button->geometry().right() + 1, hledat->width() - 5);
        EXPECT_EQ(hledat->GetDlgItem(IDC_HLEDAT_TEXT)->geometry().right() + 1, button->x() - 5);
    }
}

TEST_F(FormView, PaneWidthComesFromTheSettingsAndNeverFallsBelowTheMinimum) {
    EXPECT_EQ(CTvFormView(m_app).m_nPaneWidth, 434);
    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 200));
    EXPECT_EQ(CTvFormView(m_app).m_nPaneWidth, 390);
    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 500));

    QSplitter splitter;
    auto* view = new CTvFormView(m_app);
    EXPECT_EQ(view->m_nPaneWidth, 500);
    splitter.addWidget(view);
    splitter.addWidget(new QWidget);
    splitter.resize(1200, 600);
    splitter.show();
    splitter.setSizes({450, 750});
    EXPECT_NEAR(view->width(), 450, 2);
    EXPECT_EQ(view->m_nPaneWidth, view->width());

    splitter.setSizes({200, 1000});
    EXPECT_EQ(view->width(), CTvFormView::kMinPaneWidth);
    EXPECT_EQ(view->m_nPaneWidth, CTvFormView::kMinPaneWidth);

    // Collapsed to nothing, the pane comes back at its minimum.
    splitter.setSizes({0, 1200});
    EXPECT_GE(view->width(), CTvFormView::kMinPaneWidth);
}

TEST_F(FormView, PrintCommandGoesToTheDocumentViewAndLookColourPaintsThePages) {
    m_app.m_bLookColour = true;
    m_app.m_crLook = QColor(0xd4, 0xe2, 0xf0);
    auto view = makeView();
    view->GetPage(2)->OnFilePrint();
    view->OnFilePrint();
    EXPECT_EQ(m_nPrints, 2);
    for (int i = 0; i < view->GetPageCount(); ++i) {
        EXPECT_TRUE(view->GetPage(i)->autoFillBackground());
        EXPECT_EQ(view->GetPage(i)->palette().color(QPalette::Window), m_app.m_crLook);
    }
    m_app.m_bLookColour = false;
    view->ApplyLookColour();
    EXPECT_FALSE(view->GetPage(0)->autoFillBackground());
}
