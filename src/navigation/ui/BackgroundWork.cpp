#include "navigation/ui/BackgroundWork.h"

#include <QEventLoop>
#include <QThread>

namespace {
bool g_bRunning = false;
} // namespace

bool runInBackground(const std::function<void()>& work) {
    if (g_bRunning)
        return false;
    g_bRunning = true;
    QEventLoop loop;
    QThread* thread = QThread::create(work);
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    // User input stays queued meanwhile: the work's own page must not change under it.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    delete thread;
    g_bRunning = false;
    return true;
}

bool isBackgroundWorkRunning() {
    return g_bRunning;
}
