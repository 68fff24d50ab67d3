#include "platform/ProgramFolderChoice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ProgramFolderChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        makeProgramFolder("share/tavlin/demo");
        writeFile("share/tavlin/demo/Data/TavlinDemo.db", "collection");
        writeFile("share/tavlin/demo/Html/Index0.html", "start");
        writeFile("share/tavlin/demo/Index/fulltext.db", "index");
        QDir().mkpath(path("bin"));
        QDir().mkpath(path("home"));
        m_choice.strCurrentFolder = path("home");
        m_choice.strProgramFileFolder = path("bin");
        m_choice.strInstalledDemo = installedDemoFolder(path("bin"));
        m_choice.strUserFolder = path("user/tavlin");
    }
    QString path(const QString& relative) const { return m_root.filePath(relative); }
    void makeProgramFolder(const QString& relative) {
        for (const char* sub : {"/Data", "/Index", "/Html"})
            QDir().mkpath(path(relative) + QLatin1String(sub));
    }
    void writeFile(const QString& relative, const QByteArray& text) {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_root;
    ProgramFolderChoice m_choice;
};
} // namespace

TEST_F(ProgramFolderChoiceTest, ExplicitThenShellLaunchThenCurrentThenTheUsersOwn) {
    EXPECT_EQ(m_choice.strInstalledDemo, QDir::cleanPath(path("share/tavlin/demo")));
    // Started from the menu in $HOME: the user's own folder.
    EXPECT_EQ(chooseProgramFolder(m_choice), m_choice.strUserFolder);

    makeProgramFolder("home");
    EXPECT_EQ(chooseProgramFolder(m_choice), path("home"));

    m_choice.bShellLaunch = true;
    EXPECT_EQ(chooseProgramFolder(m_choice), path("home")) << "bin is no program folder";
    makeProgramFolder("bin");
    EXPECT_EQ(chooseProgramFolder(m_choice), path("bin"));

    m_choice.strExplicitFolder = path("elsewhere");
    EXPECT_EQ(chooseProgramFolder(m_choice), path("elsewhere"));
}

TEST_F(ProgramFolderChoiceTest, TheInstalledDemoItselfIsNeverTheUsersFolder) {
    m_choice.strCurrentFolder = path("share/tavlin/../tavlin/demo");
    EXPECT_EQ(chooseProgramFolder(m_choice), m_choice.strUserFolder);
}

TEST_F(ProgramFolderChoiceTest, WithoutAnInstallationTheCurrentFolderIsCheckedAsBefore) {
    m_choice.strInstalledDemo = installedDemoFolder(path("home/bin"));
    EXPECT_TRUE(m_choice.strInstalledDemo.isEmpty());
    EXPECT_EQ(chooseProgramFolder(m_choice), path("home"));
}

TEST_F(ProgramFolderChoiceTest, TheFirstStartMakesTheUsersFolderAndLaterStartsKeepIt) {
    const QString user = m_choice.strUserFolder;
    ASSERT_TRUE(prepareUserProgramFolder(user, m_choice.strInstalledDemo));
    EXPECT_TRUE(isProgramFolder(user));
    EXPECT_EQ(read(user + "/Html/Index0.html"), "start");
    EXPECT_EQ(read(user + "/Index/fulltext.db"), "index");
    const QFileInfo collection(user + "/Data/TavlinDemo.db");
    EXPECT_TRUE(collection.isSymLink());
    EXPECT_EQ(read(collection.filePath()), "collection");
    EXPECT_FALSE(QFileInfo::exists(user + "/.Data-new"));

    // The user's notes survive the next start and a changed installation.
    QFile notes(user + "/Data/Notes.xml");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("<notes/>");
    notes.close();
    writeFile("share/tavlin/demo/Html/Index0.html", "new start");
    ASSERT_TRUE(prepareUserProgramFolder(user, m_choice.strInstalledDemo));
    EXPECT_EQ(read(user + "/Data/Notes.xml"), "<notes/>");
    EXPECT_EQ(read(user + "/Data/TavlinDemo.db"), "collection");
    EXPECT_EQ(read(user + "/Html/Index0.html"), "start");
}

TEST_F(ProgramFolderChoiceTest, AHalfMadeFolderIsMadeAgain) {
    const QString user = m_choice.strUserFolder;
    QDir().mkpath(user + "/Html");
    QDir().mkpath(user + "/.Data-new");
    QFile left(user + "/Html/Index0.html");
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("left over");
    left.close();
    ASSERT_TRUE(prepareUserProgramFolder(user, m_choice.strInstalledDemo));
    EXPECT_TRUE(isProgramFolder(user));
    EXPECT_EQ(read(user + "/Data/TavlinDemo.db"), "collection");
}
