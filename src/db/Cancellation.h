#pragma once

#include <atomic>
#include <mutex>
#include <vector>

struct sqlite3;

// A request to stop work that runs on another thread: set once by whoever wants it stopped,
// checked by the work between its steps and by SQLite while a statement runs on a watched
// connection, which then fails with SQLITE_INTERRUPT.
class Cancellation {
public:
    Cancellation() = default;
    Cancellation(const Cancellation&) = delete;
    Cancellation& operator=(const Cancellation&) = delete;

    // Safe from any thread; interrupts the statements running on the watched connections.
    void cancel();
    bool isCancelled() const { return m_bCancelled.load(std::memory_order_acquire); }

    // Watches `db` for its lifetime: statements on it stop once `cancellation` is set (at once
    // when they run, at their first steps when they start later). A null `cancellation` or `db`
    // watches nothing. The connection must be used by the watching thread only, and the watch
    // must end before the connection is closed.
    class Watch {
    public:
        Watch(Cancellation* cancellation, sqlite3* db);
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;

    private:
        Cancellation* m_pCancellation;
        sqlite3* m_db;
    };

private:
    std::atomic<bool> m_bCancelled{false};
    std::mutex m_mutex;
    std::vector<sqlite3*> m_watched;
};
