#include "platform/FileUtils.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolders.h"
#include "support/RecordedMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

class WorkingFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        m_folders.SetProgramFolder(m_program.path());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", m_oldRuntime); }
    QString working() const { return m_runtime.path() + "/QrmHtml"; }

    QByteArray m_oldRuntime;
    QTemporaryDir m_runtime;
    QTemporaryDir m_program;
    QTemporaryDir m_victim;
    ProgramFolders m_folders;
    RecordedMessages m_messages;
};
} // namespace

TEST_F(WorkingFolderTest, AnOpenFolderOfOursIsClosedBeforeAnythingIsWrittenIntoIt) {
    ASSERT_TRUE(QDir().mkpath(working() + "/images"));
    chmod(QFile::encodeName(working()).constData(), 0777);
    chmod(QFile::encodeName(working() + "/images").constData(), 0775);
    EXPECT_EQ(m_folders.GetImagesFolder(), working() + "/images");
    EXPECT_TRUE(m_folders.IsWorkingFolderUsable());
    EXPECT_EQ(modeOf(working()), 0700u);
    EXPECT_EQ(modeOf(working() + "/images"), 0700u);
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(WorkingFolderTest, ALinkPlantedForTheWorkingFolderIsReportedOnceAndNeverWrittenThrough) {
    ASSERT_TRUE(QFile::link(m_victim.path(), working()));
    m_folders.GetWorkingFolder();
    m_folders.GetImagesFolder();
    m_folders.GetWorkingFolder();
    EXPECT_EQ(m_messages.texts.size(), 1);
    EXPECT_FALSE(m_folders.IsWorkingFolderUsable());
    EXPECT_FALSE(QFileInfo::exists(m_victim.filePath("images")));
    EXPECT_FALSE(DeleteFolderContents(working()));
}

TEST_F(WorkingFolderTest, AMissingRuntimeFolderFallsBackToOneOfOurOwnInTmp) {
    qputenv("XDG_RUNTIME_DIR", m_runtime.filePath("missing").toUtf8());
    const QString temp = privateTempFolder();
    EXPECT_TRUE(temp.startsWith(QStringLiteral("/tmp/tavlin-%1").arg(getuid())));
    EXPECT_EQ(claimFolder(temp), FolderClaim::Ours);
    EXPECT_EQ(modeOf(temp) & 077, 0u);
}

TEST(FileWriting, PlantedLinksAndHardLinksAreRefusedAndTheirTargetsKeptIntact) {
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim.txt");
    write(victim, "precious");
    ASSERT_TRUE(QFile::link(victim, dir.filePath("B101.html")));
    EXPECT_FALSE(writeFileNoFollow(dir.filePath("B101.html"), "overwritten"));
    ASSERT_EQ(link(QFile::encodeName(victim).constData(),
                   QFile::encodeName(dir.filePath("T101.html")).constData()),
              0);
    EXPECT_FALSE(writeFileNoFollow(dir.filePath("T101.html"), "overwritten"));
    EXPECT_EQ(read(victim), "precious");

    EXPECT_TRUE(writeFileNoFollow(dir.filePath("D101.html"), "a longer first text"));
    EXPECT_TRUE(writeFileNoFollow(dir.filePath("D101.html"), "second"));
    EXPECT_EQ(read(dir.filePath("D101.html")), "second");
    EXPECT_EQ(modeOf(dir.filePath("D101.html")), 0600u);
}

TEST(FileWriting, EmptyingRemovesLinksInsideWithoutFollowingThem) {
    QTemporaryDir folder;
    QTemporaryDir outside;
    write(outside.filePath("keep.txt"), "keep");
    ASSERT_TRUE(QFile::link(outside.path(), folder.filePath("sub")));
    QDir(folder.path()).mkpath("real/deeper");
    write(folder.filePath("real/deeper/page.html"), "x");
    EXPECT_TRUE(DeleteFolderContents(folder.path()));
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_EQ(read(outside.filePath("keep.txt")), "keep");
}
