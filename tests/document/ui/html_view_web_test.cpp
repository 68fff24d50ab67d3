#include "app/ui/TavlinApp.h"
#include "document/ui/DocumentFind.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/LoadWatch.h"
#include "support/RecordedMessages.h"
#include "support/RunScript.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct OpenRequest {
    int id;
    QString anchor;
    QDate day; // invalid: today
};

// A main window whose document view shows small framesets like the assembled documents: a title
// frame "frm1" and a body frame "frm2" with the program's own links.
class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
        m_view = m_frame->GetHtmlView();
        m_view->SetDocumentOpener([this](int id, const QString& anchor, const QDateTime* validOn) {
            m_opened.push_back({id, anchor, validOn ? validOn->date() : QDate()});
            if (id != 1 && id != 2)
                return false;
            showDocument(id, anchor);
            return true;
        });
        QObject::connect(m_view, &CTvHtmlView::noteRequested, [this] { ++m_notes; });
        m_loads = std::make_unique<LoadWatch>(m_view->page());
        m_frame->show();
    }
    void TearDown() override {
        m_frame.reset();
        QStandardPaths::setTestModeEnabled(true);
    }

    QString path(const QString& name) const { return m_pages.filePath(name); }

    void write(const QString& name, const QString& html) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html.toUtf8());
    }

    void showDocument(int id, const QString& anchor) {
        write(QStringLiteral("T%1.html").arg(id),
              QStringLiteral("<html><body><h1>Dokument %1</h1>"
                             "<a id=\"note\" href=\"javascript:OnNote()\">Poznámka</a>"
                             "</body></html>")
                  .arg(id));
        QString body =
            QStringLiteral("<html><body><p id=\"top\">Zákon č. %1/2006 Sb.</p>"
                           "<a id=\"to2\" href=\"javascript:sestavDoc('2#par3')\">§ 3</a> "
                           "<a id=\"dated\" href=\"javascript:sestavDoc('2007-01-01__2')"
                           "\">znění 2007</a> "
                           "<a id=\"missing\" href=\"javascript:sestavDoc('999')\">x</a> "
                           "<a id=\"zero\" href=\"javascript:sestavDoc('0')\">y</a> "
                           "<a id=\"foreign\" href=\"javascript:document.body.setAttribute("
                           "'data-ran', 'yes')\">z</a> "
                           "<map name=\"m\"><area id=\"mapped\" shape=\"rect\" "
                           "coords=\"0,0,10,10\" href=\"javascript:sestavDoc('2')\"></map>")
                .arg(id);
        for (int par = 1; par <= 5; ++par)
            body += QStringLiteral("<div style=\"height:1500px\"><a name=\"par%1\"></a>§ %1</div>")
                        .arg(par);
        write(QStringLiteral("B%1.html").arg(id), body + QStringLiteral("</body></html>"));
        write(QStringLiteral("D%1.html").arg(id),
              QStringLiteral("<html><head><title>Dokument %1</title></head>"
                             "<frameset rows=\"80,*\"><frame name=\"frm1\" src=\"T%1.html\">"
                             "<frame name=\"frm2\" src=\"B%1.html%2\"></frameset></html>")
                  .arg(id)
                  .arg(anchor));
        m_view->Navigate2(path(QStringLiteral("D%1.html").arg(id)));
    }

    QVariant runScript(const QString& script) { return ::runScript(m_view->page(), script); }

    QString targetLocation() {
        QVariant result;
        bool done = false;
        m_view->RunInTargetDocument(QStringLiteral("return doc.location.href;"),
                                    [&](const QVariant& value) {
                                        result = value;
                                        done = true;
                                    });
        EXPECT_TRUE(waitUntil([&] { return done; }));
        return result.toString();
    }

    // Waits until document `id` is shown and its body frame is ready.
    bool documentShown(int id) {
        const QString frameset = QStringLiteral("/D%1.html").arg(id);
        const QString script =
            QStringLiteral("(function () { try { var d = window.frames['frm2'].document;"
                           " return d.readyState === 'complete' && !!d.getElementById('to2'); }"
                           " catch (e) { return false; } })()");
        return waitUntil([&] {
            return m_view->url().toString().endsWith(frameset) && m_loads->settled() &&
                   runScript(script).toBool();
        });
    }

    void click(const QString& frame, const QString& elementId) {
        runScript(QStringLiteral("window.frames['%1'].document.getElementById('%2').click()")
                      .arg(frame, elementId));
    }

    QTemporaryDir m_config;
    QTemporaryDir m_pages;
    std::unique_ptr<CMainFrame> m_frame;
    CTvHtmlView* m_view = nullptr;
    std::unique_ptr<LoadWatch> m_loads;
    std::vector<OpenRequest> m_opened;
    int m_notes = 0;
};
} // namespace

