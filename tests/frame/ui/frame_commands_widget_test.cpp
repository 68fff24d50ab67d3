#include "app/ui/TavlinApp.h"
#include "frame/Looks.h"
#include "frame/UiTables.h"
#include "frame/ui/AppLookDlg.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/SearchBox.h"
#include "frame/ui/ToolbarCustomizeDialog.h"
#include "frame/ui/ToolbarManager.h"
#include "frame/ui/ValidOnField.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/RecordedMessages.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Takes the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class FrameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        m_savedLook = tavlinApp()->m_nAppLook;
        m_savedFolder = tavlinApp()->folders().GetProgramFolder();
    }
    void TearDown() override {
        m_frame.reset();
        tavlinApp()->setAppLook(m_savedLook);
        tavlinApp()->SetProgramFolder(m_savedFolder);
        QStandardPaths::setTestModeEnabled(true);
    }
    CMainFrame& frame() {
        if (!m_frame) {
            m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
            m_frame->LoadCustomState();
            m_frame->show();
            QApplication::processEvents();
        }
        return *m_frame;
    }
    void restart() {
        frame().close();
        m_frame.reset();
        frame();
    }
    QAction* command(int id) { return frame().Commands().find(id); }
    ToolbarCustomizeDialog& customize() {
        frame().OnCommand(ID_CUSTOMIZE);
        auto* dialog = frame().findChild<ToolbarCustomizeDialog*>();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    CSearchComboButton* combo() {
        return static_cast<CSearchComboButton*>(frame().GetSearchCombo());
    }
    void find(const QString& text) {
        combo()->setEditText(text);
        frame().OnCommand(ID_FIND_IN_TEXT);
    }
    static QList<int> barCommands(const QToolBar* bar) {
        QList<int> ids;
        for (QAction* action : bar->actions())
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        return ids;
    }

    QTemporaryDir m_config;
    std::unique_ptr<CMainFrame> m_frame;
    int m_savedLook = 2;
    QString m_savedFolder;
};
} // namespace

TEST_F(FrameCommandsTest, FindBoxKeepsItsHistoryAndEnterReleasedRunsTheFind) {
    RecordedMessages messages;
    find(QStringLiteral("daň"));
    find(QStringLiteral("zákon"));
    find(QStringLiteral("DAŇ"));
    EXPECT_EQ(combo()->entries(), (QStringList{"zákon", "daň"}));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("DAŇ"));
    EXPECT_TRUE(combo()->lineEdit()->hasFocus());
    // An empty box asks for a text and keeps nothing.
    find(QString());
    EXPECT_EQ(messages.texts.value(0), LoadResString(IDS_ENTER_SEARCH_TEXT));
    EXPECT_EQ(combo()->count(), 2);
    for (int i = 0; i < 20; ++i)
        find(QStringLiteral("slovo %1").arg(i));
    EXPECT_EQ(combo()->count(), 16);
    EXPECT_EQ(combo()->itemText(0), QStringLiteral("slovo 19"));

    // Enter in the box finds on its release; a repeated key does not.
    combo()->setEditText(QStringLiteral("odpočet"));
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(combo()->lineEdit(), &repeat);
    EXPECT_EQ(combo()->itemText(0), QStringLiteral("slovo 19"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(combo()->lineEdit(), &release);
    EXPECT_EQ(combo()->itemText(0), QStringLiteral("odpočet"));
}

TEST_F(FrameCommandsTest, ResetOfTheHledatToolbarBringsBackTheLabelAndTheFindBox) {
    ToolbarCustomizeDialog& dialog = customize();
    dialog.SelectBar(frame().GetSearchBar());
    dialog.ButtonList()->setCurrentRow(0);
    dialog.RemoveButton();
    dialog.ButtonList()->setCurrentRow(0);
    dialog.RemoveButton();
    EXPECT_EQ(barCommands(frame().GetSearchBar()),
              (QList<int>{ID_FIND_IN_TEXT, 0, ID_VALID_ON_LABEL, ID_VALID_ON}));
    EXPECT_EQ(frame().GetSearchCombo(), nullptr);
    // Typing into the document has no box to go to, and the find command does nothing.
    frame().OnCommand(ID_FIND_IN_TEXT);

    dialog.ResetBar();
    QToolBar* bar = frame().GetSearchBar();
    // The label, the find box, the find button, then "Platné ke dni" with its day field.
    ASSERT_EQ(bar->actions().size(), 6);
    auto* dayLabel = qobject_cast<CToolbarLabel*>(bar->widgetForAction(bar->actions()[4]));
    ASSERT_NE(dayLabel, nullptr);
    EXPECT_EQ(dayLabel->text(), QStringLiteral("Platné ke dni"));
    EXPECT_NE(qobject_cast<ValidOnField*>(bar->widgetForAction(bar->actions()[5])), nullptr);
    auto* label = qobject_cast<CToolbarLabel*>(bar->widgetForAction(bar->actions()[0]));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Hledat v textu"));
    EXPECT_FALSE(label->IsEditable());
    auto* box = qobject_cast<CSearchComboButton*>(bar->widgetForAction(bar->actions()[1]));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box, frame().GetSearchCombo());
    EXPECT_EQ(box->width(), 167);
    EXPECT_EQ(bar->actions()[2]->data().toInt(), ID_FIND_IN_TEXT);
    find(QStringLiteral("nájem"));
    EXPECT_EQ(box->entries(), QStringList{QStringLiteral("nájem")});
    dialog.close();
}

