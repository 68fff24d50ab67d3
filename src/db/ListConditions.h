#pragma once

#include <QString>
#include <QStringList>

// The WHERE conditions of the list pages, shared by the navigation pages and tavlin-cli.

// The area filter: "" for 0 ("Vše"), else the documents that have area `areaId`.
QString areaCondition(int areaId);
// The type filter: "" for -1 ("Vše"), else the documents of type `typeId` (0 is a real type).
QString typeCondition(int typeId);
// Area and type filters joined by " AND " when both are set.
QString filterCondition(int areaId, int typeId);
// The "Zobraz" choice: 0 full texts, 1 amendments, anything else "".
QString novelizaceCondition(int nZobraz);
// The fixed condition of a list page by its template: contents, contracts, court decisions.
QString baseConditionForTemplate(int nTemplateId);
// The parts that are not empty, joined by " AND ".
QString joinConditions(const QStringList& parts);
