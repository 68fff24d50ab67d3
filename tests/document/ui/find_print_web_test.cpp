#include "app/ui/TavlinApp.h"
#include "document/ui/DocumentFind.h"
#include "document/ui/DocumentPrinter.h"
#include "document/ui/ReaderWindowFixture.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/FulltextIndex.h"
#include "search/SearchResultModel.h"
#include "search/ui/CsHledatPage.h"
#include "support/RecordedMessages.h"
#include "support/RunScript.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A document whose words "daň" and "příjem" stand in several places, one "daň" split by a tag,
// and a paragraph that changed in 2010.
const char* const kCollection = R"SQL(
INSERT INTO dokument (ID, jmeno, ozn, pohled, obor, typ, poradi, norma, uroven, priloha, novinka,
                      nasledovnik, platnostZacatek, platnostKonec, redirectId, redirectPar,
                      typnovelizace) VALUES
    (1, 'Zákon o ukázce', 'DP', 1, 0, 1, 1, '1/2006 Sb.', 0, NULL, NULL, 0, NULL, NULL, 0, NULL, 1);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (10, 1, 1, '<p id="p1">Daň z příjmů se platí.</p>
<p id="p2">Příjem je základ; <b>da</b>ň se vybírá.</p>', NULL, NULL),
    (11, 1, 2, '<p id="p3">Stará sazba činí 10 %.</p>', NULL, '2010-01-01'),
    (12, 1, 2, '<p id="p3">Nová sazba činí 15 %.</p>', '2010-01-01', NULL);
)SQL";

QString pdfText(const QString& file) {
    QString text;
    runProgram(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, QDir::tempPath(), {},
               &text);
    return text;
}

bool havePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

class FindPrintTest : public ReaderWindowFixture {
protected:
    FindPrintTest() : ReaderWindowFixture(kCollection) {}

    void SetUp() override {
        ReaderWindowFixture::SetUp();
        QObject::connect(&m_view->GetFind(), &DocumentFind::finished, [this] { ++m_nFinished; });
    }

    // Opens the document through its fixed-law command and waits for its body and for the end
    // of every load, whose completion would reset the find.
    void openDocument() {
        m_frame->OnCommand(ID_FIXED_LAW_FIRST);
        ASSERT_TRUE(waitUntil([&] {
            return m_view->GetCurrentDocumentId() == 1 && loadsSettled() &&
                   runScript(QStringLiteral("(function () { try { var d = window.frames['frm2']"
                                            ".document; return d.readyState === 'complete' &&"
                                            " !!d.getElementById('p2'); } catch (e) { return "
                                            "false; } })()"))
                       .toBool();
        }));
    }
    // Runs a command of the window and waits until the find has ended.
    void press(int id) {
        const int before = m_nFinished;
        m_frame->OnCommand(id);
        ASSERT_TRUE(waitUntil([&] { return m_nFinished > before; }));
    }
    // The selected text of the body and the paragraph it starts in.
    QString selection(const QString& frame = QStringLiteral("window.frames['frm2']")) {
        return runScript(QStringLiteral("(function () { var s = %1.document.getSelection();"
                                        " if (!s.rangeCount) return '';"
                                        " var n = s.getRangeAt(0).startContainer;"
                                        " while (n && !n.id) n = n.parentNode;"
                                        " return s.toString() + '@' + (n ? n.id : ''); })()")
                             .arg(frame))
            .toString();
    }
    void findInBox(const QString& text) {
        m_frame->GetSearchCombo()->setEditText(text);
        press(ID_FIND_IN_TEXT);
    }

    int m_nFinished = 0;
};
} // namespace