TEST_F(FrameCommandsTest, ALayoutSavedBeforeTheDayFieldGetsItAndKeepsItsOwnOrder) {
    // As an earlier version saved it: the find button first, with no list of what it offered.
    WriteProfileBinary(GetToolbarStateKey(), QStringLiteral("Toolbars"),
                       QStringLiteral("toolbar\t142\nbutton\t%1\tfind\nlabel\t%2\ncombo\t%3\t200\n")
                           .arg(ID_FIND_IN_TEXT)
                           .arg(ID_FIND_LABEL)
                           .arg(ID_FIND_COMBO)
                           .toUtf8());
    EXPECT_EQ(barCommands(frame().GetSearchBar()),
              (QList<int>{ID_FIND_IN_TEXT, ID_FIND_LABEL, ID_FIND_COMBO, 0, ID_VALID_ON_LABEL,
                          ID_VALID_ON}));
    EXPECT_EQ(frame().GetSearchCombo()->width(), 200);
    // Taken off and saved, the day field stays off.
    ToolbarCustomizeDialog& dialog = customize();
    dialog.SelectBar(frame().GetSearchBar());
    for (int row : {5, 4, 3}) {
        dialog.ButtonList()->setCurrentRow(row);
        dialog.RemoveButton();
    }
    dialog.close();
    restart();
    EXPECT_EQ(barCommands(frame().GetSearchBar()),
              (QList<int>{ID_FIND_IN_TEXT, ID_FIND_LABEL, ID_FIND_COMBO}));
}

TEST_F(FrameCommandsTest, UserToolbarSurvivesARestartAndHasItsContextMenuItem) {
    {
        ToolbarCustomizeDialog& dialog = customize();
        QToolBar* bar = dialog.NewBar(QStringLiteral("Moje zákony"));
        ASSERT_NE(bar, nullptr);
        dialog.AddCommand(32798);
        dialog.AddSeparator();
        dialog.AddCommand(ID_START_PAGE);
        // The standard toolbar loses "Tisk".
        dialog.SelectBar(frame().GetToolBar());
        dialog.ButtonList()->setCurrentRow(4);
        dialog.RemoveButton();
        dialog.close();
    }
    std::unique_ptr<QMenu> context(frame().createPopupMenu());
    QStringList texts;
    for (QAction* action : context->actions())
        if (action->data().toInt() == ID_USER_TOOLBAR_FIRST)
            texts << action->text();
    EXPECT_EQ(texts, QStringList{QStringLiteral("Moje zákony")});
    EXPECT_EQ(context->actions().size(), 6);
    EXPECT_TRUE(command(ID_USER_TOOLBAR_FIRST)->isChecked());
    EXPECT_FALSE(command(ID_USER_TOOLBAR_FIRST + 1)->isEnabled());
    frame().OnCommand(ID_USER_TOOLBAR_FIRST);
    EXPECT_FALSE(frame().GetToolbars().GetUserBarByIndex(0)->isVisible());
    EXPECT_FALSE(command(ID_USER_TOOLBAR_FIRST)->isChecked());
    context.reset();

    restart();
    QToolBar* bar = frame().GetToolbars().GetUserBarByIndex(0);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Moje zákony"));
    EXPECT_EQ(barCommands(bar), (QList<int>{32798, 0, ID_START_PAGE}));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(barCommands(frame().GetToolBar()).contains(ID_FILE_PRINT));
    frame().OnCommand(ID_USER_TOOLBAR_FIRST);
    EXPECT_TRUE(bar->isVisible());

    // Deleted, it is gone after the next restart too.
    ToolbarCustomizeDialog& dialog = customize();
    dialog.SelectBar(bar);
    dialog.DeleteBar();
    dialog.close();
    restart();
    EXPECT_EQ(frame().GetToolbars().UserBarCount(), 0);
}

