#include "navigation/ui/SlicedFetch.h"

#include <QElapsedTimer>
#include <QTimer>
#include <limits>

namespace {
constexpr int kFirstRows = 200;
constexpr int kRowsPerStep = 500;
constexpr int kSliceMs = 8;
} // namespace

SlicedFetch::SlicedFetch(QObject* parent, std::function<bool(int)> fetch,
                         std::function<void()> finished)
    : QObject(parent), m_fetch(std::move(fetch)), m_finished(std::move(finished)),
      m_pTimer(new QTimer(this)) {
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, [this] { step(); });
}

void SlicedFetch::begin() {
    m_pTimer->stop();
    if (m_fetch(kFirstRows))
        m_pTimer->start(0);
}

void SlicedFetch::stop() {
    m_pTimer->stop();
}

void SlicedFetch::finish() {
    if (!m_pTimer->isActive())
        return;
    m_pTimer->stop();
    while (m_fetch(std::numeric_limits<int>::max())) {
    }
    m_finished();
}

bool SlicedFetch::isRunning() const {
    return m_pTimer->isActive();
}

void SlicedFetch::step() {
    QElapsedTimer slice;
    slice.start();
    bool bMore = true;
    while (bMore && slice.elapsed() < kSliceMs)
        bMore = m_fetch(kRowsPerStep);
    if (bMore)
        m_pTimer->start(0);
    else
        m_finished();
}
