#pragma once

#include <QString>

// The description a user sees of a failure of SQLite: a Czech sentence of ours for the kind of
// failure (by the result code), then SQLite's own English text in parentheses.
QString describeSqliteError(int nExtendedCode, const QString& strSqliteText);
