#include "app/ui/TavlinApp.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/FavouritesMenu.h"
#include "frame/ui/MainFrame.h"
#include "navigation/DocumentListModel.h"
#include "navigation/ui/CsOblibenePage.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/RecordedMessages.h"
#include "support/RunScript.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"
#include "userdata/XmlStore.h"
#include "userdata/ui/NoteDlg.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Two fixed laws and two other documents, each with one section.
const char* const kCollection = R"SQL(
INSERT INTO dokument (ID, jmeno, ozn, pohled, poradi, priloha) VALUES
    (1, 'Zákon o daních z příjmů', 'DP', 1, 2, NULL),
    (2, 'Občanský zákoník', 'OZ', 1, 1, 'Občanský zákoník (nový)'),
    (3, 'Hrad', 'H', 1, 3, NULL),
    (4, 'Chata & spol.', 'CH', 1, 4, NULL);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (10, 1, 1, '<p>§ 1 daň</p>', NULL, NULL), (20, 2, 1, '<p>§ 1 obec</p>', NULL, NULL),
    (30, 3, 1, '<p>§ 1 hrad</p>', NULL, NULL), (40, 4, 1, '<p>§ 1 chata</p>', NULL, NULL);
)SQL";

// The reader's own window on the collection, with the shipped pages and a start-page template
// that shows just the favourites' links.
class FavouritesWebTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        for (const QString& name : QDir(TAVLIN_SOURCE_DIR "/res/Html").entryList(QDir::Files))
            QFile::copy(TAVLIN_SOURCE_DIR "/res/Html/" + name, m_program.file("Html/" + name));
        QFile::copy(TAVLIN_SOURCE_DIR "/res/Html/img/note.jpg",
                    m_program.file("Html/img/note.jpg"));
        writeFile(m_program.file("Html/Index0.html"), "<body>#OBLIBENE#</body>");
        m_program.createCollection({QString::fromUtf8(kCollection)});
        tavlinApp()->SetProgramFolder(m_program.path());
        ASSERT_TRUE(tavlinApp()->OpenDatabase());
        startReader();
    }
    void TearDown() override {
        m_frame.reset();
        tavlinApp()->CloseDatabase();
        QStandardPaths::setTestModeEnabled(true);
    }

    // What the application does at start-up.
    void startReader() {
        m_frame.reset();
        m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
        m_frame->ShowFavouritesAndStart();
        m_frame->show();
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QString readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void show(int id) {
        ASSERT_TRUE(m_frame->GetNavView()->OpenDocument(id, QString(), nullptr));
        ASSERT_TRUE(
            waitUntil([&] { return m_frame->GetHtmlView()->GetCurrentDocumentId() == id; }));
        m_frame->UpdateCommandUI();
    }
    bool enabled(int id) { return m_frame->Commands().find(id)->isEnabled(); }

    // The user favourites of the menu as "command text" after its last separator.
    QStringList menuFavourites() {
        QMenu* popup = m_frame->menuBar()->actions().value(2)->menu();
        QStringList items;
        for (QAction* action : popup->actions()) {
            if (action->isSeparator())
                items.clear();
            else
                items << QStringLiteral("%1 %2").arg(action->data().toInt()).arg(action->text());
        }
        return items;
    }
    QStringList pageRows() {
        auto* page = dynamic_cast<CsOblibenePage*>(m_frame->GetNavView()->GetPage(6));
        QStringList rows;
        for (int row = 0; page && row < page->GetRowCount(); ++row)
            rows << QStringLiteral("%1 %2")
                        .arg(page->m_pModel->idAt(row))
                        .arg(page->m_pModel->nameAt(row));
        return rows;
    }
    QString startPage() const { return readFile(m_program.file("Html/Index.html")); }
    QString titlePage(int id) const {
        return readFile(tavlinApp()->folders().GetWorkingFolder() +
                        QStringLiteral("/T%1.html").arg(id));
    }

    // Plays the user in the next note dialog that opens; `opened` counts the dialogs served.
    QTimer* answerNoteDialog(const std::function<void(CNoteDlg&)>& act, int* opened) {
        auto* timer = new QTimer(m_frame.get());
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, [timer, act, opened] {
            if (auto* dlg = qobject_cast<CNoteDlg*>(QApplication::activeModalWidget())) {
                timer->stop();
                ++*opened;
                act(*dlg);
            }
        });
        timer->start();
        return timer;
    }
    static void saveNote(CNoteDlg& dlg, const QString& text) {
        dlg.findChild<QPlainTextEdit*>()->setPlainText(text);
        dlg.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    }

    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
    TempProgramFolder m_program;
    std::unique_ptr<CMainFrame> m_frame;
    RecordedMessages m_messages;
};
} // namespace