TEST_F(HtmlViewTest, DocumentLinkOpensTheDocumentAtItsAnchorAndHistoryMoves) {
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));
    EXPECT_EQ(m_view->GetCurrentDocumentId(), 1);
    EXPECT_FALSE(m_frame->Commands().find(ID_GO_BACK)->isEnabled());

    click(QStringLiteral("frm2"), QStringLiteral("to2"));
    ASSERT_TRUE(documentShown(2));
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].id, 2);
    EXPECT_EQ(m_opened[0].anchor, QStringLiteral("#par3"));
    EXPECT_FALSE(m_opened[0].day.isValid());
    EXPECT_TRUE(targetLocation().endsWith(QStringLiteral("/B2.html#par3"))) << targetLocation();
    EXPECT_GT(runScript(QStringLiteral("window.frames['frm2'].scrollY")).toInt(), 1000);
    EXPECT_EQ(m_view->GetCurrentDocumentId(), 2);
    ASSERT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->CanGoBack(); }));
    EXPECT_TRUE(m_frame->Commands().find(ID_GO_BACK)->isEnabled());
    EXPECT_FALSE(m_frame->Commands().find(ID_GO_FORWARD)->isEnabled());

    m_frame->OnCommand(ID_GO_BACK);
    ASSERT_TRUE(documentShown(1));
    ASSERT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->CanGoForward(); }));
    EXPECT_TRUE(m_frame->Commands().find(ID_GO_FORWARD)->isEnabled());
    EXPECT_EQ(m_view->GetCurrentDocumentId(), 1);

    // The browser's Forward key pressed while the navigation pane has the focus.
    QKeyEvent forward(QEvent::KeyPress, Qt::Key_Forward, Qt::NoModifier);
    QApplication::sendEvent(m_frame->GetNavView(), &forward);
    ASSERT_TRUE(documentShown(2));
    // The mouse's back button over the navigation pane.
    QMouseEvent back(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::BackButton,
                     Qt::BackButton, Qt::NoModifier);
    QApplication::sendEvent(m_frame->GetNavView(), &back);
    ASSERT_TRUE(documentShown(1));
    EXPECT_EQ(m_opened.size(), 1u);
}

TEST_F(HtmlViewTest, DatedMissingAndZeroLinksAndTheNoteIcon) {
    RecordedMessages messages;
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));

    click(QStringLiteral("frm2"), QStringLiteral("missing"));
    ASSERT_TRUE(waitUntil([&] { return !messages.texts.isEmpty(); }));
    EXPECT_EQ(messages.texts, QStringList{LoadResString(IDS_INVALID_LINK)});
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].id, 999);
    EXPECT_EQ(m_view->GetCurrentDocumentId(), 1);

    // Identifier 0 is left to the browser: nothing is opened, nothing is said.
    click(QStringLiteral("frm2"), QStringLiteral("zero"));
    click(QStringLiteral("frm1"), QStringLiteral("note"));
    ASSERT_TRUE(waitUntil([&] { return m_notes == 1; }));
    settle(300);
    EXPECT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(m_view->url().toString().endsWith(QStringLiteral("/D1.html")));

    click(QStringLiteral("frm2"), QStringLiteral("dated"));
    ASSERT_TRUE(documentShown(2));
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(m_opened[1].id, 2);
    EXPECT_EQ(m_opened[1].anchor, QString());
    EXPECT_EQ(m_opened[1].day, QDate(2007, 1, 1));
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(HtmlViewTest, ImageMapLinksAreTheProgramsAndOtherScriptLinksRunAsTheBrowserRunsThem) {
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));
    click(QStringLiteral("frm2"), QStringLiteral("foreign"));
    EXPECT_TRUE(waitUntil([&] {
        return runScript("window.frames['frm2'].document.body.getAttribute('data-ran')")
                   .toString() == "yes";
    }));
    EXPECT_TRUE(m_opened.empty());

    click(QStringLiteral("frm2"), QStringLiteral("mapped"));
    ASSERT_TRUE(documentShown(2));
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].id, 2);
}

TEST_F(HtmlViewTest, TheShownDocumentShownAgainLandsAtTheNewAnchorOrAtTheTop) {
    const auto scrolledTo = [this](const QString& anchor) {
        return waitUntil([&] {
            return targetLocation().endsWith("/B1.html" + anchor) &&
                   runScript("window.frames['frm2'].document.readyState").toString() == "complete";
        });
    };
    const auto scrollY = [this] { return runScript("window.frames['frm2'].scrollY").toInt(); };
    showDocument(1, QStringLiteral("#par3"));
    ASSERT_TRUE(documentShown(1));
    ASSERT_TRUE(scrolledTo("#par3"));
    ASSERT_TRUE(waitUntil([&] { return scrollY() > 1000; }));
    const int atPar3 = scrollY();

    showDocument(1, QString());
    ASSERT_TRUE(scrolledTo(QString()));
    settle(300);
    EXPECT_EQ(scrollY(), 0);

    showDocument(1, QStringLiteral("#par5"));
    ASSERT_TRUE(scrolledTo("#par5"));
    EXPECT_TRUE(waitUntil([&] { return scrollY() > atPar3; }));
    showDocument(1, QStringLiteral("#par3"));
    ASSERT_TRUE(scrolledTo("#par3"));
    EXPECT_TRUE(waitUntil([&] { return scrollY() == atPar3; }));
}

