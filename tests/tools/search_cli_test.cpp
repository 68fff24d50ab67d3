#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/SearchFixture.h"

#include <QFile>

namespace {
class SearchCli : public SearchFixture {
protected:
    int cli(const QStringList& arguments, QString* out, QString* err = nullptr) {
        return runProgram(TAVLIN_CLI_BINARY, arguments, m_folder.path(),
                          {QStringLiteral("XDG_CONFIG_HOME=") + m_config.path()}, out, err);
    }
};
} // namespace

TEST_F(SearchCli, QueryCommandsPrintTheParserResults) {
    QString out;
    ASSERT_EQ(cli({"query", "build", "\"daň z přidané hodnoty\" sazba"}, &out), 0);
    EXPECT_EQ(out, " \"daň z přidané hodnoty\" sazba\n");
    ASSERT_EQ(cli({"query", "build", "ab"}, &out), 0);
    EXPECT_EQ(out, "\n");
    ASSERT_EQ(cli({"query", "words", "odpočet u daně ne clo"}, &out), 0);
    EXPECT_EQ(out, "odpočet\ndaně\n");
}

TEST_F(SearchCli, IndexBuildAndSearchListTheDocuments) {
    ASSERT_TRUE(QFile::remove(fulltextIndexPath(indexFolder())));
    QString out;
    ASSERT_EQ(cli({"index", "build", "--folder", m_folder.path()}, &out), 0);
    ASSERT_EQ(cli({"search", "daň", "--sort", "1"}, &out), 0);
    EXPECT_EQ(out, "2\t235/2004 Sb.\tZákon o dani z přidané hodnoty\t2999-12-31\n"
                   "1\t586/1992 Sb.\tZákon o daních z příjmů\t2999-12-31\n"
                   "3\t12/2020 Sb.\tZákon, kterým se mění zákon o dani silniční\t2020-12-31\n");
    // Only the forms as typed.
    ASSERT_EQ(cli({"search", "daň", "--sort", "1", "--forms", "0"}, &out), 0);
    EXPECT_EQ(out.count('\n'), 2);
    ASSERT_EQ(cli({"search", "daň", "--type", "2"}, &out), 0);
    EXPECT_EQ(out.count('\n'), 1);
}

TEST_F(SearchCli, MessagesGoToStandardErrorWithExitOne) {
    QString out;
    QString err;
    EXPECT_EQ(cli({"search", "neexistující"}, &out, &err), 1);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(err.contains(LoadResString(IDS_NOTHING_FOUND))) << err;
    EXPECT_EQ(cli({"search", "daň", "--scope", "0"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(LoadResString(IDS_CHOOSE_SEARCH_SCOPE))) << err;
    EXPECT_EQ(cli({"search", "daň", "--show", "1", "--area", "2"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(LoadResString(IDS_NOTHING_FOUND_IN_AMENDMENTS).split('\n').first()))
        << err;
}
