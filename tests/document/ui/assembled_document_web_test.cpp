#include "app/ui/TavlinApp.h"
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
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Two documents that refer to each other, the second with a paragraph far down its text.
const char* const kCollection = R"SQL(
INSERT INTO dokument (ID, jmeno, ozn, pohled, obor, typ, poradi, norma, uroven, priloha, novinka,
                      nasledovnik, platnostZacatek, platnostKonec, redirectId, redirectPar,
                      typnovelizace) VALUES
    (1, 'Zákon o ukázkových poplatcích', 'DP', 1, 0, 1, 1, '1/2006 Sb.', 0, NULL, NULL, 0, NULL,
     NULL, 0, NULL, 1),
    (2, 'Vyhláška o ukázkových tiskopisech', 'VUT', 1, 0, 2, 2, '2/2006 Sb.', 0, NULL, NULL, 0,
     NULL, NULL, 0, NULL, 1);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (10, 1, 1, '<p>§ 1 Poplatek se platí podle <a id="to2" href="javascript:sestavDoc(''2#par3'')">§ 3 vyhlášky</a>.</p>
<p>Viz též <a id="missing" href="javascript:sestavDoc(''999'')">zrušený předpis</a>.</p>', NULL, NULL),
    (20, 2, 1, '<p>§ 1 Tiskopisy</p><div style="height:3000px"></div>', NULL, NULL),
    (21, 2, 2, '<p><a name="par3"></a>§ 3 Vzor tiskopisu</p><div style="height:3000px"></div>', NULL, NULL);
)SQL";

class AssembledDocumentTest : public ReaderWindowFixture {
protected:
    AssembledDocumentTest() : ReaderWindowFixture(kCollection) {}

    // The body frame's location once document `id` is shown and its body has loaded.
    QString bodyLocation(int id) {
        QString location;
        const bool shown = waitUntil([&] {
            if (m_view->GetCurrentDocumentId() != id)
                return false;
            location =
                runScript(QStringLiteral("(function () { try { var f = window.frames['frm2'];"
                                         " return f.document.readyState === 'complete' &&"
                                         " f.location.protocol === 'file:' ? f.location.href : '';"
                                         " } catch (e) { return ''; } })()"))
                    .toString();
            return !location.isEmpty();
        });
        return shown ? location : QString();
    }
};
} // namespace

TEST_F(AssembledDocumentTest, CrossReferenceOpensTheOtherDocumentAtItsParagraph) {
    RecordedMessages messages;
    // The first fixed law of the favourites menu is designation "DP".
    m_frame->Commands().find(ID_FIXED_LAW_FIRST)->trigger();
    EXPECT_TRUE(bodyLocation(1).endsWith(QStringLiteral("/B1.html"))) << bodyLocation(1);

    runScript(QStringLiteral("window.frames['frm2'].document.getElementById('to2').click()"));
    const QString body = bodyLocation(2);
    EXPECT_TRUE(body.endsWith(QStringLiteral("/B2.html#par3"))) << body;
    EXPECT_GT(runScript(QStringLiteral("window.frames['frm2'].scrollY")).toInt(), 2000);
    ASSERT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->CanGoBack(); }));

    m_frame->OnCommand(ID_GO_BACK);
    EXPECT_TRUE(bodyLocation(1).endsWith(QStringLiteral("/B1.html")));
    ASSERT_TRUE(waitUntil([&] { return m_frame->GetHtmlView()->CanGoForward(); }));
    m_frame->OnCommand(ID_GO_FORWARD);
    EXPECT_TRUE(bodyLocation(2).endsWith(QStringLiteral("/B2.html#par3")));
    m_frame->OnCommand(ID_GO_BACK);
    ASSERT_FALSE(bodyLocation(1).isEmpty());

    runScript(QStringLiteral("window.frames['frm2'].document.getElementById('missing').click()"));
    ASSERT_TRUE(waitUntil([&] { return !messages.texts.isEmpty(); }));
    EXPECT_EQ(messages.texts, QStringList{LoadResString(IDS_INVALID_LINK)});
    EXPECT_EQ(m_view->GetCurrentDocumentId(), 1);
}

TEST_F(AssembledDocumentTest, AHitOpenedFromTheSearchPageShowsTheSearchedWordsMarked) {
    RecordedMessages messages;
    BuildFulltextIndex(*tavlinApp()->database(), m_program.file("Index"));
    CTvFormView* navigation = m_frame->GetNavView();
    navigation->GetTabWnd()->setCurrentIndex(3);
    auto* page = dynamic_cast<CsHledatPage*>(navigation->GetPage(3));
    ASSERT_NE(page, nullptr);
    page->m_cbSearch->setEditText(QStringLiteral("tiskopisy"));
    page->RunSearch();
    ASSERT_TRUE(waitUntil([page] { return !page->isSearching(); }));
    ASSERT_EQ(page->m_pModel->rowCount(), 1) << messages.texts.join(" | ");

    page->m_list->setCurrentIndex(page->m_pModel->index(0, 0));
    EXPECT_TRUE(bodyLocation(2).endsWith(QStringLiteral("/B2.html#prvniNalezeny")));
    const QString marks = QStringLiteral(
        "window.frames['frm2'].document.querySelectorAll('span.tavlinNalez').length");
    // Every form found in the document is marked: "Tiskopisy" and "tiskopisu".
    ASSERT_TRUE(waitUntil([&] { return runScript(marks).toInt() == 2; }));
    EXPECT_EQ(runScript(QStringLiteral("window.frames['frm2'].document"
                                       ".getElementsByName('prvniNalezeny').length"))
                  .toInt(),
              1);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(" | ");
}

namespace {
// Two of our own Markdown law files imported as a user would, the decree referring to the act.
class ImportedLawTest : public AssembledDocumentTest {
protected:
    void createCollection() override {
        const QString laws = QStringLiteral(TAVLIN_SOURCE_DIR "/tests/fixtures/laws");
        QString error;
        ASSERT_EQ(runProgram(QStringLiteral(TAVLIN_CLI_BINARY),
                             {"db", "import", "--out", m_program.file("Data/TavlinDemo.db"),
                              laws + "/901-2019.md", laws + "/902-2019.md"},
                             m_program.path(), {}, nullptr, &error),
                  0)
            << error;
    }
};
} // namespace

TEST_F(ImportedLawTest, TheReaderFollowsAReferenceIntoTheOtherLawAndOpensAnAnnex) {
    RecordedMessages messages;
    // The act is 901/2019 Sb. (document 1), the decree 902/2019 Sb. (document 2).
    ASSERT_TRUE(m_frame->GetNavView()->OpenDocument(2, QString(), nullptr));
    EXPECT_TRUE(bodyLocation(2).endsWith(QStringLiteral("/B2.html"))) << bodyLocation(2);
    runScript(QStringLiteral("window.frames['frm2'].document.querySelector("
                             "'a[href*=\"1#par2a\"]').click()"));
    EXPECT_TRUE(bodyLocation(1).endsWith(QStringLiteral("/B1.html#par2a"))) << bodyLocation(1);
    EXPECT_EQ(runScript(QStringLiteral("window.frames['frm2'].document.getElementsByName('par2a')"
                                       "[0].nextElementSibling.textContent"))
                  .toString(),
              QStringLiteral("§ 2a"));

    ASSERT_TRUE(m_frame->GetNavView()->OpenDocument(1, QStringLiteral("#priloha1"), nullptr));
    EXPECT_TRUE(
        waitUntil([&] { return bodyLocation(1).endsWith(QStringLiteral("/B1.html#priloha1")); }));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(" | ");
}
