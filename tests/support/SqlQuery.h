#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;

// Runs one SQL statement directly on a connection (no dialect rewrite) and returns the rows,
// each as a list of column values; throws DaoException on failure. For checks in tests.
QList<QVariantList> queryRows(sqlite3* db, const QString& sql, const QVariantList& bind = {});

// The first column of the first row, or an invalid QVariant when there is none.
QVariant queryValue(sqlite3* db, const QString& sql, const QVariantList& bind = {});
