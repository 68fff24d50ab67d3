#include "document/ValidOnDay.h"

#include <QRegularExpression>

QString dayFileTag(const QDate& day, const QDate& today) {
    if (!day.isValid() || day == today)
        return QString();
    return QLatin1Char('_') + day.toString(Qt::ISODate);
}

std::optional<QDate> dayFromLocation(const QString& url) {
    static const QRegularExpression pattern(
        QStringLiteral("/[DTB]\\d+_(\\d{4}-\\d{2}-\\d{2})\\.html(?:#.*)?$"));
    const QRegularExpressionMatch match = pattern.match(url);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate day = QDate::fromString(match.captured(1), Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString czechDay(const QDate& day) {
    return QStringLiteral("%1. %2. %3").arg(day.day()).arg(day.month()).arg(day.year());
}