TEST_F(FindPrintTest, FindInTextStepsThroughTheBodyAndWrapsSilently) {
    RecordedMessages messages;
    openDocument();
    findInBox(QStringLiteral("daň"));
    EXPECT_EQ(selection(), QStringLiteral("Daň@p1"));
    findInBox(QStringLiteral("daň"));
    // The occurrence split by a tag is one occurrence.
    EXPECT_EQ(selection(), QStringLiteral("daň@p2"));
    findInBox(QStringLiteral("daň"));
    EXPECT_EQ(selection(), QStringLiteral("Daň@p1"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(" | ");
    // The title frame is not searched; a text that is nowhere says so at every press.
    findInBox(QStringLiteral("ukázce"));
    findInBox(QStringLiteral("ukázce"));
    const QString notFound = LoadResString(IDS_TEXT_NOT_FOUND).replace("%s", "ukázce");
    EXPECT_EQ(messages.texts, (QStringList{notFound, notFound}));
    EXPECT_EQ(notFound, QStringLiteral("Nebyl nalezen žádný výskyt hledaného textu: 'ukázce'"));
}

TEST_F(FindPrintTest, SearchedWordsStepForwardAndBackWithWrapAtBothEnds) {
    RecordedMessages messages;
    BuildFulltextIndex(*tavlinApp()->database(), m_program.file("Index"));
    m_frame->GetNavView()->GetTabWnd()->setCurrentIndex(3);
    auto* page = dynamic_cast<CsHledatPage*>(m_frame->GetNavView()->GetPage(3));
    ASSERT_NE(page, nullptr);
    page->m_cbSearch->setEditText(QStringLiteral("daň příjem"));
    page->RunSearch();
    ASSERT_TRUE(waitUntil([page] { return !page->isSearching(); }));
    ASSERT_EQ(page->m_pModel->rowCount(), 1) << messages.texts.join(" | ");
    page->m_list->setCurrentIndex(page->m_pModel->index(0, 0));
    ASSERT_TRUE(waitUntil([&] {
        return runScript(QStringLiteral("(function () { try { return window.frames['frm2']"
                                        ".document.querySelectorAll('span.tavlinNalez').length;"
                                        " } catch (e) { return 0; } })()"))
                   .toInt() >= 2;
    }));
    m_frame->UpdateCommandUI();
    ASSERT_TRUE(m_frame->Commands().find(ID_FIND_NEXT)->isEnabled());

    QStringList forward;
    for (int i = 0; i < 4; ++i) {
        press(ID_FIND_NEXT);
        forward << selection();
    }
    EXPECT_EQ(forward, (QStringList{"Daň@p1", "Příjem@p2", "daň@p2", "Daň@p1"}));
    // Back from the first: wraps to the last.
    QStringList backward;
    for (int i = 0; i < 4; ++i) {
        press(ID_FIND_PREVIOUS);
        backward << selection();
    }
    EXPECT_EQ(backward, (QStringList{"daň@p2", "Příjem@p2", "Daň@p1", "daň@p2"}));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(" | ");
}

TEST_F(FindPrintTest, CopyTakesTheSelectionAndCopyAllLeavesTheWholeBodySelected) {
    openDocument();
    findInBox(QStringLiteral("příjem"));
    ASSERT_EQ(selection(), QStringLiteral("Příjem@p2"));
    QApplication::clipboard()->clear();
    press(ID_EDIT_COPY);
    EXPECT_TRUE(waitUntil([] { return QApplication::clipboard()->text() == "Příjem"; }))
        << QApplication::clipboard()->text();

    press(ID_EDIT_COPY_ALL);
    ASSERT_TRUE(waitUntil([] {
        return QApplication::clipboard()->text().contains(QStringLiteral("Nová sazba"));
    })) << QApplication::clipboard()->text();
    const QString clipboard = QApplication::clipboard()->text();
    EXPECT_TRUE(clipboard.contains(QStringLiteral("Daň z příjmů se platí."))) << clipboard;
    EXPECT_EQ(runScript(QStringLiteral("(function () { var d = window.frames['frm2'].document;"
                                       " return d.getSelection().toString() === "
                                       "d.body.innerText; })()"))
                  .toBool(),
              true);
}

TEST_F(FindPrintTest, OnTheStartPageFindAndCopyWorkOnThePageItself) {
    QFile start(m_program.file("Html/Index.html"));
    ASSERT_TRUE(start.open(QIODevice::WriteOnly));
    start.write("<html><body><p id=\"s\">xx aa xx</p></body></html>");
    start.close();
    m_view->ShowStartPage();
    ASSERT_TRUE(waitUntil(
        [&] { return runScript(QStringLiteral("!!document.getElementById('s')")).toBool(); }));
    // The hit's offset in the paragraph's text (the marks of all occurrences split its node).
    const QString offset = QStringLiteral(
        "(function () { var r = document.getSelection().getRangeAt(0),"
        " before = document.createRange(); before.setStart(document.getElementById('s'), 0);"
        " before.setEnd(r.startContainer, r.startOffset); return before.toString().length; })()");
    findInBox(QStringLiteral("a"));
    EXPECT_EQ(runScript(offset).toInt(), 3);
    // The next search starts two characters after the hit: the adjacent "a" is skipped.
    findInBox(QStringLiteral("a"));
    EXPECT_EQ(runScript(offset).toInt(), 3);
    press(ID_EDIT_COPY_ALL);
    EXPECT_TRUE(waitUntil([] { return QApplication::clipboard()->text() == "xx aa xx"; }))
        << QApplication::clipboard()->text();
}

TEST_F(FindPrintTest, TwoPressesWithinASecondPrintOnceTheDocumentsPrintVersion) {
    openDocument();
    QTemporaryDir out;
    int dialogs = 0;
    m_view->GetPrinter().SetPrintDialog([&](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("tisk.pdf")));
        return true;
    });
    int finished = 0;
    bool bOk = false;
    QObject::connect(&m_view->GetPrinter(), &DocumentPrinter::printFinished, [&](bool ok) {
        ++finished;
        bOk = ok;
    });
    m_frame->OnCommand(ID_FILE_PRINT);
    settle(300);
    m_frame->OnCommand(ID_FILE_PRINT);
    ASSERT_TRUE(waitUntil([&] { return finished > 0; }, 30000));
    settle(1500);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(bOk);
    // The view goes on showing the print layout.
    EXPECT_EQ(runScript(QStringLiteral("window.frames['frm2'].document.title")).toString(),
              QStringLiteral("Text dokumentu k tisku"));
    // The printer gets the pages as pictures, so only the file itself can be checked here.
    EXPECT_GT(QFileInfo(out.filePath(QStringLiteral("tisk.pdf"))).size(), 1000);
}

