#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// tavlin-cli on the notes and favourites of a program folder of its own.
class UserDataCliTest : public ::testing::Test {
protected:
    int cli(const QStringList& arguments, QString* out = nullptr, QString* err = nullptr) {
        return runProgram(TAVLIN_CLI_BINARY, arguments + QStringList{"--folder", m_program.path()},
                          m_program.path(), {}, out, err);
    }
    TempProgramFolder m_program;
};
} // namespace

TEST_F(UserDataCliTest, NotesAreSetReadAndEmptied) {
    QString out;
    ASSERT_EQ(cli({"note", "get", "Hrad"}, &out), 0);
    EXPECT_EQ(out, QString());
    ASSERT_EQ(cli({"note", "set", "Hrad", "první\r\ndruhá"}), 0);
    ASSERT_EQ(cli({"note", "get", "Hrad"}, &out), 0);
    EXPECT_EQ(out, "první\ndruhá\n");
    ASSERT_EQ(cli({"note", "set", "Hrad"}), 0);
    ASSERT_EQ(cli({"note", "get", "Hrad"}, &out), 0);
    EXPECT_EQ(out, QString());
    EXPECT_TRUE(QFile::exists(m_program.file("Data/Notes.xml")));
}

TEST_F(UserDataCliTest, FavouritesAreListedAddedAndRemoved) {
    QString out;
    QString err;
    ASSERT_EQ(cli({"favourites", "add", "Obchodní zákoník"}), 0);
    ASSERT_EQ(cli({"favourites", "add", "Zákon \"o\" dani"}), 0);
    ASSERT_EQ(cli({"favourites", "add", "Obchodní zákoník"}), 0);
    ASSERT_EQ(cli({"favourites", "list"}, &out), 0);
    EXPECT_EQ(out, "Obchodní zákoník\nZákon \"o\" dani\n");
    ASSERT_EQ(cli({"favourites", "remove", "Obchodní zákoník"}), 0);
    EXPECT_EQ(cli({"favourites", "remove", "Obchodní zákoník"}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("not a favourite")) << err;
    ASSERT_EQ(cli({"favourites", "list"}, &out), 0);
    EXPECT_EQ(out, "Zákon \"o\" dani\n");
    EXPECT_EQ(cli({"favourites", "add"}, nullptr, &err), 2);
}

TEST_F(UserDataCliTest, AFailureExitsWithOneAndTheMessage) {
    QFile file(m_program.file("Data/Favourites.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<tfv:favourites");
    file.close();
    QString err;
    for (const QStringList& command :
         {QStringList{"favourites", "list"}, QStringList{"favourites", "add", "Hrad"},
          QStringList{"favourites", "remove", "Hrad"}}) {
        EXPECT_EQ(cli(command, nullptr, &err), 1) << command.join(' ');
        EXPECT_TRUE(err.contains("Nepodařilo se načíst datový soubor.")) << err;
    }
    ASSERT_TRUE(QDir(m_program.path()).rmdir("Data") ||
                QDir(m_program.file("Data")).removeRecursively());
    EXPECT_EQ(cli({"note", "set", "Hrad", "x"}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("Nepodařilo se vytvořit datový soubor")) << err;
}
