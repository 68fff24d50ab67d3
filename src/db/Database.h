#pragma once

#include "db/JetDialect.h"

#include <QString>
#include <memory>

struct sqlite3;

// One open law collection. Every connection gets the Czech collation and the Jet functions,
// so the program's SQL texts run unchanged after the dialect rewrite.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing collection and checks `password` against its stored salted hash.
    // Throws DaoException with the database's description when that fails.
    static std::unique_ptr<Database> open(const QString& path, const QString& password);

    // Creates a new collection at `path` (which must not exist) with the schema and the
    // password's salted hash.
    static std::unique_ptr<Database> create(const QString& path, const QString& password);

    // Computes the stored Czech sort keys of the list sorts anew (adding them to a collection
    // made without them); throws DaoException.
    void buildSortKeys();
    // Counts the rows of the documents and their areas for SQLite's planner: with them a list
    // of one area sorts the area's documents by their stored keys instead of walking the key
    // index of the whole collection. Run once a collection is filled; throws DaoException.
    void updatePlannerFigures();
    // How the collection stores the sort keys of names and numbers: a collection made before the
    // key columns existed has them as indexes only, until it is upgraded.
    SortKeys sortKeys() const { return m_sortKeys; }

    // Another read-only connection to this collection (its password was checked when this one
    // was opened), for work on another thread, with the page cache of a search; throws
    // DaoException.
    std::unique_ptr<Database> openReadOnlyTwin() const;

    // A search reads the rows of tens of thousands of documents in the order of its hits: a
    // larger page cache keeps most of them between reads. The window's connection keeps
    // SQLite's small one, as a larger cache there only adds to the window's memory.
    void useSearchPageCache();

    // Runs SQL statements as they stand (no dialect rewrite); throws DaoException.
    void executeScript(const QString& sql);

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_strPath; }

private:
    Database(sqlite3* db, QString path, SortKeys keys);
    QString keyColumnsScript() const;

    sqlite3* m_db;
    QString m_strPath;
    SortKeys m_sortKeys;
};

// The error text of the connection's last failure, as DaoException carries it.
QString sqliteErrorText(sqlite3* db);
