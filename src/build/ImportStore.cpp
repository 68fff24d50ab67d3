#include "build/ImportStore.h"

#include "db/DaoException.h"
#include "db/Database.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace {
QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
}

QByteArray columnBytes(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QByteArray(text, sqlite3_column_bytes(stmt, column)) : QByteArray();
}
} // namespace

ImportStore::ImportStore(Database& database) : m_database(database) {}

ImportStore::~ImportStore() {
    for (sqlite3_stmt* stmt : m_statements)
        sqlite3_finalize(stmt);
}

sqlite3_stmt* ImportStore::prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_database.handle(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(m_database.handle()));
    m_statements << stmt;
    return stmt;
}

void ImportStore::check(int rc) {
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw DaoException(sqliteErrorText(m_database.handle()));
}

QHash<QString, int> ImportStore::documentsByNorma() {
    sqlite3_stmt* stmt =
        prepare("SELECT norma, ID FROM dokument WHERE norma IS NOT NULL AND pohled = 1 "
                "ORDER BY ID DESC");
    QHash<QString, int> documents;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        documents.insert(columnText(stmt, 0), sqlite3_column_int(stmt, 1));
    check(rc);
    return documents;
}

int ImportStore::maxDocumentId() {
    sqlite3_stmt* stmt = prepare("SELECT coalesce(max(ID), 0) FROM dokument");
    check(sqlite3_step(stmt));
    return sqlite3_column_int(stmt, 0);
}

QHash<QString, int> ImportStore::namedRows(const QString& table) {
    const QString column =
        table == QLatin1String("typy") ? QStringLiteral("typ") : QStringLiteral("oblast");
    sqlite3_stmt* stmt =
        prepare(QStringLiteral("SELECT %1, ID FROM %2").arg(column, table).toUtf8().constData());
    QHash<QString, int> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rows.insert(columnText(stmt, 0), sqlite3_column_int(stmt, 1));
    check(rc);
    return rows;
}

QList<StoredSection> ImportStore::sections(int dokument) {
    if (!m_pSections)
        m_pSections = prepare("SELECT sekce, poradi, obsah, datumNovelizace, datumDo "
                              "FROM dokumentSekce WHERE dokument = ?1 ORDER BY poradi, sekce");
    sqlite3_bind_int(m_pSections, 1, dokument);
    QList<StoredSection> found;
    int rc;
    while ((rc = sqlite3_step(m_pSections)) == SQLITE_ROW) {
        found.append({sqlite3_column_int64(m_pSections, 0), sqlite3_column_int(m_pSections, 1),
                      columnBytes(m_pSections, 2), columnText(m_pSections, 3).left(10),
                      columnText(m_pSections, 4).left(10)});
    }
    sqlite3_reset(m_pSections);
    check(rc);
    return found;
}

QSet<QString> ImportStore::currentAnchors(int dokument) {
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> anchors;
    for (const StoredSection& section : sections(dokument)) {
        if (!section.datumDo.isEmpty())
            continue;
        const QString text = QString::fromUtf8(section.obsah);
        for (const QRegularExpressionMatch& match : anchor.globalMatch(text))
            anchors.insert(match.captured(1));
    }
    return anchors;
}

void ImportStore::updateSection(qint64 sekce, int poradi, const QString& datumDo) {
    if (!m_pUpdate)
        m_pUpdate = prepare("UPDATE dokumentSekce SET poradi = ?2, datumDo = ?3 WHERE sekce = ?1");
    sqlite3_bind_int64(m_pUpdate, 1, sekce);
    sqlite3_bind_int(m_pUpdate, 2, poradi);
    const QByteArray date = datumDo.toUtf8();
    if (date.isEmpty())
        sqlite3_bind_null(m_pUpdate, 3);
    else
        sqlite3_bind_text(m_pUpdate, 3, date.constData(), int(date.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(m_pUpdate);
    sqlite3_reset(m_pUpdate);
    check(rc);
}
