#pragma once

#include <QString>
#include <QVector>

class Database;

// One row of an area or type combo: the name and the identifier the filters use.
struct LookupRow {
    QString text;
    int id = 0;
};

enum class Lookup { Oblast, Typ };

// The areas or the types in the order the combos list them. A database failure is reported and
// leaves the rows read so far in `rows`; then the result is false.
bool readLookupRows(Database& database, Lookup which, QVector<LookupRow>& rows);