TEST_F(FavouritesWebTest, AFavouriteAddedFromTheMenuShowsEverywhereAndSurvivesARestart) {
    // No user favourites: the menu ends with its separator; the tab and the start page list
    // the fixed laws in the collection's order.
    EXPECT_EQ(menuFavourites(), QStringList());
    EXPECT_EQ(pageRows(), QStringList({"2 Občanský zákoník (nový)", "1 Zákon o daních z příjmů"}));
    EXPECT_EQ(startPage(), "<body><a href=\"javascript:sestavDoc('2')\">Občanský zákoník "
                           "(nový)</a>\r\n<a href=\"javascript:sestavDoc('1')\">Zákon o daních z "
                           "příjmů</a>\r\n</body>");
    // On the start page there is no document to add.
    EXPECT_FALSE(enabled(ID_FAVOURITE_ADD));

    show(3);
    EXPECT_TRUE(enabled(ID_FAVOURITE_ADD));
    EXPECT_FALSE(enabled(ID_FAVOURITE_REMOVE));
    m_frame->OnCommand(ID_FAVOURITE_ADD);
    EXPECT_EQ(menuFavourites(), QStringList{"30000 Hrad"});
    EXPECT_EQ(pageRows().last(), "3 Hrad");
    EXPECT_TRUE(startPage().contains("<a href=\"javascript:sestavDoc('3')\">Hrad</a>\r\n</body>"));
    EXPECT_FALSE(enabled(ID_FAVOURITE_ADD));
    EXPECT_TRUE(enabled(ID_FAVOURITE_REMOVE));

    show(4);
    m_frame->OnCommand(ID_FAVOURITE_ADD);
    EXPECT_EQ(menuFavourites(), QStringList({"30000 Hrad", "30001 Chata && spol."}));
    EXPECT_TRUE(startPage().contains(">Chata &amp; spol.</a>"));
    // A fixed law is never a user favourite.
    show(1);
    EXPECT_FALSE(enabled(ID_FAVOURITE_ADD));
    EXPECT_FALSE(enabled(ID_FAVOURITE_REMOVE));

    // Removing renumbers the rest from 30000.
    show(3);
    m_frame->OnCommand(ID_FAVOURITE_REMOVE);
    EXPECT_EQ(menuFavourites(), QStringList{"30000 Chata && spol."});
    EXPECT_EQ(pageRows().size(), 3);
    EXPECT_FALSE(startPage().contains("sestavDoc('3')"));
    EXPECT_EQ(CXmlStore(tavlinApp()->folders()).GetFavourites(), QStringList{"Chata & spol."});

    startReader();
    EXPECT_EQ(menuFavourites(), QStringList{"30000 Chata && spol."});
    EXPECT_EQ(pageRows().last(), "4 Chata & spol.");
    // A row of the tab opens its document like any list row.
    auto* page = dynamic_cast<CsOblibenePage*>(m_frame->GetNavView()->GetPage(6));
    page->OpenRow(0);
    EXPECT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->GetCurrentDocumentId() == 2; }));
    EXPECT_EQ(page->GetCounterText(), "(1/3)");
    m_frame->Commands().find(30000)->trigger();
    EXPECT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->GetCurrentDocumentId() == 4; }));
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(" | ");
}