TEST_F(HtmlViewTest, FindStateIsResetByEveryNavigation) {
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));
    int finished = 0;
    QObject::connect(&m_view->GetFind(), &DocumentFind::finished, [&] { ++finished; });
    m_view->FindInText(QStringLiteral("§"));
    m_view->FindSearchedNext(QStringLiteral("zákon"), {QStringLiteral("zákon")});
    ASSERT_TRUE(waitUntil([&] { return finished == 2; }));
    EXPECT_EQ(m_view->GetFind().bookmarks().m_strFindText, QStringLiteral("§"));
    EXPECT_GE(m_view->GetFind().bookmarks().m_nFindBookmark, 0);
    EXPECT_EQ(m_view->GetFind().bookmarks().m_nSearchBookmark, 1);
    showDocument(2, QString());
    ASSERT_TRUE(documentShown(2));
    ASSERT_TRUE(waitUntil([&] { return m_view->GetFind().bookmarks().m_strFindText.isEmpty(); }));
    EXPECT_EQ(m_view->GetFind().bookmarks().m_nFindBookmark, -1);
    EXPECT_EQ(m_view->GetFind().bookmarks().m_nSearchBookmark, -1);
}

TEST_F(HtmlViewTest, TypingInTheDocumentGoesToTheFindBox) {
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));
    QComboBox* combo = m_frame->GetSearchCombo();
    combo->setEditText(QStringLiteral("starý text"));
    QWidget* target = m_view->focusProxy() ? m_view->focusProxy() : m_view;
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    QApplication::sendEvent(target, &letter);
    EXPECT_EQ(combo->currentText(), QStringLiteral("d"));
    // Enter and Ctrl combinations stay with the document.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &enter);
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(target, &ctrl);
    EXPECT_EQ(combo->currentText(), QStringLiteral("d"));
}

TEST_F(HtmlViewTest, NothingIsLoadedFromTheNetwork) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] { ++connections; });
    const QString remote = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    write(
        QStringLiteral("remote.html"),
        QStringLiteral("<html><body><img src=\"%1a.png\"><script src=\"%1b.js\"></script>"
                       "<iframe src=\"%1c.html\"></iframe><p id=\"done\">hotovo</p></body></html>")
            .arg(remote));
    bool finished = false;
    QObject::connect(m_view, &QWebEngineView::loadFinished, [&] { finished = true; });
    m_view->Navigate2(path(QStringLiteral("remote.html")));
    ASSERT_TRUE(waitUntil([&] { return finished; }));
    settle(500);
    EXPECT_EQ(connections, 0);
    EXPECT_TRUE(runScript(QStringLiteral("!!document.getElementById('done')")).toBool());

    // Nor does a page itself come from there, whoever asks for it.
    finished = false;
    m_view->load(QUrl(remote + QStringLiteral("page.html")));
    ASSERT_TRUE(waitUntil([&] { return finished; }));
    settle(300);
    EXPECT_EQ(connections, 0);
}

TEST_F(HtmlViewTest, RendererThatDiesIsRestartedAFewTimesOnly) {
    showDocument(1, QString());
    ASSERT_TRUE(documentShown(1));
    int terminations = 0;
    int restored = 0;
    QObject::connect(m_view->page(), &QWebEnginePage::renderProcessTerminated,
                     [&] { ++terminations; });
    QObject::connect(m_view, &QWebEngineView::loadFinished, [&](bool ok) {
        if (ok && m_view->url().toString().endsWith(QStringLiteral("/D1.html")))
            ++restored;
    });
    for (int crash = 1; crash <= 4; ++crash) {
        m_view->load(QUrl(QStringLiteral("chrome://crash")));
        ASSERT_TRUE(waitUntil([&] { return terminations >= crash; })) << crash;
        if (crash <= 3) {
            ASSERT_TRUE(waitUntil([&] { return restored >= crash; })) << crash;
        }
    }
    settle(1500);
    EXPECT_EQ(terminations, 4);
    EXPECT_EQ(restored, 3);
    // A new page given to the view gets its reloads again.
    showDocument(2, QString());
    ASSERT_TRUE(documentShown(2));
}
