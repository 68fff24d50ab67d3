#include "document/ui/ReaderWindowFixture.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/ReadingDay.h"
#include "frame/ui/ValidOnField.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "support/RecordedMessages.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QToolBar>

namespace {
// A law whose § 2 changed on 1. 1. 2010, far down its text, and a decree it refers to.
const char* const kCollection = R"SQL(
INSERT INTO dokument (ID, jmeno, ozn, pohled, obor, typ, poradi, norma, uroven, priloha, novinka,
                      nasledovnik, platnostZacatek, platnostKonec, redirectId, redirectPar,
                      typnovelizace) VALUES
    (1, 'Zákon o ukázkových sazbách', 'DP', 1, 0, 1, 1, '1/2006 Sb.', 0, NULL, NULL, 0, NULL,
     NULL, 0, NULL, 1),
    (2, 'Vyhláška o ukázkách', 'VU', 1, 0, 2, 2, '2/2006 Sb.', 0, NULL, NULL, 0, NULL, NULL, 0,
     NULL, 1);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (10, 1, 1, '<h3>§ 1</h3><p>Viz <a id="to2" href="javascript:sestavDoc(''2'')">vyhláška</a>.</p><div style="height:3000px"></div>', NULL, NULL),
    (11, 1, 2, '<a name="par2"></a><h3>§ 2</h3><p>Platí stará sazba daně.</p><div style="height:3000px"></div>', NULL, '2010-01-01'),
    (12, 1, 2, '<a name="par2"></a><h3>§ 2</h3><p>Platí nová sazba daně.</p><div style="height:3000px"></div>', '2010-01-01', NULL),
    (20, 2, 1, '<p>Vyhláška původní</p>', NULL, '2010-01-01'),
    (21, 2, 1, '<p>Vyhláška nová</p>', '2010-01-01', NULL);
)SQL";

class ReadingDayTest : public ReaderWindowFixture {
protected:
    ReadingDayTest() : ReaderWindowFixture(kCollection) {}

    ValidOnField* field() const {
        return m_frame->GetSearchBar()->findChild<ValidOnField*>(QStringLiteral("validOnField"));
    }
    QVariant inBody(const QString& expression) {
        return runScript(QStringLiteral("(function () { try { var doc = "
                                        "window.frames['frm2'].document; return %1; } catch (e) "
                                        "{ return null; } })()")
                             .arg(expression));
    }
    // Waits until the body frame of the shown page ends with `suffix` and has loaded.
    bool bodyShown(const QString& suffix) {
        return waitUntil([&] {
            const QString href =
                inBody(QStringLiteral("doc.readyState === 'complete' ? doc.location.href : ''"))
                    .toString();
            return href.endsWith(suffix) && loadsSettled();
        });
    }
    QString bodyText() { return inBody(QStringLiteral("doc.body.innerText")).toString(); }
    QString titleText() {
        return runScript(QStringLiteral("window.frames['frm1'].document.body.innerText"))
            .toString();
    }
};
} // namespace

TEST_F(ReadingDayTest, ChosenDayReassemblesAtTheSamePlaceAndHistoryKeepsIt) {
    RecordedMessages messages;
    ASSERT_NE(field(), nullptr);
    EXPECT_EQ(field()->day(), QDate());
    EXPECT_EQ(field()->text(), QStringLiteral("dnes"));
    m_frame->Commands().find(ID_FIXED_LAW_FIRST)->trigger();
    ASSERT_TRUE(bodyShown(QStringLiteral("/B1.html")));
    EXPECT_TRUE(bodyText().contains(QStringLiteral("nová sazba")));
    inBody(QStringLiteral("doc.getElementsByName('par2')[0].scrollIntoView()"));

    // The user picks a day; the document comes again as valid then, at § 2.
    field()->setDate(QDate(2009, 6, 1));
    ASSERT_TRUE(bodyShown(QStringLiteral("/B1_2009-06-01.html#par2")));
    EXPECT_TRUE(bodyText().contains(QStringLiteral("stará sazba")));
    EXPECT_GT(inBody(QStringLiteral("doc.defaultView.scrollY")).toInt(), 2000);
    EXPECT_TRUE(titleText().contains(QStringLiteral("Znění platné ke dni 1. 6. 2009")))
        << titleText().toStdString();

    // A link without a day of its own opens as valid on the chosen day.
    inBody(QStringLiteral("doc.getElementById('to2').click()"));
    ASSERT_TRUE(bodyShown(QStringLiteral("/B2_2009-06-01.html")));
    EXPECT_TRUE(bodyText().contains(QStringLiteral("Vyhláška původní")));

    // Back to today's text, then back and forward through the history: the field follows.
    field()->setDate(field()->minimumDate());
    ASSERT_TRUE(bodyShown(QStringLiteral("/B2.html")));
    EXPECT_TRUE(bodyText().contains(QStringLiteral("Vyhláška nová")));
    EXPECT_FALSE(titleText().contains(QStringLiteral("Znění platné")));
    EXPECT_EQ(m_frame->GetNavView()->GetValidOnDay(), QDate());

    m_frame->OnCommand(ID_GO_BACK);
    ASSERT_TRUE(bodyShown(QStringLiteral("/B2_2009-06-01.html")));
    EXPECT_EQ(field()->day(), QDate(2009, 6, 1));
    EXPECT_EQ(m_frame->GetNavView()->GetValidOnDay(), QDate(2009, 6, 1));
    EXPECT_TRUE(bodyText().contains(QStringLiteral("Vyhláška původní")));

    m_frame->OnCommand(ID_GO_FORWARD);
    ASSERT_TRUE(bodyShown(QStringLiteral("/B2.html")));
    EXPECT_EQ(field()->day(), QDate());
    EXPECT_EQ(m_frame->GetNavView()->GetValidOnDay(), QDate());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ReadingDayTest, ComparisonPageMarksTheChangedSectionAndWords) {
    // Nothing to compare on the start page.
    m_frame->UpdateCommandUI();
    EXPECT_FALSE(m_frame->Commands().find(ID_COMPARE)->isEnabled());
    m_frame->Commands().find(ID_FIXED_LAW_FIRST)->trigger();
    ASSERT_TRUE(bodyShown(QStringLiteral("/B1.html")));
    m_frame->UpdateCommandUI();
    EXPECT_TRUE(m_frame->Commands().find(ID_COMPARE)->isEnabled());

    ASSERT_TRUE(m_frame->GetReadingDay().Compare(QDate(2009, 12, 31), QDate(2010, 1, 1)));
    ASSERT_TRUE(bodyShown(QStringLiteral("/B1_2009-12-31_2010-01-01.html")));
    EXPECT_EQ(inBody(QStringLiteral("doc.querySelectorAll('.tv-zmeneno').length")).toInt(), 1);
    EXPECT_EQ(inBody(QStringLiteral("doc.querySelector('ins.tv-slovo').textContent")).toString(),
              QStringLiteral("nová"));
    EXPECT_EQ(inBody(QStringLiteral("doc.querySelector('del.tv-slovo').textContent")).toString(),
              QStringLiteral("stará"));
    EXPECT_EQ(
        inBody(QStringLiteral("doc.querySelector('.tv-porovnani li a').textContent")).toString(),
        QStringLiteral("§ 2"));
    EXPECT_TRUE(titleText().contains(QStringLiteral("Porovnání znění ke dni 31. 12. 2009")));
    // The field keeps its day: a comparison is no day of its own.
    EXPECT_EQ(field()->day(), QDate());
}
