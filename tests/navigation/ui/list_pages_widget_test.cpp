#include "NavigationTestSupport.h"
#include "platform/LaunchFlags.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

namespace {
using ListPages = NavigationFixture;

const QStringList kRegulations = {
    "Čtvrtletní vyhláška o cenách (demonstrační znění)",
    "Novela zákona o daních (demonstrační znění)",
    "Vyhláška o obchodních rejstřících (demonstrační znění)",
    "Vyhláška o účetních záznamech (demonstrační znění)",
    "Zákon o obchodních korporacích (demonstrační znění)",
};
} // namespace

TEST_F(ListPages, ContentsListsEachRegulationOnceByNameWithUnfilteredCombos) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    ASSERT_NE(obsah, nullptr);
    EXPECT_EQ(rows(obsah), kRegulations);
    EXPECT_EQ(obsah->GetCounterText(), "(0/5)");

    QComboBox* oblast = combo(obsah, 1023);
    QComboBox* typ = combo(obsah, 1003);
    QComboBox* zobraz = combo(obsah, 1046);
    ASSERT_TRUE(oblast && typ && zobraz);
    ASSERT_EQ(oblast->count(), 4);
    EXPECT_EQ(oblast->itemText(0), LoadResString(IDS_ALL));
    EXPECT_EQ(oblast->itemData(0).toInt(), 0);
    EXPECT_EQ(oblast->itemText(1), "Daně");
    EXPECT_EQ(oblast->itemText(2), "Obchodní právo");
    ASSERT_EQ(typ->count(), 4);
    EXPECT_EQ(typ->itemData(0).toInt(), -1);
    EXPECT_EQ(typ->itemText(3), "Zákon");
    EXPECT_EQ(typ->itemData(3).toInt(), 0);
    EXPECT_EQ(zobraz->currentIndex(), 2);
    EXPECT_EQ(zobraz->itemText(0), "Jen úplná znění předpisů");
    EXPECT_EQ(zobraz->itemText(1), "Jen novely");
    EXPECT_TRUE(obsah->GetFilterCondition().isEmpty());
    EXPECT_TRUE(obsah->GetNovelizaceCondition().isEmpty());
}

TEST_F(ListPages, ContractsAndDecisionsListOnlyTheirOwnDocuments) {
    auto view = makeView();
    EXPECT_EQ(rows(listPage(*view, 2)),
              (QStringList{"Kupní smlouva (vzor)", "Nájemní smlouva (vzor)"}));
    EXPECT_EQ(rows(listPage(*view, 5)), (QStringList{"Rozsudek o náhradě škody (ukázka)",
                                                     "Usnesení o nákladech řízení (ukázka)"}));
    EXPECT_EQ(listPage(*view, 5)->GetCounterText(), "(0/2)");
}

TEST_F(ListPages, OpeningARowShowsTheDocumentUnderItsTitleAndMovesTheCounter) {
    auto view = makeView();
    view->OnTabChange(2);
    CsListFormPage* smlouvy = listPage(*view, 2);

    // No attachment name: the row's own text is the title.
    smlouvy->m_list->setCurrentIndex(smlouvy->m_pModel->index(0));
    ASSERT_FALSE(m_navigated.isEmpty());
    EXPECT_TRUE(m_navigated.last().endsWith("/D20.html")) << m_navigated.last();
    EXPECT_TRUE(workingFile("T20.html").startsWith("<title>Kupní smlouva (vzor)</title>"))
        << workingFile("T20.html");
    EXPECT_EQ(m_app.lastStatus(), "(1/2)");

    // An attachment name always becomes the title.
    smlouvy->m_list->setCurrentIndex(smlouvy->m_pModel->index(1));
    EXPECT_TRUE(m_navigated.last().endsWith("/D21.html"));
    EXPECT_TRUE(
        workingFile("T21.html").startsWith("<title>Příloha: nájemní smlouva k bytu</title>"));
    EXPECT_EQ(m_app.lastStatus(), "(2/2)");
    EXPECT_EQ(view->GetCurrentCounterText(), "(2/2)");

    // A row opens when it becomes selected; a click on the selected row changes nothing, as on
    // the search page.
    const qsizetype shown = m_navigated.size();
    clickRow(*smlouvy, 0);
    EXPECT_EQ(m_navigated.size(), shown + 1);
    clickRow(*smlouvy, 0);
    EXPECT_EQ(m_navigated.size(), shown + 1);
    EXPECT_TRUE(m_navigated.last().endsWith("/D20.html"));
    EXPECT_EQ(m_app.lastStatus(), "(1/2)");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join("|");
}