TEST_F(FrameCommandsTest, AtMostTenUserToolbars) {
    RecordedMessages messages;
    ToolbarCustomizeDialog& dialog = customize();
    for (int i = 0; i < 10; ++i)
        EXPECT_NE(dialog.NewBar(QStringLiteral("Lišta %1").arg(i)), nullptr);
    EXPECT_EQ(dialog.NewBar(QStringLiteral("Jedenáctá")), nullptr);
    EXPECT_EQ(messages.texts, QStringList{LoadResString(IDS_USER_TOOLBAR_LIMIT)});
    std::unique_ptr<QMenu> context(frame().createPopupMenu());
    EXPECT_EQ(context->actions().size(), 15);
    EXPECT_EQ(frame().GetToolbars().GetUserBarByIndex(9)->objectName(),
              QStringLiteral("toolbar59441"));
    dialog.close();
}

TEST_F(FrameCommandsTest, ChosenLookIsWrittenAndApplied) {
    tavlinApp()->setAppLook(2);
    frame().ApplyLookColours();
    const auto choose = [](int look, bool bAccept) {
        QTimer::singleShot(0, [look, bAccept] {
            auto* dialog = qobject_cast<CAppLookDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>(QStringLiteral("look%1").arg(look))->click();
            if (bAccept)
                dialog->accept();
            else
                dialog->reject();
        });
    };
    choose(1, true);
    frame().OnCommand(ID_LOOK);
    EXPECT_EQ(tavlinApp()->m_nAppLook, 1);
    EXPECT_EQ(ReadRegDword(GetMakerKey(), QStringLiteral("AppLook"), 99, RegistryRoot::CurrentUser),
              1u);
    EXPECT_TRUE(tavlinApp()->m_bLookColour);
    EXPECT_EQ(tavlinApp()->m_crLook, QColor(0xEC, 0xE9, 0xD8));
    // Cancel keeps the look, whatever was clicked.
    choose(0, false);
    frame().OnCommand(ID_LOOK);
    EXPECT_EQ(tavlinApp()->m_nAppLook, 1);
    choose(0, true);
    frame().OnCommand(ID_LOOK);
    EXPECT_EQ(tavlinApp()->m_nAppLook, 0);
    EXPECT_FALSE(tavlinApp()->m_bLookColour);
    EXPECT_EQ(readAppLook(), 0);
}

TEST_F(FrameCommandsTest, WebOrderOpensTheDealersAddressOrTheDefault) {
    QTemporaryDir folder;
    tavlinApp()->SetProgramFolder(folder.path());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    command(ID_WEB_ORDER)->trigger();
    QFile ini(folder.filePath(QStringLiteral("Dealer.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Dealer]\nWWWOrder=https://prodejce.example/objednat\n");
    ini.close();
    command(ID_WEB_ORDER)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toString(), QStringLiteral("http://www.ardenvolt.cz/objednavka"));
    EXPECT_EQ(catcher.urls[1].toString(), QStringLiteral("https://prodejce.example/objednat"));
}

TEST(ToolbarPictures, UserButtonsTakeTheirPicturesFromTavlinBmp) {
    QTemporaryDir folder;
    QImage strip(48, 15, QImage::Format_RGB32);
    const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
        for (int x = i * 16; x < i * 16 + 16; ++x)
            for (int y = 0; y < 15; ++y)
                strip.setPixelColor(x, y, colours[i]);
    ASSERT_TRUE(strip.save(folder.filePath(QStringLiteral("Tavlin.bmp")), "BMP"));

    QMainWindow window;
    CCommandActions commands(&window);
    ToolbarManager toolbars(window, commands, {}, {}, folder.path());
    EXPECT_EQ(toolbars.UserImageCount(), 3);
    QToolBar* bar = toolbars.CreateUserToolbar(QStringLiteral("Obrázky"));
    ToolbarTemplate contents;
    contents.entries = {{ToolbarEntry::Kind::Button, 32798, QStringLiteral("user:1"), 0},
                        {ToolbarEntry::Kind::Button, 32799, QStringLiteral("user:7"), 0}};
    toolbars.SetContents(bar, contents);
    ASSERT_EQ(bar->actions().size(), 2);
    const QImage shown = bar->actions()[0]->icon().pixmap(16, 15).toImage();
    EXPECT_EQ(shown.pixelColor(8, 7), QColor(Qt::green));
    // A picture the file does not have leaves the button without one.
    EXPECT_TRUE(bar->actions()[1]->icon().isNull());
    EXPECT_EQ(toolbars.Contents(bar).entries[0].icon, QStringLiteral("user:1"));

    // Without the file, no pictures and no error.
    QTemporaryDir empty;
    ToolbarManager plain(window, commands, {}, {}, empty.path());
    EXPECT_EQ(plain.UserImageCount(), 0);
}

#include "frame_commands_widget_test.moc"
