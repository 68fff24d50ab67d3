#include "db/SqliteErrors.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <sqlite3.h>

namespace {
unsigned describingString(int nExtendedCode, const QString& strSqliteText) {
    switch (nExtendedCode & 0xff) {
    case SQLITE_CORRUPT:
        return IDS_DB_CORRUPT;
    case SQLITE_NOTADB:
        return IDS_DB_NOT_A_DATABASE;
    case SQLITE_CANTOPEN:
        return IDS_DB_CANNOT_OPEN;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return IDS_DB_BUSY;
    case SQLITE_READONLY:
        return IDS_DB_READ_ONLY;
    case SQLITE_FULL:
        return IDS_DB_FULL;
    case SQLITE_IOERR:
        return IDS_DB_IO_ERROR;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return IDS_DB_PERMISSION;
    default:
        // A plain SQL error: SQLite says which part of the collection is missing only in words.
        if (strSqliteText.startsWith(QLatin1String("no such table")) ||
            strSqliteText.startsWith(QLatin1String("no such view")))
            return IDS_DB_MISSING_TABLE;
        if (strSqliteText.startsWith(QLatin1String("no such column")))
            return IDS_DB_MISSING_COLUMN;
        return IDS_DB_ERROR;
    }
}
} // namespace

QString describeSqliteError(int nExtendedCode, const QString& strSqliteText) {
    const QString text = LoadResString(describingString(nExtendedCode, strSqliteText));
    return strSqliteText.isEmpty() ? text
                                   : text + QStringLiteral(" (") + strSqliteText + QLatin1Char(')');
}
