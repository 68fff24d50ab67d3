#include "X11Locks.h"
#include "app/ui/TavlinApp.h"
#include "frame/ui/LockKeys.h"
#include "frame/ui/MainFrame.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr unsigned kCapsLock = 0x2;
constexpr unsigned kNumLock = 0x10;

// Under the X server of xvfb-run: the lock keys are set as a user would have them at start.
class LockKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        ASSERT_TRUE(setX11Locks(0)) << "the web tests run under xvfb-run";
    }
    void TearDown() override {
        setX11Locks(0);
        QStandardPaths::setTestModeEnabled(true);
    }
    void lock(unsigned mask) { setX11Locks(mask); }
    QString indicator(CMainFrame& frame, unsigned id) {
        return frame.findChild<QLabel*>(QStringLiteral("indicator%1").arg(id))->text();
    }

    QTemporaryDir m_config;
};
} // namespace

TEST_F(LockKeysTest, TheIndicatorsShowTheLocksAsTheyAreAtStart) {
    lock(kCapsLock);
    ASSERT_EQ(lockedModifiers().value_or(0) & (kCapsLock | kNumLock), kCapsLock);
    {
        CMainFrame frame(*tavlinApp(), false);
        EXPECT_EQ(indicator(frame, IDS_INDICATOR_CAPS), LoadResString(IDS_INDICATOR_CAPS));
        EXPECT_EQ(indicator(frame, IDS_INDICATOR_CAPS + 1), QString());
    }
    lock(kNumLock);
    CMainFrame frame(*tavlinApp(), false);
    EXPECT_EQ(indicator(frame, IDS_INDICATOR_CAPS), QString());
    EXPECT_EQ(indicator(frame, IDS_INDICATOR_CAPS + 1), LoadResString(IDS_INDICATOR_CAPS + 1));
}
