#include "platform/FileUtils.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/RecordedMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousDir = QDir::currentPath();
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        QDir::setCurrent(m_program.path());
    }
    void TearDown() override { QDir::setCurrent(m_previousDir); }

    void makeFolders(const QStringList& names) {
        for (const QString& name : names)
            QDir(m_program.path()).mkpath(name);
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString m_previousDir;
    QTemporaryDir m_runtime;
    QTemporaryDir m_program;
    RecordedMessages m_messages;
    ProgramFolders m_folders;
};
} // namespace

TEST_F(ProgramFoldersTest, OnlyTheFirstMissingFolderIsReported) {
    EXPECT_FALSE(m_folders.CheckFolders(false, QString()));
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NO_DATA_FOLDER)});

    makeFolders({"Data"});
    m_messages.texts.clear();
    EXPECT_FALSE(m_folders.CheckFolders(false, QString()));
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NO_INDEX_FOLDER)});

    makeFolders({"Index"});
    m_messages.texts.clear();
    EXPECT_FALSE(m_folders.CheckFolders(false, QString()));
    EXPECT_EQ(m_messages.texts, QStringList{LoadResString(IDS_NO_HTML_FOLDER)});
    EXPECT_TRUE(LoadResString(IDS_NO_HTML_FOLDER).contains("Html"));
}

TEST_F(ProgramFoldersTest, ProgramFolderIsTheCurrentDirectoryUnlessLaunchedByTheShell) {
    makeFolders({"Data", "Index", "Html/img", "bin/Data", "bin/Index", "bin/Html"});
    ASSERT_TRUE(m_folders.CheckFolders(false, m_program.filePath("bin/tavlin")));
    EXPECT_EQ(m_folders.GetDataFolder(), QDir(m_program.path()).absolutePath() + "/Data");

    ASSERT_TRUE(m_folders.CheckFolders(true, m_program.filePath("bin/tavlin")));
    EXPECT_EQ(m_folders.GetDataFolder(), QDir(m_program.filePath("bin")).absolutePath() + "/Data");
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(ProgramFoldersTest, MarkerPicturesAreCopiedOverOldCopiesAtEveryStart) {
    makeFolders({"Data", "Index", "Html/img"});
    for (const char* name : g_arrMarkerImages)
        writeFile(m_program.filePath(QStringLiteral("Html/img/") + name), name);
    ASSERT_TRUE(m_folders.CheckFolders(false, QString()));
    const QString images = m_folders.GetImagesFolder();
    EXPECT_EQ(images, m_runtime.path() + "/QrmHtml/images");
    for (const char* name : g_arrMarkerImages)
        EXPECT_TRUE(QFile::exists(images + "/" + name)) << name;

    const QString marker = images + "/paragrafy.gif";
    QFile::setPermissions(marker, QFileDevice::ReadOwner);
    writeFile(m_program.filePath("Html/img/paragrafy.gif"), "new picture");
    ASSERT_TRUE(m_folders.CheckFolders(false, QString()));
    QFile copied(marker);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("new picture"));
}

TEST_F(ProgramFoldersTest, ALinkInPlaceOfTheWorkingFolderIsNeitherFollowedNorEmptied) {
    QTemporaryDir victim;
    writeFile(victim.filePath("precious.txt"), "keep me");
    ASSERT_TRUE(QFile::link(victim.path(), m_runtime.path() + "/QrmHtml"));
    makeFolders({"Data", "Index", "Html/img"});
    writeFile(m_program.filePath("Html/img/paragrafy.gif"), "gif");

    ASSERT_TRUE(m_folders.CheckFolders(false, QString()));
    EXPECT_FALSE(m_folders.IsWorkingFolderUsable());
    ASSERT_FALSE(m_messages.texts.isEmpty());
    EXPECT_EQ(m_messages.texts.first(),
              LoadResString(IDS_FOLDER_NOT_CREATED).replace("%1", m_runtime.path() + "/QrmHtml"));
    EXPECT_FALSE(QFile::exists(victim.filePath("images")));
    EXPECT_TRUE(QFile::exists(victim.filePath("precious.txt")));
}

TEST(FileUtils, EmptyingAFolderRemovesReadOnlyFilesAndSubfoldersButKeepsTheFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sub/deeper");
    for (const QString& name : {QStringLiteral("a.html"), QStringLiteral("sub/deeper/b.gif")}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        QFile::setPermissions(file.fileName(), QFileDevice::ReadOwner);
    }
    QFile::setPermissions(dir.filePath("sub/deeper"),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(DeleteFolderContents(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).exists());
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(DeleteFolderContents(dir.filePath("missing")));
}
