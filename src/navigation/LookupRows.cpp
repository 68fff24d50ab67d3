#include "navigation/LookupRows.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ReportDaoError.h"

namespace {
bool readRows(Recordset& recordset, const QString& column, QVector<LookupRow>& rows) {
    try {
        recordset.Open();
        for (; !recordset.IsEOF(); recordset.MoveNext())
            rows.append(
                {recordset.GetFieldText(column), recordset.GetFieldInt(QStringLiteral("ID"))});
        recordset.Close();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return false;
    }
    return true;
}
} // namespace

bool readLookupRows(Database& database, Lookup which, QVector<LookupRow>& rows) {
    if (which == Lookup::Oblast) {
        CrOblasti oblasti(database);
        oblasti.m_strSort = QStringLiteral("left(oblast, 255)");
        return readRows(oblasti, QStringLiteral("oblast"), rows);
    }
    if (which == Lookup::Obor) {
        CrObory obory(database);
        obory.m_strSort = QStringLiteral("left(obor, 255)");
        // No wildcard: only the field named exactly so is left out.
        obory.m_strFilter = QStringLiteral("obor NOT LIKE 'Společné'");
        return readRows(obory, QStringLiteral("obor"), rows);
    }
    CrTypy typy(database);
    typy.m_strSort = QStringLiteral("left(Typ, 255)");
    return readRows(typy, QStringLiteral("typ"), rows);
}