TEST_F(FindPrintTest, SaveAsPdfWritesTheDocumentsText) {
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    openDocument();
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("zákon.pdf"));
    bool bDone = false;
    bool bOk = false;
    QObject::connect(&m_view->GetPrinter(), &DocumentPrinter::printFinished, [&](bool ok) {
        bDone = true;
        bOk = ok;
    });
    m_view->GetPrinter().SaveAsPdf(file);
    ASSERT_TRUE(waitUntil([&] { return bDone; }, 30000));
    EXPECT_TRUE(bOk);
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(QStringLiteral("Daň z příjmů se platí."))) << text;
    EXPECT_TRUE(text.contains(QStringLiteral("Nová sazba činí 15 %."))) << text;
}

TEST_F(FindPrintTest, PrintPdfSwitchWritesTheVersionOfTheDayWithoutAWindow) {
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir out;
    const QStringList environment{QStringLiteral("XDG_RUNTIME_DIR=") + m_runtime.path(),
                                  QStringLiteral("XDG_CONFIG_HOME=") + m_config.path()};
    const QString old = out.filePath(QStringLiteral("2005.pdf"));
    QString error;
    ASSERT_EQ(runProgram(TAVLIN_BINARY, {"--print-pdf", old, "--id", "1", "--date", "2005-06-01"},
                         m_program.path(), environment, nullptr, &error),
              0)
        << error;
    EXPECT_TRUE(pdfText(old).contains(QStringLiteral("Stará sazba činí 10 %."))) << pdfText(old);
    EXPECT_FALSE(pdfText(old).contains(QStringLiteral("Nová sazba")));

    // With an empty program folder it says what is missing.
    ASSERT_EQ(runProgram(TAVLIN_BINARY,
                         {"--print-pdf", "dnes.pdf", "--id", "1", "--folder", out.path()},
                         out.path(), environment, nullptr, &error),
              1);
    EXPECT_TRUE(error.contains(LoadResString(IDS_NO_DATA_FOLDER))) << error;
    // FILE is taken from the folder the command runs in, the program folder may be elsewhere.
    ASSERT_EQ(runProgram(TAVLIN_BINARY,
                         {"--print-pdf", "dnes.pdf", "--id", "1", "--folder", m_program.path()},
                         out.path(), environment, nullptr, &error),
              0)
        << error;
    EXPECT_TRUE(pdfText(out.filePath(QStringLiteral("dnes.pdf")))
                    .contains(QStringLiteral("Nová sazba činí 15 %.")));

    EXPECT_EQ(runProgram(TAVLIN_BINARY,
                         {"--print-pdf", out.filePath(QStringLiteral("x.pdf")), "--id", "999"},
                         m_program.path(), environment, nullptr, &error),
              1);
    EXPECT_TRUE(error.contains(QStringLiteral("Odkaz není platný."))) << error;
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("x.pdf"))));
    EXPECT_EQ(runProgram(TAVLIN_BINARY, {"--print-pdf", "x.pdf", "--id", "1", "--date", "1.1.2005"},
                         m_program.path(), environment, nullptr, &error),
              1);
    EXPECT_TRUE(error.contains(QStringLiteral("Neplatné datum: 1.1.2005"))) << error;
}

