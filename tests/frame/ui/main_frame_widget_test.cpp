#include "app/ui/TavlinApp.h"
#include "document/ui/TvHtmlView.h"
#include "frame/UiTables.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/SplitterWnd.h"
#include "frame/ui/WindowPlacement.h"
#include "navigation/ui/TvFormView.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Each test has a settings folder of its own and a fresh main window.
class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void TearDown() override {
        m_frame.reset();
        QStandardPaths::setTestModeEnabled(true);
    }
    CMainFrame& frame() {
        if (!m_frame) {
            m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
            m_frame->show();
            QApplication::processEvents();
        }
        return *m_frame;
    }
    QString messagePane() {
        return frame().findChild<QLabel*>(QStringLiteral("messagePane"))->text();
    }
    QAction* command(int id) { return frame().Commands().find(id); }

    QTemporaryDir m_config;
    std::unique_ptr<CMainFrame> m_frame;
};

QString withoutShortcut(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0);
}
} // namespace

TEST_F(MainFrameTest, MenuBarIsBuiltFromTheTableInOrder) {
    const std::vector<MenuTemplate> menus = parseMenuTable(sourceFileText("res/ui/menus.txt"));
    const MenuTemplate* table = findMenu(menus, 128);
    ASSERT_NE(table, nullptr);
    const QList<QAction*> popups = frame().menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(table->popups.size()));
    for (size_t i = 0; i < table->popups.size(); ++i) {
        const MenuEntry& popup = table->popups[i];
        EXPECT_EQ(popups[i]->text(), popup.text);
        const QList<QAction*> items = popups[i]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(popup.children.size())) << popup.text;
        for (size_t j = 0; j < popup.children.size(); ++j) {
            const MenuEntry& entry = popup.children[j];
            if (entry.kind == MenuEntry::Kind::Separator) {
                EXPECT_TRUE(items[j]->isSeparator());
                continue;
            }
            EXPECT_EQ(items[j]->data().toInt(), entry.id);
            EXPECT_EQ(items[j]->text(), entry.text);
        }
    }
    // The tooltip is the second part of the command's string.
    EXPECT_EQ(command(57607)->toolTip(), QStringLiteral("Tisk"));
    EXPECT_EQ(withoutShortcut(command(57607)->text()), QStringLiteral("&Tisk..."));
}

TEST_F(MainFrameTest, CommandsAreEnabledAsTheirOwnersSay) {
    for (int id : {57607, 57609, 32850, 57665, 32795, 32794, 32789, 32791, 32832, 32798, 32829,
                   32833, 32781, 32782, 32830, 59392, 32793})
        EXPECT_TRUE(frame().GetCommandTable().isEnabled(id)) << id;
    // No history yet: back and forward are greyed (the web tests follow a real history).
    EXPECT_FALSE(command(32784)->isEnabled());
    EXPECT_FALSE(command(32785)->isEnabled());
    // Stepping through the searched words only while the search page is the active page.
    for (int id : {32786, 32792})
        EXPECT_FALSE(command(id)->isEnabled()) << id;
    frame().GetNavView()->OnTabChange(3);
    frame().UpdateCommandUI();
    for (int id : {32786, 32792})
        EXPECT_TRUE(command(id)->isEnabled()) << id;
    frame().GetNavView()->OnTabChange(4);
    frame().UpdateCommandUI();
    EXPECT_FALSE(command(32786)->isEnabled());

    // The toolbar context menu: the two bars, no user toolbars yet, look and customisation.
    std::unique_ptr<QMenu> context(frame().createPopupMenu());
    ASSERT_TRUE(context);
    QList<int> ids;
    for (QAction* action : context->actions())
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(ids, (QList<int>{59392, 32830, 0, 32781, 32782}));
    EXPECT_TRUE(command(32830)->isChecked());
    command(32830)->trigger();
    EXPECT_FALSE(frame().GetSearchBar()->isVisible());
    EXPECT_FALSE(command(32830)->isChecked());
    EXPECT_FALSE(command(32771)->isEnabled());
    EXPECT_TRUE(command(32781)->isEnabled());
}

TEST_F(MainFrameTest, StatusBarShowsPromptsButNeverTexts) {
    // The idle text is the counter of the navigation pane's shown page.
    const QString idle = frame().GetNavView()->GetCurrentCounterText();
    EXPECT_TRUE(idle.startsWith(QLatin1Char('('))) << idle;
    EXPECT_EQ(frame().GetIdleMessage(), idle);
    EXPECT_EQ(messagePane(), idle);
    command(57665)->hover();
    EXPECT_EQ(messagePane(), QStringLiteral("Ukončí aplikaci."));
    // A link's target arrives as a status text: the idle text stands in its place.
    QStatusTipEvent tip(QStringLiteral("javascript:sestavDoc('12')"));
    QApplication::sendEvent(&frame(), &tip);
    EXPECT_EQ(messagePane(), idle);
    command(32798)->hover();
    EXPECT_EQ(messagePane(), QStringLiteral("Zobrazit Zákon o daních z příjmů."));
    frame().OnSetMessageString(30000);
    EXPECT_EQ(messagePane(), idle);

    // While a menu item is under the pointer, a status tip that follows its hover keeps the prompt;
    // closing the menu brings the idle text back.
    QMenu* favourites = frame().menuBar()->actions()[2]->menu();
    favourites->popup(frame().mapToGlobal(QPoint(100, 30)));
    favourites->setActiveAction(command(32799));
    QStatusTipEvent left{QString()};
    QApplication::sendEvent(frame().menuBar(), &left);
    EXPECT_EQ(messagePane(), QStringLiteral("Zobrazit Zákon o dani z přidané hodnoty."));
    favourites->hide();
    EXPECT_EQ(messagePane(), idle);

    // Hovering a toolbar button shows its prompt as well.
    QWidget* back = frame().GetToolBar()->widgetForAction(command(32784));
    ASSERT_NE(back, nullptr);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), back->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(back, &enter);
    EXPECT_EQ(messagePane(), QStringLiteral("Nastaví na předchozí"));
}

