#include "db/Database.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// Runs the real reader in a temporary program folder and reads its messages from the seam.
class ReaderStartup : public ::testing::Test {
protected:
    int startReader(const QStringList& extraEnvironment = {}) {
        QStringList environment = {"TAVLIN_MESSAGES=" + m_messageFile,
                                   "XDG_RUNTIME_DIR=" + m_runtime.path(),
                                   "XDG_CONFIG_HOME=" + m_config.path(),
                                   "QT_QPA_PLATFORM=offscreen",
                                   "QTWEBENGINE_DISABLE_SANDBOX=1",
                                   "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu",
                                   "TAVLIN_EXIT_AFTER_MS=300"};
        environment << extraEnvironment;
        return runProgram(TAVLIN_BINARY, {}, m_program.path(), environment);
    }

    QStringList messages() const {
        QFile file(m_messageFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QString workingFolder() const { return m_runtime.path() + "/QrmHtml"; }

    bool workingFolderExistsAndIsEmpty() const {
        const QDir dir(workingFolder());
        return dir.exists() && dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static QString oneLine(QString text) { return text.replace('\n', "\\n"); }

    TempProgramFolder m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
    QString m_messageFile = m_runtime.path() + "-messages.txt";
};
} // namespace

TEST_F(ReaderStartup, MissingDataFolderEndsTheStartWithOneMessage) {
    QDir(m_program.path()).rmdir("Data");
    QDir(m_program.file("Html")).removeRecursively();
    EXPECT_NE(startReader(), 0);
    EXPECT_EQ(messages(), QStringList{LoadResString(IDS_NO_DATA_FOLDER)});
    EXPECT_TRUE(workingFolderExistsAndIsEmpty());
}

TEST_F(ReaderStartup, MissingCollectionShowsTheOpenFailureWithTheDescription) {
    EXPECT_NE(startReader(), 0);
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().startsWith(oneLine(LoadResString(IDS_DATABASE_OPEN_FAILED) + "\n\n")))
        << shown.first();
    EXPECT_GT(shown.first().size(),
              oneLine(LoadResString(IDS_DATABASE_OPEN_FAILED) + "\n\n").size());
}

TEST_F(ReaderStartup, CorruptOrForeignCollectionIsRefused) {
    {
        QFile garbage(m_program.file("Data/TavlinDemo.db"));
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
    }
    EXPECT_NE(startReader(), 0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith(oneLine(LoadResString(IDS_DATABASE_OPEN_FAILED))));

    QFile::remove(m_program.file("Data/TavlinDemo.db"));
    QFile::remove(m_messageFile);
    Database::create(m_program.file("Data/TavlinDemo.db"), "another password");
    EXPECT_NE(startReader(), 0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith(oneLine(LoadResString(IDS_DATABASE_OPEN_FAILED))));
    EXPECT_TRUE(QFile::exists(m_program.file("Data/TavlinDemo.db")));
}

TEST_F(ReaderStartup, CleanStartAndExitLeavesAnEmptyWorkingFolder) {
    m_program.createCollection();
    QDir().mkpath(workingFolder() + "/images");
    QFile leftover(workingFolder() + "/images/old.gif");
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    QFile::setPermissions(leftover.fileName(), QFileDevice::ReadOwner);

    EXPECT_EQ(startReader(), 0);
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    EXPECT_TRUE(workingFolderExistsAndIsEmpty());
}
