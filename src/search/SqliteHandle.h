#pragma once

#include "db/DaoException.h"
#include "db/Database.h"

#include <QString>
#include <sqlite3.h>

// An sqlite3 handle closed on every way out.
class Connection {
public:
    Connection() = default;
    ~Connection() { sqlite3_close_v2(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // Opens `path` with `flags`; false (and a null handle) when it cannot be opened.
    bool open(const QString& path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) == SQLITE_OK)
            return true;
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3* m_db = nullptr;
};

// A prepared statement that throws DaoException when SQLite refuses it.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            throw DaoException(sqliteErrorText(db));
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is ready; throws on failure.
    bool step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw DaoException(sqliteErrorText(m_db));
        return false;
    }
    void execute() {
        step();
        sqlite3_reset(m_stmt);
    }
    void reset() { sqlite3_reset(m_stmt); }
    void bindText(int column, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bindUtf8(int column, const std::string& text) {
        sqlite3_bind_text(m_stmt, column, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void bindInt(int column, sqlite3_int64 value) { sqlite3_bind_int64(m_stmt, column, value); }
    sqlite3_int64 columnInt(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QString columnText(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
    }
    std::string columnUtf8(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return text ? std::string(text, std::size_t(sqlite3_column_bytes(m_stmt, column)))
                    : std::string();
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

inline void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(db));
}
