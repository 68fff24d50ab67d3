#include "navigation/NavigationSessionFixture.h"

namespace {
class RegisterIndexCli : public NavigationSessionFixture {
protected:
    int cli(const QStringList& arguments, QString* out, QString* err = nullptr) {
        return runProgram(TAVLIN_CLI_BINARY, arguments + QStringList{"--folder", m_folder.path()},
                          m_folder.path(), {}, out, err);
    }
};
} // namespace

TEST_F(RegisterIndexCli, RegisterPrintsTheTreeIndentedByLevel) {
    QString out;
    ASSERT_EQ(cli({"register", "--field", "1"}, &out), 0);
    EXPECT_EQ(out, "105\tDaně\n101\t  Daň z příjmů\n110\t    Fyzické osoby\n102\t      Zálohy\n"
                   "103\t  DPH\n106\t    Sazby\n");
    ASSERT_EQ(cli({"register", "--field", "7"}, &out), 0);
    EXPECT_EQ(out, "");
}

TEST_F(RegisterIndexCli, IndexPrintsTheRowsOfTheChoice) {
    QString out;
    ASSERT_EQ(cli({"index", "--choice", "0", "--area", "2", "--type", "1"}, &out), 0);
    EXPECT_EQ(out, "5\t16/1993 Sb. - Zákon o silniční dani\n1\t586/1992 Sb. - Zákon o daních z "
                   "příjmů\n");
    ASSERT_EQ(cli({"index", "--choice", "3", "--area", "1"}, &out), 0);
    EXPECT_EQ(out.count('\n'), 7);
    EXPECT_TRUE(out.startsWith("2\t235/2004 Sb. - Zákon o DPH\n"));
    ASSERT_EQ(cli({"index"}, &out), 0);
    EXPECT_EQ(out.count('\n'), 4);
}

TEST_F(RegisterIndexCli, BadArgumentsAndDatabaseErrorsFail) {
    QString out;
    QString err;
    EXPECT_EQ(cli({"register"}, &out, &err), 2);
    EXPECT_TRUE(err.contains("--field is required")) << err;
    EXPECT_EQ(cli({"index", "--choice", "4"}, &out, &err), 2);
    EXPECT_EQ(cli({"index", "--choice", "x"}, &out, &err), 2);
    EXPECT_EQ(cli({"index", "--sort", "1"}, &out, &err), 2);
    EXPECT_TRUE(err.contains("unknown option --sort")) << err;
    m_database->executeScript(QStringLiteral("DROP TABLE dokumentNorma;"));
    EXPECT_EQ(cli({"index", "--choice", "2"}, &out, &err), 1);
    EXPECT_TRUE(err.contains("dokumentNorma")) << err;
    EXPECT_EQ(out, "");
}
