#include "platform/Registry.h"
#include "support/TestSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
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

    int startReader(const QString& exitAfterMs, int timeoutMs) {
        return runProgram(
            TAVLIN_BINARY, {}, m_program.path(),
            {"TAVLIN_MESSAGES=" + m_runtime.path() + "-messages.txt",
             "XDG_RUNTIME_DIR=" + m_runtime.path(), "XDG_CONFIG_HOME=" + m_config.path(),
             "QT_QPA_PLATFORM=offscreen", "QTWEBENGINE_DISABLE_SANDBOX=1",
             "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu", "TAVLIN_EXIT_AFTER_MS=" + exitAfterMs},
            nullptr, nullptr, timeoutMs);
    }

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
