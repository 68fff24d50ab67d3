#include "db/Cancellation.h"

#include <algorithm>
#include <sqlite3.h>

namespace {
// How many virtual machine steps SQLite runs between two looks at the flag.
constexpr int kStepsBetweenChecks = 1000;

int stopWhenCancelled(void* cancellation) {
    return static_cast<const Cancellation*>(cancellation)->isCancelled() ? 1 : 0;
}
} // namespace

void Cancellation::cancel() {
    m_bCancelled.store(true, std::memory_order_release);
    const std::lock_guard lock(m_mutex);
    for (sqlite3* db : m_watched)
        sqlite3_interrupt(db);
}

Cancellation::Watch::Watch(Cancellation* cancellation, sqlite3* db)
    : m_pCancellation(db ? cancellation : nullptr), m_db(db) {
    if (!m_pCancellation)
        return;
    {
        const std::lock_guard lock(m_pCancellation->m_mutex);
        m_pCancellation->m_watched.push_back(m_db);
    }
    // An interrupt reaches only statements already running; the progress handler also stops
    // those that start after the flag was set.
    sqlite3_progress_handler(m_db, kStepsBetweenChecks, stopWhenCancelled, m_pCancellation);
}

Cancellation::Watch::~Watch() {
    if (!m_pCancellation)
        return;
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    const std::lock_guard lock(m_pCancellation->m_mutex);
    std::vector<sqlite3*>& watched = m_pCancellation->m_watched;
    watched.erase(std::find(watched.begin(), watched.end(), m_db));
}
