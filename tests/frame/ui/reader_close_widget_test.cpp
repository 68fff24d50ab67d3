#include "platform/Registry.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {
// The real reader on a fixture collection, with settings and working folder of the test's own.
class ReaderClose : public ::testing::Test {
protected:
    void SetUp() override {
        m_program.createCollection({sourceFileText("tests/fixtures/collection.sql")});
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void TearDown() override { QStandardPaths::setTestModeEnabled(true); }

    QStringList environment(const QString& exitAfterMs) const {
        return {"TAVLIN_MESSAGES=" + m_runtime.path() + "-messages.txt",
                "XDG_RUNTIME_DIR=" + m_runtime.path(),
                "XDG_CONFIG_HOME=" + m_config.path(),
                "QT_QPA_PLATFORM=offscreen",
                "QTWEBENGINE_DISABLE_SANDBOX=1",
                "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu",
                "TAVLIN_EXIT_AFTER_MS=" + exitAfterMs};
    }
    int startReader(const QString& exitAfterMs, int timeoutMs) {
        return runProgram(TAVLIN_BINARY, {}, m_program.path(), environment(exitAfterMs), nullptr,
                          nullptr, timeoutMs);
    }
    QString working(const QString& name) const { return m_runtime.path() + "/QrmHtml/" + name; }

    TempProgramFolder m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
};
} // namespace

TEST_F(ReaderClose, OrderlyCloseStoresThePaneWidthAndAKilledReaderNothing) {
    // Killed long before it would close by itself.
    EXPECT_EQ(startReader(QStringLiteral("60000"), 3000), -1);
    EXPECT_EQ(GetProfileInt("Settings", "Width", -1), -1);

    ASSERT_EQ(startReader(QStringLiteral("500"), 60000), 0);
    EXPECT_EQ(GetProfileInt("Settings", "Width", -1), 434);

    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 200));
    ASSERT_EQ(startReader(QStringLiteral("500"), 60000), 0);
    EXPECT_EQ(GetProfileInt("Settings", "Width", -1), 390);
}

TEST_F(ReaderClose, TerminationSignalsEndInOrderAndAStartClearsWhatAKilledRunLeft) {
    m_program.writeMinimalTemplates();
    QDir().mkpath(m_program.file("Html/img"));
    QFile marker(m_program.file("Html/img/paragrafy.gif"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    for (const char* signalName : {"SIGTERM", "SIGHUP", "SIGINT"}) {
        SCOPED_TRACE(signalName);
        QDir().mkpath(working(""));
        QFile left(working("B999.html"));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.close();
        ASSERT_TRUE(WriteProfileInt("Settings", "Width", 500));

        QProcess reader;
        reader.setWorkingDirectory(m_program.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : environment(QStringLiteral("60000")))
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        reader.setProcessEnvironment(env);
        reader.start(TAVLIN_BINARY, {});
        ASSERT_TRUE(reader.waitForStarted());
        // The start has cleared the left-over page and put the marker pictures in place.
        ASSERT_TRUE(waitUntil(
            [&] {
                return !QFile::exists(working("B999.html")) &&
                       QFile::exists(working("images/paragrafy.gif"));
            },
            30000));
        const int signal = QByteArray(signalName) == "SIGTERM"  ? SIGTERM
                           : QByteArray(signalName) == "SIGHUP" ? SIGHUP
                                                                : SIGINT;
        ASSERT_EQ(kill(static_cast<pid_t>(reader.processId()), signal), 0);
        ASSERT_TRUE(reader.waitForFinished(30000));
        EXPECT_EQ(reader.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(reader.exitCode(), 0);
        EXPECT_EQ(GetProfileInt("Settings", "Width", -1), 500);
        EXPECT_TRUE(QDir(working("")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    }
}
