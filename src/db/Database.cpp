#include "db/Database.h"

#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/JetFunctions.h"
#include "db/SqliteErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sqlite3.h>

namespace {
QString storedValue(sqlite3* db, const char* name) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT value FROM tavlinInfo WHERE name = ?1", -1, &stmt,
                           nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(db));
    sqlite3_bind_text(stmt, 1, name, -1, SQLITE_STATIC);
    QString value;
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DaoException(sqliteErrorText(db));
    return value;
}

bool hasKeyColumns(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT 1 FROM pragma_table_info('dokument') WHERE name = 'jmenoKlic'",
                           -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
}

sqlite3* openConnection(const QString& path, int flags) {
    sqlite3* db = nullptr;
    // Each connection serves one thread at a time (a search opens its own), so SQLite need not
    // lock it around every call: reading a row's columns is most of what a list does.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = db ? sqliteErrorText(db)
                                : describeSqliteError(rc, QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close(db);
        throw DaoException(text);
    }
    sqlite3_extended_result_codes(db, 1);
    // Sorting a whole list (60,000 names) then stays in memory instead of spilling to files. The
    // page cache stays at SQLite's 2 MB (see useSearchPageCache): the lists walk key indexes
    // that the system's file cache holds anyway.
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY;", nullptr, nullptr, nullptr);
    registerJetFunctions(db);
    return db;
}
QString resourceText(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw DaoException(QStringLiteral("Schéma databáze chybí."));
    return QString::fromUtf8(file.readAll());
}
} // namespace

QString sqliteErrorText(sqlite3* db) {
    return describeSqliteError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
}

Database::Database(sqlite3* db, QString path, SortKeys keys)
    : m_db(db), m_strPath(std::move(path)), m_sortKeys(keys) {}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

std::unique_ptr<Database> Database::open(const QString& path, const QString& password) {
    if (!QFileInfo(path).isFile())
        throw DaoException(QStringLiteral("Soubor databáze '%1' nebyl nalezen.").arg(path));
    sqlite3* db = openConnection(path, SQLITE_OPEN_READWRITE);
    std::unique_ptr<Database> database(
        new Database(db, path, hasKeyColumns(db) ? SortKeys::Columns : SortKeys::Indexes));
    const QString salt = storedValue(database->m_db, "salt");
    const QString hash = storedValue(database->m_db, "hash");
    if (hash.isEmpty() || passwordHash(salt.toUtf8(), password) != hash.toUtf8())
        throw DaoException(QStringLiteral("Neplatné heslo databáze."));
    return database;
}

std::unique_ptr<Database> Database::openReadOnlyTwin() const {
    std::unique_ptr<Database> twin(
        new Database(openConnection(m_strPath, SQLITE_OPEN_READONLY), m_strPath, m_sortKeys));
    twin->useSearchPageCache();
    return twin;
}

void Database::useSearchPageCache() {
    sqlite3_exec(m_db, "PRAGMA cache_size = -8192;", nullptr, nullptr, nullptr);
}

std::unique_ptr<Database> Database::create(const QString& path, const QString& password) {
    if (QFileInfo::exists(path))
        throw DaoException(QStringLiteral("Soubor '%1' již existuje.").arg(path));
    std::unique_ptr<Database> database(new Database(
        openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path, SortKeys::Indexes));
    const QByteArray salt = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    // One transaction: the schema is written with a single sync instead of one per statement.
    database->executeScript(
        QStringLiteral("BEGIN;") + resourceText(QStringLiteral(":/schema.sql")) +
        database->keyColumnsScript() + resourceText(QStringLiteral(":/sortkeys.sql")) +
        QStringLiteral("INSERT INTO tavlinInfo (name, value) VALUES ('salt', '%1'), ('hash', '%2');"
                       "COMMIT;")
            .arg(QString::fromLatin1(salt), QString::fromLatin1(passwordHash(salt, password))));
    database->m_sortKeys = SortKeys::Columns;
    return database;
}

void Database::buildSortKeys() {
    executeScript(QStringLiteral("BEGIN;") + keyColumnsScript() +
                  resourceText(QStringLiteral(":/sortkeys.sql")) + QStringLiteral("COMMIT;"));
    m_sortKeys = SortKeys::Columns;
    updatePlannerFigures();
}

void Database::updatePlannerFigures() {
    executeScript(QStringLiteral("ANALYZE dokument; ANALYZE dokumentOblast;"));
}

QString Database::keyColumnsScript() const {
    // The columns stay once added; the script that fills them runs again on every upgrade.
    return m_sortKeys == SortKeys::Columns
               ? QString()
               : QStringLiteral("ALTER TABLE dokument ADD COLUMN jmenoKlic BLOB;"
                                "ALTER TABLE dokument ADD COLUMN normaKlic BLOB;");
}

void Database::executeScript(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text =
            error ? describeSqliteError(sqlite3_extended_errcode(m_db), QString::fromUtf8(error))
                  : sqliteErrorText(m_db);
        sqlite3_free(error);
        throw DaoException(text);
    }
}