TEST_F(FavouritesWebTest, AFavouriteThatNamesNoDocumentIsAnInvalidLink) {
    ASSERT_TRUE(CXmlStore(tavlinApp()->folders()).AddFavourite("Zrušený zákon"));
    startReader();
    EXPECT_EQ(menuFavourites(), QStringList{"30000 Zrušený zákon"});
    EXPECT_EQ(pageRows().last(), "0 Zrušený zákon");
    m_frame->Commands().find(30000)->trigger();
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_INVALID_LINK)});
}

TEST_F(FavouritesWebTest, ANoteIsWrittenSeenAsTheIconEditedAndEmptied) {
    // On the start page the note command does nothing.
    int opened = 0;
    QTimer* waiting = answerNoteDialog([](CNoteDlg& dlg) { dlg.reject(); }, &opened);
    m_frame->OnCommand(ID_NOTE);
    QApplication::processEvents();
    EXPECT_EQ(opened, 0);
    waiting->stop();

    show(3);
    EXPECT_FALSE(titlePage(3).contains("OnNote()"));
    QString shownName;
    answerNoteDialog(
        [&shownName](CNoteDlg& dlg) {
            shownName = dlg.m_strDocName;
            saveNote(dlg, "první\ndruhá");
        },
        &opened);
    m_frame->OnCommand(ID_NOTE);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(shownName, "Hrad");
    EXPECT_TRUE(titlePage(3).contains("javascript:OnNote()"));
    EXPECT_EQ(CXmlStore(tavlinApp()->folders()).GetNote("Hrad"), "první\ndruhá");

    // The icon's link opens the same dialog, with the lines as they were stored.
    QString shownNote;
    answerNoteDialog(
        [&shownNote](CNoteDlg& dlg) {
            shownNote = dlg.findChild<QPlainTextEdit*>()->toPlainText();
            dlg.findChild<QPlainTextEdit*>()->setPlainText("zahozeno");
            dlg.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        },
        &opened);
    // The title frame is reloaded after the save: the click waits for its icon.
    ASSERT_TRUE(waitUntil([&] {
        return runScript(m_frame->GetHtmlView()->page(),
                         "(function () { try { var a = window.frames['frm1'].document"
                         ".querySelector('a[href=\"javascript:OnNote()\"]');"
                         " if (a) { a.click(); return true; } } catch (e) {} return false; })()")
            .toBool();
    }));
    ASSERT_TRUE(waitUntil([&] { return opened == 2; }));
    EXPECT_EQ(shownNote, "první\ndruhá");
    EXPECT_EQ(CXmlStore(tavlinApp()->folders()).GetNote("Hrad"), "první\ndruhá");

    // An emptied note takes the icon away and keeps its entry.
    answerNoteDialog([](CNoteDlg& dlg) { saveNote(dlg, QString()); }, &opened);
    m_frame->OnCommand(ID_NOTE);
    EXPECT_EQ(opened, 3);
    EXPECT_FALSE(titlePage(3).contains("OnNote()"));
    EXPECT_TRUE(readFile(tavlinApp()->folders().GetNotesPath()).contains("<tnt:doctext/>"));
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(" | ");
}

TEST_F(FavouritesWebTest, HelpShowsTheHelpPage) {
    m_frame->OnCommand(ID_HELP);
    EXPECT_TRUE(waitUntil(
        [&] { return m_frame->GetHtmlView()->url().toString().endsWith("/Html/Help.html"); }));
    m_frame->OnCommand(ID_START_PAGE);
    EXPECT_TRUE(waitUntil(
        [&] { return m_frame->GetHtmlView()->url().toString().endsWith("/Html/Index.html"); }));
}
