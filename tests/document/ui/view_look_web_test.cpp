#include "document/ui/ReaderWindowFixture.h"
#include "frame/Looks.h"
#include "frame/ui/CommandBars.h"
#include "navigation/ui/TvFormView.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QPalette>
#include <QWheelEvent>

namespace {
const char* const kCollection = R"SQL(
INSERT INTO dokument (ID, jmeno, ozn, pohled, obor, typ, poradi, norma, uroven, priloha, novinka,
                      nasledovnik, platnostZacatek, platnostKonec, redirectId, redirectPar,
                      typnovelizace) VALUES
    (1, 'Zákon o ukázce', 'DP', 1, 0, 1, 1, '1/2006 Sb.', 0, NULL, NULL, 0, NULL, NULL, 0, NULL, 1);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (10, 1, 1, '<p id="p1">Text zákona.</p>', NULL, NULL);
)SQL";

class ViewLookTest : public ReaderWindowFixture {
protected:
    ViewLookTest() : ReaderWindowFixture(kCollection) {}

    void openDocument() {
        m_frame->OnCommand(ID_FIXED_LAW_FIRST);
        ASSERT_TRUE(waitUntil([&] {
            return m_view->GetCurrentDocumentId() == 1 && loadsSettled() &&
                   runScript(QStringLiteral("(function () { try { return window.frames['frm2']"
                                            ".document.readyState === 'complete'; } catch (e) { "
                                            "return false; } })()"))
                       .toBool();
        }));
    }
    void recreateFrame() {
        m_frame.reset();
        m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
        m_view = m_frame->GetHtmlView();
        m_frame->show();
    }
};
} // namespace

TEST_F(ViewLookTest, ZoomStepsAreStoredAndComeBackAtTheNextStart) {
    EXPECT_DOUBLE_EQ(m_view->zoomFactor(), 1.0);
    openDocument();
    m_frame->OnCommand(ID_ZOOM_IN);
    m_frame->OnCommand(ID_ZOOM_IN);
    EXPECT_EQ(m_view->GetZoom(), 125);
    EXPECT_DOUBLE_EQ(m_view->zoomFactor(), 1.25);
    EXPECT_EQ(GetProfileInt("Settings", "Zoom", 0), 125);
    // The page itself is laid out larger: fewer CSS pixels fit into the frame.
    EXPECT_TRUE(waitUntil(
        [&] { return runScript(QStringLiteral("window.devicePixelRatio")).toDouble() > 1.2; }));

    // Ctrl+wheel on the page steps as well; a plain wheel does not.
    QWidget* target = m_view->focusProxy();
    ASSERT_NE(target, nullptr);
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent down(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &down);
    EXPECT_EQ(m_view->GetZoom(), 110);
    QWheelEvent plain(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &plain);
    EXPECT_EQ(m_view->GetZoom(), 110);

    for (int i = 0; i < 20; ++i)
        m_frame->OnCommand(ID_ZOOM_OUT);
    EXPECT_EQ(m_view->GetZoom(), 50);
    m_frame->OnCommand(ID_ZOOM_IN);
    EXPECT_EQ(m_view->GetZoom(), 67);

    recreateFrame();
    EXPECT_EQ(m_view->GetZoom(), 67);
    EXPECT_DOUBLE_EQ(m_view->zoomFactor(), 0.67);
    m_frame->OnCommand(ID_ZOOM_RESET);
    EXPECT_EQ(GetProfileInt("Settings", "Zoom", 0), 100);

    // A stored value out of range is brought back into it.
    ASSERT_TRUE(WriteProfileInt("Settings", "Zoom", 5000));
    recreateFrame();
    EXPECT_EQ(m_view->GetZoom(), 300);
}

TEST_F(ViewLookTest, DarkLookPaintsThePanesAndTheDocumentsDark) {
    openDocument();
    const QString background = QStringLiteral(
        "(function () { try { var d = window.frames['frm2'].document;"
        " return d.readyState === 'complete' ?"
        " getComputedStyle(d.body).backgroundColor : ''; } catch (e) { return ''; } })()");
    EXPECT_EQ(runScript(background).toString(), QStringLiteral("rgb(255, 253, 248)"));

    tavlinApp()->setAppLook(kDarkAppLook);
    m_frame->ApplyLookColours();
    EXPECT_TRUE(m_view->HasDarkDocuments());
    EXPECT_EQ(m_frame->GetNavView()->palette().color(QPalette::Window), QColor(0x2B, 0x2D, 0x31));
    EXPECT_LT(QApplication::palette().color(QPalette::Base).lightness(), 64);
    EXPECT_GT(QApplication::palette().color(QPalette::Text).lightness(), 192);
    // The shown document is loaded again in its dark style, and so is the next one.
    EXPECT_TRUE(waitUntil([&] {
        return runScript(background).toString() == QStringLiteral("rgb(30, 32, 36)");
    })) << runScript(background).toString().toStdString();
    openDocument();
    EXPECT_TRUE(waitUntil(
        [&] { return runScript(background).toString() == QStringLiteral("rgb(30, 32, 36)"); }));
    const QString titleBackground = QStringLiteral(
        "(function () { try { return getComputedStyle(window.frames['frm1'].document.body)"
        ".backgroundColor; } catch (e) { return ''; } })()");
    EXPECT_TRUE(waitUntil([&] {
        return runScript(titleBackground).toString() == QStringLiteral("rgb(43, 45, 49)");
    })) << runScript(titleBackground).toString().toStdString();

    // Back to the 2003 look: light documents again.
    tavlinApp()->setAppLook(2);
    m_frame->ApplyLookColours();
    EXPECT_FALSE(m_view->HasDarkDocuments());
    EXPECT_TRUE(waitUntil(
        [&] { return runScript(background).toString() == QStringLiteral("rgb(255, 253, 248)"); }));
    EXPECT_GT(QApplication::palette().color(QPalette::Base).lightness(), 192);
}
