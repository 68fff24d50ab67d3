#include "db/Database.h"
#include "document/DocumentAssembler.h"
#include "frame/FavouritesList.h"
#include "platform/ProgramFolders.h"
#include "support/RecordedMessages.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
// Three of the fixed laws in a collection of their own, in an order of their own.
const char* const kCollection =
    "INSERT INTO dokument (ID, jmeno, ozn, pohled, poradi, priloha) VALUES"
    " (7, 'Zákon o účetnictví', 'ZU', 1, 2, NULL),"
    " (3, 'Zákon o DPH', 'DPH', 1, 1, 'Zákon o dani z přidané hodnoty'),"
    " (9, 'Zákon o daních z příjmů', 'DP', 1, 2, ''),"
    " (4, 'Zákon o dani z příjmů (starý)', 'dp2', 1, 0, NULL),"
    " (5, 'Hrad*', 'H', 1, 0, NULL),"
    " (6, 'Hradby', 'HB', 1, 0, 'Hradby a valy');";

class FavouritesListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_database = m_program.createCollection({kCollection});
        m_folders.SetProgramFolder(m_program.path());
        m_assembler = std::make_unique<DocumentAssembler>(*m_database, m_folders, DocumentHooks{});
    }
    FavouritesList collect(const QStringList& names) {
        return collectFavourites(m_database.get(), names,
                                 [this](const QString& pattern, QString& title) {
                                     return m_assembler->FindDocumentByName(pattern, title);
                                 });
    }
    static QStringList titles(const std::vector<FavouriteRow>& rows) {
        QStringList list;
        for (const FavouriteRow& row : rows)
            list << QStringLiteral("%1 %2").arg(row.id).arg(row.title);
        return list;
    }

    TempProgramFolder m_program;
    std::unique_ptr<Database> m_database;
    ProgramFolders m_folders;
    std::unique_ptr<DocumentAssembler> m_assembler;
    RecordedMessages m_messages;
};
} // namespace

TEST_F(FavouritesListTest, FixedLawsInCollectionOrderThenTheStoredNames) {
    const FavouritesList list = collect({"Hradby", "Zrušený zákon", "Hrad*", "Zákon \"x\""});
    // Sorted by poradi, then ID; a designation matches only itself (DP, not dp2).
    EXPECT_EQ(titles(list.fixedLaws),
              QStringList({"3 Zákon o dani z přidané hodnoty", "7 Zákon o účetnictví",
                           "9 Zákon o daních z příjmů"}));
    // A name no longer found is listed under itself with no document; a name's wildcard is
    // a letter.
    EXPECT_EQ(titles(list.userFavourites),
              QStringList({"6 Hradby a valy", "0 Zrušený zákon", "5 Hrad*", "0 Zákon \"x\""}));
    EXPECT_TRUE(list.links.startsWith(
        "<a href=\"javascript:sestavDoc('3')\">Zákon o dani z přidané hodnoty</a>\r\n"
        "<a href=\"javascript:sestavDoc('7')\">"));
    EXPECT_TRUE(list.links.endsWith("<a href=\"javascript:sestavDoc('0')\">Zákon "
                                    "&quot;x&quot;</a>\r\n"));
    EXPECT_EQ(list.links.count("\r\n"), 7);
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(FavouritesListTest, WithoutACollectionOnlyTheStoredNamesAreListed) {
    const FavouritesList list = collectFavourites(nullptr, {"<b>A</b>"}, {});
    EXPECT_TRUE(list.fixedLaws.empty());
    EXPECT_EQ(titles(list.userFavourites), QStringList{"0 <b>A</b>"});
    EXPECT_EQ(list.links, "<a href=\"javascript:sestavDoc('0')\">&lt;b&gt;A&lt;/b&gt;</a>\r\n");
}

TEST(LikeLiteral, MatchesOnlyTheTextItself) {
    EXPECT_EQ(likeLiteral("a*b?c#d[e]f'g"), "a[*]b[?]c[#]d[[]e]f''g");
}
