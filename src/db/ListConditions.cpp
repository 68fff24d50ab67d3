#include "db/ListConditions.h"

#include "platform/ResourceIds.h"

QString areaCondition(int areaId) {
    if (areaId == 0)
        return QString();
    return QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM dokumentOblast "
                          "WHERE dokumentOblast.oblast = %1))")
        .arg(areaId);
}

QString typeCondition(int typeId) {
    if (typeId == -1)
        return QString();
    return QStringLiteral("(Dokument.Typ = %1)").arg(typeId);
}

QString filterCondition(int areaId, int typeId) {
    return joinConditions({areaCondition(areaId), typeCondition(typeId)});
}

QString novelizaceCondition(int nZobraz) {
    switch (nZobraz) {
    case 0:
        return QStringLiteral("(dokument.typnovelizace = 1 OR dokument.typnovelizace = 3)");
    case 1:
        return QStringLiteral("(dokument.typnovelizace = 2 OR dokument.typnovelizace = 3)");
    default:
        return QString();
    }
}

QString baseConditionForTemplate(int nTemplateId) {
    switch (nTemplateId) {
    case IDD_OBSAH:
        return QStringLiteral("(dokument.pohled = 1)");
    case IDD_SMLOUVY:
        return QStringLiteral("(dokument.pohled = 3)");
    case IDD_JUDIKATY:
        return QStringLiteral("(dokument.pohled = 5)");
    default:
        return QString();
    }
}

QString joinConditions(const QStringList& parts) {
    QStringList present;
    for (const QString& part : parts) {
        if (!part.isEmpty())
            present << part;
    }
    return present.join(QStringLiteral(" AND "));
}
