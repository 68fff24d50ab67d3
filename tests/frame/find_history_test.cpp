#include "frame/FindHistory.h"
#include "frame/UiTables.h"
#include "frame/WebOrder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FindHistory, NewestFirstAtMostSixteenEachOnceInAnyCase) {
    QStringList history;
    addToFindHistory(history, QStringLiteral("daň"));
    addToFindHistory(history, QStringLiteral("zákon"));
    addToFindHistory(history, QStringLiteral("DAŇ"));
    EXPECT_EQ(history, (QStringList{"zákon", "daň"}));
    for (int i = 0; i < 20; ++i)
        addToFindHistory(history, QStringLiteral("t%1").arg(i));
    ASSERT_EQ(history.size(), 16);
    EXPECT_EQ(history.front(), QStringLiteral("t19"));
    EXPECT_EQ(history.back(), QStringLiteral("t4"));
    // A full list loses its 16th entry first, even when that entry is the text found again.
    addToFindHistory(history, QStringLiteral("T4"));
    EXPECT_EQ(history.size(), 16);
    EXPECT_EQ(history.front(), QStringLiteral("T4"));
    EXPECT_EQ(history.back(), QStringLiteral("t5"));
    addToFindHistory(history, QStringLiteral("t10"));
    EXPECT_EQ(history.size(), 15);
    EXPECT_EQ(history.front(), QStringLiteral("T4"));
}

TEST(ToolbarTable, WrittenTableReadsBackWithTitles) {
    std::vector<ToolbarTemplate> bars(2);
    bars[0].id = 142;
    bars[0].entries = {{ToolbarEntry::Kind::Label, 32787, {}, 0},
                       {ToolbarEntry::Kind::Combo, 32788, {}, 167},
                       {ToolbarEntry::Kind::Button, 32789, QStringLiteral("find"), 0}};
    bars[1].id = 59433;
    bars[1].title = QStringLiteral("Moje\tlišta");
    bars[1].entries = {{ToolbarEntry::Kind::Button, 32798, QStringLiteral("user:2"), 0},
                       {ToolbarEntry::Kind::Separator, 0, {}, 0},
                       {ToolbarEntry::Kind::Button, 32829, {}, 0}};
    const std::vector<ToolbarTemplate> read = parseToolbarTable(writeToolbarTable(bars));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].title, QString());
    EXPECT_EQ(read[1].title, QStringLiteral("Moje lišta"));
    ASSERT_EQ(read[0].entries.size(), 3u);
    EXPECT_EQ(read[0].entries[1].kind, ToolbarEntry::Kind::Combo);
    EXPECT_EQ(read[0].entries[1].width, 167);
    ASSERT_EQ(read[1].entries.size(), 3u);
    EXPECT_EQ(read[1].entries[0].icon, QStringLiteral("user:2"));
    EXPECT_EQ(read[1].entries[1].kind, ToolbarEntry::Kind::Separator);
    EXPECT_EQ(read[1].entries[2].id, 32829);
}

TEST(WebOrder, DealerIniGivesTheAddressElseTheMakersPage) {
    QTemporaryDir folder;
    EXPECT_EQ(webOrderUrl(folder.path(), QStringLiteral("www.ardenvolt.cz")).toString(),
              QStringLiteral("http://www.ardenvolt.cz/objednavka"));
    QFile ini(folder.filePath(QStringLiteral("Dealer.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Jine]\r\nWWWOrder=http://wrong.example/\r\n"
              "[dealer]\r\n; comment\r\n  wwworder = \"https://obchod.example/tavlin?x=1\" \r\n");
    ini.close();
    EXPECT_EQ(webOrderUrl(folder.path(), QStringLiteral("www.ardenvolt.cz")).toString(),
              QStringLiteral("https://obchod.example/tavlin?x=1"));
    EXPECT_EQ(readIniString(ini.fileName(), QStringLiteral("DEALER"), QStringLiteral("none")),
              QString());
    EXPECT_EQ(readIniString(folder.filePath(QStringLiteral("missing.ini")),
                            QStringLiteral("Dealer"), QStringLiteral("WWWOrder")),
              QString());
}
