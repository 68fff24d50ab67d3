#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// A program folder with the fixture collection and a copy of the reader in it, so that a start
// by the shell (which makes the program file's folder current) finds its folders.
class LinkHandOver : public ::testing::Test {
protected:
    void SetUp() override {
        m_program.createCollection({sourceFileText("tests/fixtures/collection.sql")});
        m_program.writeMinimalTemplates();
        m_strReader = m_program.file("tavlin");
        if (::link(TAVLIN_BINARY, QFile::encodeName(m_strReader).constData()) != 0) {
            ASSERT_TRUE(QFile::copy(TAVLIN_BINARY, m_strReader));
        }
    }

    void TearDown() override {
        if (m_first.state() != QProcess::NotRunning) {
            m_first.terminate();
            if (!m_first.waitForFinished(10000))
                m_first.kill();
            m_first.waitForFinished();
        }
    }

    QProcessEnvironment environment(const QString& messages) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TAVLIN_MESSAGES", messages);
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        env.insert("XDG_CONFIG_HOME", m_config.filePath("config"));
        env.insert("XDG_DATA_HOME", m_config.filePath("data"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        env.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        env.remove("TAVLIN_EXIT_AFTER_MS");
        return env;
    }

    // The reader started by the shell for `link`, from the root folder as a desktop would.
    void startFirst(const QString& link) {
        m_first.setProcessEnvironment(environment(m_strFirstMessages));
        m_first.setWorkingDirectory("/");
        m_first.start(m_strReader, {"/QrmL568421563", "/dde", link});
        ASSERT_TRUE(m_first.waitForStarted());
    }

    // A later start for `link` (by the shell's entry, or with the bare link as a menu entry
    // with "%u" starts it); its exit code.
    int startSecond(const QString& link, const QString& messages, bool bSwitch = true) {
        QProcess second;
        second.setProcessEnvironment(environment(messages));
        second.setWorkingDirectory("/");
        second.start(m_strReader,
                     bSwitch ? QStringList{"/QrmL568421563", "/dde", link} : QStringList{link});
        if (!second.waitForFinished(30000)) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
    }

    bool shown(int id) const {
        return waitUntil(
            [&] { return QFile::exists(m_runtime.filePath(QString("QrmHtml/D%1.html").arg(id))); },
            30000);
    }

    static QStringList messages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    TempProgramFolder m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
    QString m_strReader;
    QString m_strFirstMessages = m_config.filePath("first-messages.txt");
    QProcess m_first;
};
} // namespace

TEST_F(LinkHandOver, SecondStartHandsItsLinkToTheRunningReaderAndEnds) {
    startFirst("tavlin:ZHR");
    ASSERT_TRUE(shown(1)) << messages(m_strFirstMessages).join('|');
    ASSERT_TRUE(QFile::exists(m_runtime.filePath("QRMTAVLIN")));

    const QString secondMessages = m_config.filePath("second-messages.txt");
    EXPECT_EQ(startSecond("TAVLIN:VCH", secondMessages), 0);
    EXPECT_TRUE(shown(2));
    EXPECT_TRUE(messages(secondMessages).isEmpty()) << messages(secondMessages).join('|');
    // The second start leaves the running reader's documents where they are.
    EXPECT_TRUE(QFile::exists(m_runtime.filePath("QrmHtml/D1.html")));

    EXPECT_EQ(startSecond("tavlin:", secondMessages, false), 0);
    EXPECT_TRUE(waitUntil(
        [&] { return messages(m_strFirstMessages).contains(LoadResString(IDS_INVALID_LINK)); },
        30000))
        << messages(m_strFirstMessages).join('|');
    EXPECT_TRUE(messages(secondMessages).isEmpty());
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

TEST_F(LinkHandOver, RegisteredHandlerOpensLinksFromXdgOpenInTheRunningReader) {
    // A page of another reader in the working folder: registering must leave it there.
    ASSERT_TRUE(QDir().mkpath(m_runtime.filePath("QrmHtml")));
    QFile page(m_runtime.filePath("QrmHtml/D9.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    QProcess registering;
    registering.setProcessEnvironment(environment(m_config.filePath("register-messages.txt")));
    registering.start(m_strReader, {"/register"});
    ASSERT_TRUE(registering.waitForFinished(30000));
    EXPECT_EQ(registering.exitCode(), 0);
    QFile entry(m_config.filePath("data/applications/cz.tavlin.Reader.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(entry.readAll())
                    .contains("\nExec=" + QFileInfo(m_strReader).canonicalFilePath() +
                              " /QrmL568421563 /dde %u\n"));
    EXPECT_TRUE(messages(m_config.filePath("register-messages.txt")).isEmpty());
    EXPECT_TRUE(page.exists());

    const QString xdgOpen = QStandardPaths::findExecutable("xdg-open");
    if (xdgOpen.isEmpty())
        GTEST_SKIP() << "xdg-open is not installed";
    startFirst("tavlin:ZHR");
    ASSERT_TRUE(shown(1));
    QProcess opener;
    QProcessEnvironment env = environment(m_config.filePath("opener-messages.txt"));
    // The generic opener, whatever desktop the tests run under; it hands links to a scheme's
    // handler only when it believes a display is there.
    env.remove("XDG_CURRENT_DESKTOP");
    env.remove("DESKTOP_SESSION");
    if (!env.contains("DISPLAY") && !env.contains("WAYLAND_DISPLAY"))
        env.insert("DISPLAY", ":0");
    opener.setProcessEnvironment(env);
    opener.start(xdgOpen, {"tavlin:OCE"});
    ASSERT_TRUE(opener.waitForFinished(30000));
    EXPECT_EQ(opener.exitCode(), 0) << opener.readAllStandardError().toStdString();
    EXPECT_TRUE(shown(4));
}
