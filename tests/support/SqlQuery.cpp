#include "support/SqlQuery.h"

#include "db/DaoException.h"
#include "db/Database.h"

#include <sqlite3.h>

QList<QVariantList> queryRows(sqlite3* db, const QString& sql, const QVariantList& bind) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(db));
    for (int i = 0; i < bind.size(); ++i) {
        if (bind[i].typeId() == QMetaType::Int || bind[i].typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(stmt, i + 1, bind[i].toLongLong());
        else
            sqlite3_bind_text(stmt, i + 1, bind[i].toString().toUtf8().constData(), -1,
                              SQLITE_TRANSIENT);
    }
    QList<QVariantList> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                row << QVariant(qlonglong(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_NULL:
                row << QVariant();
                break;
            case SQLITE_BLOB:
                row << QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, c)),
                                           sqlite3_column_bytes(stmt, c)));
                break;
            default:
                row << QVariant(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            }
        }
        rows << row;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        throw DaoException(sqliteErrorText(db));
    return rows;
}

QVariant queryValue(sqlite3* db, const QString& sql, const QVariantList& bind) {
    const QList<QVariantList> rows = queryRows(db, sql, bind);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}