TEST_F(FindPrintTest, PrintPreviewShowsThePagesOfThePrintVersion) {
    openDocument();
    int pages = -1;
    // Closes the preview once it shows its pages.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        if (widget && widget->pageCount() > 0) {
            pages = widget->pageCount();
            preview->reject();
        }
    });
    poll.start(100);
    bool bDone = false;
    QObject::connect(&m_view->GetPrinter(), &DocumentPrinter::printFinished,
                     [&](bool) { bDone = true; });
    m_frame->OnCommand(ID_FILE_PRINT_PREVIEW);
    ASSERT_TRUE(waitUntil([&] { return bDone; }, 30000));
    EXPECT_GE(pages, 1);
    EXPECT_FALSE(m_view->GetPrinter().IsPrinting());
}

TEST_F(FindPrintTest, FindInTextMarksEveryOccurrenceAndCountsTheSteps) {
    RecordedMessages messages;
    openDocument();
    auto* status = m_frame->findChild<QLabel*>(QStringLiteral("messagePane"));
    ASSERT_NE(status, nullptr);
    const auto marks = [this] {
        return runScript(QStringLiteral("(function () { var m = window.frames['frm2'].document"
                                        ".querySelectorAll('mark.tv-vyskyt'), t = [];"
                                        " for (var i = 0; i < m.length; ++i) t.push(m[i]"
                                        ".textContent); return t.join('|'); })()"))
            .toString();
    };
    findInBox(QStringLiteral("daň"));
    EXPECT_EQ(status->text(), QStringLiteral("1 z 2"));
    // The occurrence split by a tag is marked in its two pieces.
    EXPECT_EQ(marks(), QStringLiteral("Daň|da|ň"));
    EXPECT_EQ(selection(), QStringLiteral("Daň@p1"));
    findInBox(QStringLiteral("daň"));
    EXPECT_EQ(status->text(), QStringLiteral("2 z 2"));
    EXPECT_EQ(selection(), QStringLiteral("daň@p2"));
    EXPECT_EQ(marks(), QStringLiteral("Daň|da|ň"));
    findInBox(QStringLiteral("daň"));
    EXPECT_EQ(status->text(), QStringLiteral("1 z 2"));

    // Another text takes the marks of the first away.
    findInBox(QStringLiteral("sazba"));
    EXPECT_EQ(status->text(), QStringLiteral("1 z 1"));
    EXPECT_EQ(marks(), QStringLiteral("sazba"));
    EXPECT_TRUE(messages.texts.isEmpty());
}
