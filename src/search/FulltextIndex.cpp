#include "search/FulltextIndex.h"

#include "db/DaoException.h"
#include "db/Database.h"
#include "search/FulltextQuery.h"
#include "search/HtmlText.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <sqlite3.h>
#include <vector>

namespace {
const char* const kIndexSchema =
    "PRAGMA journal_mode = OFF;"
    "PRAGMA synchronous = OFF;"
    "CREATE VIRTUAL TABLE sekceText USING fts5(obsah, content='', "
    "tokenize='unicode61 remove_diacritics 0');"
    "CREATE VIRTUAL TABLE dokumentText USING fts5(jmeno, norma, content='', "
    "tokenize='unicode61 remove_diacritics 0');"
    "CREATE TABLE dokumentNewest (dokument INTEGER PRIMARY KEY, sekce INTEGER NOT NULL);";

// An sqlite3 handle closed on every way out.
class Connection {
public:
    ~Connection() { sqlite3_close_v2(m_db); }
    sqlite3* m_db = nullptr;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw DaoException(sqliteErrorText(db));
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
    void bindText(int column, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bindInt(int column, sqlite3_int64 value) { sqlite3_bind_int64(m_stmt, column, value); }
    sqlite3_int64 columnInt(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QString columnText(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(db));
}

QString searchableText(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

void indexSections(sqlite3* source, sqlite3* index, IndexBuildStats& stats) {
    Statement read(source, "SELECT sekce, obsah FROM dokumentSekce");
    Statement write(index, "INSERT INTO sekceText (rowid, obsah) VALUES (?, ?)");
    while (read.step()) {
        write.bindInt(1, read.columnInt(0));
        write.bindText(2, searchableText(htmlToText(read.columnText(1))));
        write.execute();
        ++stats.sections;
    }
}

void indexDocuments(sqlite3* source, sqlite3* index, IndexBuildStats& stats) {
    Statement read(source, "SELECT ID, jmeno, norma FROM dokument");
    Statement write(index, "INSERT INTO dokumentText (rowid, jmeno, norma) VALUES (?, ?, ?)");
    while (read.step()) {
        write.bindInt(1, read.columnInt(0));
        write.bindText(2, searchableText(read.columnText(1)));
        write.bindText(3, searchableText(read.columnText(2)));
        write.execute();
        ++stats.documents;
    }
    // The newest version: the largest datumNovelizace (none counts as oldest); among equals the
    // one still in force, then the highest identifier.
    Statement newest(source, "SELECT dokument, sekce FROM dokumentSekce ORDER BY dokument, "
                             "datumNovelizace IS NULL, datumNovelizace DESC, datumDo IS NOT NULL, "
                             "sekce DESC");
    Statement store(index, "INSERT INTO dokumentNewest (dokument, sekce) VALUES (?, ?)");
    bool first = true;
    sqlite3_int64 previous = 0;
    while (newest.step()) {
        const sqlite3_int64 dokument = newest.columnInt(0);
        if (!first && dokument == previous)
            continue;
        first = false;
        previous = dokument;
        store.bindInt(1, dokument);
        store.bindInt(2, newest.columnInt(1));
        store.execute();
    }
}

// The column filter of the document table for the name and number bits of the scope.
QString documentColumns(int scope) {
    if ((scope & ScopeName) && (scope & ScopeNumber))
        return QStringLiteral("{jmeno norma}");
    return (scope & ScopeName) ? QStringLiteral("jmeno") : QStringLiteral("norma");
}

// Runs a query returning identifiers into `ids`; false when SQLite refuses it.
bool collectIds(sqlite3* db, const char* sql, const QString& expression,
                std::vector<sqlite3_int64>& ids) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return false;
    }
    const QByteArray utf8 = expression.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}
} // namespace

QString fulltextIndexPath(const QString& indexFolder) {
    return QDir(indexFolder).filePath(QStringLiteral("fulltext.db"));
}

IndexBuildStats BuildFulltextIndex(Database& database, const QString& indexFolder) {
    if (!QDir().mkpath(indexFolder))
        throw DaoException(QStringLiteral("Cannot create the folder %1.").arg(indexFolder));
    const QString finalPath = fulltextIndexPath(indexFolder);
    const QString tempPath = finalPath + QStringLiteral(".tmp");
    QFile::remove(tempPath);
    IndexBuildStats stats;
    {
        Connection index;
        if (sqlite3_open_v2(tempPath.toUtf8().constData(), &index.m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw DaoException(sqliteErrorText(index.m_db));
        try {
            exec(index.m_db, kIndexSchema);
            exec(index.m_db, "BEGIN");
            indexSections(database.handle(), index.m_db, stats);
            indexDocuments(database.handle(), index.m_db, stats);
            // Merging the segments once keeps every later search fast.
            exec(index.m_db, "INSERT INTO sekceText (sekceText) VALUES ('optimize')");
            exec(index.m_db, "INSERT INTO dokumentText (dokumentText) VALUES ('optimize')");
            exec(index.m_db, "COMMIT");
        } catch (const DaoException&) {
            sqlite3_close_v2(index.m_db);
            index.m_db = nullptr;
            QFile::remove(tempPath);
            throw;
        }
    }
    QFile::remove(finalPath);
    if (!QFile::rename(tempPath, finalPath)) {
        QFile::remove(tempPath);
        throw DaoException(QStringLiteral("Cannot write the index %1.").arg(finalPath));
    }
    return stats;
}

QString Search(const QString& indexFolder, const QString& query, int scope) {
    const QString expression = toFts5Expression(query);
    if (expression.isEmpty() || (scope & (ScopeText | ScopeName | ScopeNumber)) == 0)
        return QString();
    Connection index;
    if (sqlite3_open_v2(fulltextIndexPath(indexFolder).toUtf8().constData(), &index.m_db,
                        SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return QString();
    std::vector<sqlite3_int64> ids;
    if ((scope & ScopeText) &&
        !collectIds(index.m_db, "SELECT rowid FROM sekceText WHERE sekceText MATCH ?", expression,
                    ids))
        return QString();
    if (scope & (ScopeName | ScopeNumber)) {
        const QString filtered =
            documentColumns(scope) + QStringLiteral(" : (") + expression + QLatin1Char(')');
        if (!collectIds(index.m_db,
                        "SELECT n.sekce FROM dokumentText JOIN dokumentNewest n "
                        "ON n.dokument = dokumentText.rowid WHERE dokumentText MATCH ?",
                        filtered, ids))
            return QString();
    }
    if (ids.empty())
        return QString();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QString result = QStringLiteral("(");
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0)
            result += QLatin1Char(',');
        result += QString::number(ids[i]);
    }
    return result + QLatin1Char(')');
}
