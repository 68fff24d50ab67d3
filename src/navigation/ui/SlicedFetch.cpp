#include "navigation/ui/SlicedFetch.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace {
constexpr int kFirstRows = 200;
constexpr int kRowsPerStep = 500;
constexpr int kSliceMs = 8;

bool s_bHolding = false;
std::vector<SlicedFetch*>& waitingFetches() {
    static std::vector<SlicedFetch*> waiting;
    return waiting;
}
} // namespace

SlicedFetch::SlicedFetch(QObject* parent, std::function<bool(int)> fetch,
                         std::function<void()> finished)
    : QObject(parent), m_fetch(std::move(fetch)), m_finished(std::move(finished)),
      m_pTimer(new QTimer(this)) {
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, [this] { step(); });
}

SlicedFetch::~SlicedFetch() {
    stop();
}

void SlicedFetch::holdLaterParts() {
    s_bHolding = true;
}

void SlicedFetch::releaseLaterParts() {
    s_bHolding = false;
    for (SlicedFetch* fetch : std::exchange(waitingFetches(), {})) {
        fetch->m_bWaiting = false;
        fetch->m_pTimer->start(0);
    }
}

void SlicedFetch::begin() {
    stop();
    if (m_fetch(kFirstRows))
        continueLater();
}

void SlicedFetch::continueLater() {
    if (!s_bHolding) {
        m_pTimer->start(0);
        return;
    }
    m_bWaiting = true;
    waitingFetches().push_back(this);
}

void SlicedFetch::stop() {
    m_pTimer->stop();
    if (std::exchange(m_bWaiting, false))
        std::erase(waitingFetches(), this);
}

void SlicedFetch::finish() {
    if (!isRunning())
        return;
    stop();
    while (m_fetch(std::numeric_limits<int>::max())) {
    }
    m_finished();
}

bool SlicedFetch::isRunning() const {
    return m_pTimer->isActive() || m_bWaiting;
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
