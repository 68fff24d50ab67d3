#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/HistoryArchive.h"
#include "search/SearchFixture.h"
#include "search/SearchSession.h"

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

TEST_F(SearchCli, OptionsOutOfRangeAreRefusedAndNothingIsStored) {
    QString out;
    QString err;
    for (const QStringList& options : {QStringList{"--show", "-5"},
                                       {"--show", "3"},
                                       {"--scope", "99"},
                                       {"--scope", "-1"},
                                       {"--sort", "2"},
                                       {"--forms", "2"},
                                       {"--remember", "2"},
                                       {"--area", "-1"},
                                       {"--type", "-2"}}) {
        EXPECT_EQ(cli(QStringList{"search", "daň", "--remember", "1"} + options, &out, &err), 2)
            << options.join(' ').toStdString();
        EXPECT_TRUE(err.contains(options.first() + " must be from")) << err;
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(GetProfileInt("Novelizace", "Settings", -9), -9);
    EXPECT_EQ(GetProfileInt("Search", "Settings", -9), -9);
    EXPECT_TRUE(GetProfileBinary("Search", "History").isEmpty());
    // The limits themselves are taken.
    EXPECT_EQ(
        cli({"search", "daň", "--show", "0", "--scope", "7", "--sort", "1", "--remember", "1"},
            &out, &err),
        0)
        << err;
    EXPECT_EQ(GetProfileInt("Novelizace", "Settings", -9), 0);
}

TEST_F(SearchCli, LongTextIsRefusedAndNeverStored) {
    QString out;
    QString err;
    const QString text = QString("dan ").repeated(30000);
    EXPECT_EQ(cli({"search", text, "--remember", "1"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(
        LoadResString(IDS_SEARCH_TEXT_TOO_LONG).arg(SearchSession::kMaxSearchTextLength)))
        << err.left(300);
    EXPECT_TRUE(GetProfileBinary("Search", "History").isEmpty());
    // 255 characters are searched.
    const QString longest(SearchSession::kMaxSearchTextLength, 'x');
    EXPECT_EQ(cli({"search", longest, "--remember", "1"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(LoadResString(IDS_NOTHING_FOUND))) << err;
    EXPECT_EQ(DecodeHistory(GetProfileBinary("Search", "History")), QStringList{longest});
}

TEST_F(SearchCli, DamagedIndexSaysHowToRebuildIt) {
    QString out;
    QString err;
    const QString path = fulltextIndexPath(indexFolder());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("SQLite format 3");
    file.close();
    EXPECT_EQ(cli({"search", "daň"}, &out, &err), 1);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(err.contains(LoadResString(IDS_INDEX_DAMAGED).arg(path))) << err;
    EXPECT_FALSE(err.contains(LoadResString(IDS_NOTHING_FOUND))) << err;
    ASSERT_EQ(cli({"index", "build"}, &out, &err), 0);
    EXPECT_EQ(cli({"search", "daň"}, &out, &err), 0) << err;
}
