#include "frame/WebOrder.h"

#include <QDir>
#include <QFile>

QString readIniString(const QString& file, const QString& section, const QString& key) {
    QFile ini(file);
    if (!ini.open(QIODevice::ReadOnly))
        return QString();
    bool bInSection = false;
    for (const QByteArray& raw : ini.readAll().split('\n')) {
        const QString line = QString::fromLocal8Bit(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            bInSection =
                close > 0 &&
                line.mid(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!bInSection || equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QString();
}

QUrl webOrderUrl(const QString& programFolder, const QString& defaultHost) {
    const QString value = readIniString(QDir(programFolder).filePath(QStringLiteral("Dealer.ini")),
                                        QStringLiteral("Dealer"), QStringLiteral("WWWOrder"));
    if (!value.isEmpty())
        return QUrl::fromUserInput(value, programFolder);
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(defaultHost);
    url.setPath(QStringLiteral("/objednavka"));
    return url;
}
