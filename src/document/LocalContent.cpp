#include "document/LocalContent.h"

#include <QStringList>

bool isLocalContentScheme(const QString& scheme) {
    static const QStringList allowed = {
        QStringLiteral("file"),  QStringLiteral("data"), QStringLiteral("blob"),
        QStringLiteral("about"), QStringLiteral("qrc"),  QStringLiteral("tavlin-link"),
    };
    return allowed.contains(scheme.toLower());
}
