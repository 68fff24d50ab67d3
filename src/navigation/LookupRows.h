#pragma once

#include <QString>
#include <QVector>

class Database;

// One row of an area, type or subject-field combo: the name and the identifier the filters use.
struct LookupRow {
    QString text;
    int id = 0;
};

// Obor: the subject fields of the register without the common one ("Společné").
enum class Lookup { Oblast, Typ, Obor };

// The areas, types or fields in the order the combos list them. A database failure is reported and
// leaves the rows read so far in `rows`; then the result is false.
bool readLookupRows(Database& database, Lookup which, QVector<LookupRow>& rows);