TEST_F(MainFrameTest, ToolbarsStandInOneRowWithHledatOnTheLeft) {
    QToolBar* standard = frame().GetToolBar();
    QToolBar* search = frame().GetSearchBar();
    EXPECT_EQ(standard->windowTitle(), LoadResString(IDS_TOOLBAR_STANDARD));
    EXPECT_EQ(search->windowTitle(), LoadResString(IDS_TOOLBAR_HLEDAT));
    EXPECT_EQ(frame().toolBarArea(standard), Qt::TopToolBarArea);
    EXPECT_EQ(frame().toolBarArea(search), Qt::TopToolBarArea);
    EXPECT_FALSE(frame().toolBarBreak(standard));
    EXPECT_EQ(search->geometry().top(), standard->geometry().top());
    EXPECT_LT(search->geometry().right(), standard->geometry().left());
    EXPECT_GT(search->geometry().top(), frame().menuBar()->geometry().top());

    // "Hledat": the label, the find box 167 pixels wide, the find button, then the day field.
    const QList<QAction*> actions = search->actions();
    ASSERT_EQ(actions.size(), 6);
    EXPECT_EQ(actions[5]->data().toInt(), ID_VALID_ON);
    auto* label = qobject_cast<QLabel*>(search->widgetForAction(actions[0]));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), LoadResString(IDS_FIND_LABEL));
    EXPECT_EQ(search->widgetForAction(actions[1]), frame().GetSearchCombo());
    EXPECT_EQ(frame().GetSearchCombo()->width(), 167);
    EXPECT_EQ(actions[2]->data().toInt(), 32789);
}

TEST_F(MainFrameTest, NavigationPaneWidthComesFromTheSettingsAndIsStoredAtClose) {
    EXPECT_EQ(frame().GetNavView()->width(), 434);
    m_frame.reset();

    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 200));
    EXPECT_EQ(frame().GetNavView()->width(), 390);
    // Dragging narrower than the minimum does not take.
    frame().GetSplitter()->setSizes({100, 900});
    EXPECT_EQ(frame().GetNavView()->width(), 390);
    frame().GetSplitter()->setSizes({520, 500});
    QApplication::processEvents();
    ASSERT_EQ(frame().GetNavView()->width(), 520);
    EXPECT_EQ(GetProfileInt("Settings", "Width", 0), 200);
    frame().close();
    EXPECT_EQ(GetProfileInt("Settings", "Width", 0), 520);
    m_frame.reset();
    EXPECT_EQ(frame().GetNavView()->width(), 520);
}

TEST_F(MainFrameTest, LookColourPaintsTheSplitter) {
    CTavlinApp& app = *tavlinApp();
    const int savedLook = app.m_nAppLook;
    app.m_nAppLook = 2;
    frame().ApplyLookColours();
    EXPECT_TRUE(app.m_bLookColour);
    EXPECT_EQ(app.m_crLook, QColor(0xC3, 0xDA, 0xF9));
    EXPECT_EQ(frame().GetSplitter()->HandleColour(), app.m_crLook);
    app.m_nAppLook = 0;
    frame().ApplyLookColours();
    EXPECT_FALSE(app.m_bLookColour);
    EXPECT_EQ(frame().GetSplitter()->HandleColour(),
              frame().GetSplitter()->palette().color(QPalette::Button));
    app.m_nAppLook = savedLook;
    frame().ApplyLookColours();
}

TEST_F(MainFrameTest, APaneWidthBeyondTheWindowLeavesTheDocumentItsRoom) {
    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 2147483647));
    frame();
    const int pane = frame().GetNavView()->width();
    EXPECT_LE(pane, frame().width() - frame().GetHtmlView()->minimumWidth());
    EXPECT_GE(frame().GetHtmlView()->width(), frame().GetHtmlView()->minimumWidth());
    EXPECT_EQ(fitPaneWidth(200, 1100, 100), CTvFormView::kMinPaneWidth);
    EXPECT_EQ(fitPaneWidth(500, 1100, 100), 500);
    EXPECT_EQ(fitPaneWidth(16777215, 1100, 100), 1000);
}

TEST_F(MainFrameTest, TheWindowKeepsItsSizeAndPositionBetweenRuns) {
    EXPECT_EQ(frame().size(), QSize(1100, 750));
    frame().resize(900, 640);
    QApplication::processEvents();
    frame().close();
    m_frame.reset();
    EXPECT_EQ(frame().size(), QSize(900, 640));
}