TEST_F(ListPages, CombosGiveTheFilterThatRefillsTheContents) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);

    // A type whose ID is 0 is a real choice: "Vše" carries -1.
    choose(combo(obsah, 1003), 0);
    EXPECT_EQ(obsah->GetFilterCondition(), "(Dokument.Typ = 0)");
    EXPECT_EQ(rows(obsah), (QStringList{kRegulations[1], kRegulations[4]}));

    choose(combo(obsah, 1023), 7);
    choose(combo(obsah, 1003), 2);
    choose(combo(obsah, 1046), 0, true);
    EXPECT_EQ(obsah->m_session.m_strListFilter,
              "(dokument.pohled = 1) AND (Dokument.ID IN (SELECT dokumentOblast.dokument FROM "
              "dokumentOblast WHERE dokumentOblast.oblast = 7)) AND (Dokument.Typ = 2) AND "
              "(dokument.typnovelizace = 1 OR dokument.typnovelizace = 3)");
    // Document 12 has three areas, one of them 7, and is listed once.
    EXPECT_EQ(rows(obsah), (QStringList{kRegulations[2], kRegulations[3]}));

    // Amendments: typnovelizace 2 or 3, so document 12 is under both choices.
    choose(combo(obsah, 1023), 0);
    choose(combo(obsah, 1003), -1);
    choose(combo(obsah, 1046), 1, true);
    EXPECT_EQ(rows(obsah), (QStringList{kRegulations[1], kRegulations[3]}));
    EXPECT_EQ(m_app.lastStatus(), "(0/2)");
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join("|");
}

TEST_F(ListPages, ChoiceWithoutDocumentsSaysSoAndKeepsTheRows) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    obsah->OpenRow(1);
    const QString status = m_app.lastStatus();
    EXPECT_EQ(status, "(2/5)");

    choose(combo(obsah, 1023), 3);
    ASSERT_EQ(rows(obsah), (QStringList{kRegulations[0], kRegulations[3]}));
    choose(combo(obsah, 1003), 0);
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NO_RECORD_FOR_CHOICE)});
    EXPECT_EQ(rows(obsah), (QStringList{kRegulations[0], kRegulations[3]}));
    EXPECT_EQ(m_app.lastStatus(), "(0/2)");

    // A later choice that matches refills the list.
    choose(combo(obsah, 1003), -1);
    choose(combo(obsah, 1023), 1);
    EXPECT_EQ(rows(obsah), (QStringList{kRegulations[1], kRegulations[3]}));
    EXPECT_EQ(m_messages.texts.size(), 1);
}

TEST_F(ListPages, DatabaseErrorWhileFilteringIsReportedAndKeepsTheList) {
    auto view = makeView();
    CsListFormPage* obsah = listPage(*view, 0);
    m_database->executeScript("DROP TABLE dokumentOblast");
    choose(combo(obsah, 1023), 7);
    EXPECT_EQ(m_messages.texts.size(), 1);
    EXPECT_EQ(m_messages.icons.value(0), MessageIcon::Error);
    EXPECT_EQ(rows(obsah), kRegulations);

    // A row that cannot be read is not opened, but it becomes the counter's position.
    obsah->OpenRow(0);
    EXPECT_EQ(m_messages.texts.size(), 2);
    EXPECT_TRUE(m_navigated.isEmpty());
    EXPECT_EQ(m_app.lastStatus(), "(1/5)");

    // A failed fill keeps the rows too, and the counter starts again.
    obsah->FillList("(dokument.pohled = 1)");
    EXPECT_EQ(m_messages.texts.size(), 3);
    EXPECT_EQ(rows(obsah), kRegulations);
    EXPECT_EQ(m_app.lastStatus(), "(0/5)");
}

TEST_F(ListPages, ShellLaunchSkipsOnlyTheFirstListFill) {
    g_bSkipContentsFill = 1;
    auto view = makeView();
    EXPECT_EQ(g_bSkipContentsFill, 0);
    EXPECT_EQ(listPage(*view, 0)->GetRowCount(), 0);
    EXPECT_EQ(listPage(*view, 0)->GetCounterText(), "(0/0)");
    EXPECT_EQ(listPage(*view, 2)->GetRowCount(), 2);
    // The main window fills the contents later with an empty filter.
    listPage(*view, 0)->FillList(QString());
    EXPECT_EQ(rows(listPage(*view, 0)), kRegulations);
}
