#include "navigation/ui/BackgroundWork.h"
#include "platform/Messages.h"
#include "support/RecordedMessages.h"

#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

TEST(BackgroundWork, TheWindowKeepsRunningAndTheWorkersMessagesShowOnItsThread) {
    RecordedMessages messages;
    int beats = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&beats] { ++beats; });
    heartbeat.start(10);
    Qt::HANDLE worker = nullptr;
    bool nestedRan = true;
    const bool ran = runInBackground([&] {
        worker = QThread::currentThreadId();
        QThread::msleep(300);
        ShowMessage(QStringLiteral("z vlákna"));
    });
    EXPECT_TRUE(ran);
    EXPECT_NE(worker, QThread::currentThreadId());
    EXPECT_GE(beats, 5);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("z vlákna")});
    EXPECT_FALSE(isBackgroundWorkRunning());

    // While work runs, more is refused: the loop that waits for it must not start it again.
    QTimer::singleShot(20, [&nestedRan] { nestedRan = runInBackground([] {}); });
    runInBackground([] { QThread::msleep(100); });
    EXPECT_FALSE(nestedRan);
}
