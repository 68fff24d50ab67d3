#include "document/HtmlFiles.h"

#include "platform/FileUtils.h"

#include <QFile>
#include <QUrl>

std::optional<QByteArray> readTemplateBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

std::optional<QString> readTemplate(const QString& path) {
    std::optional<QByteArray> bytes = readTemplateBytes(path);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

bool writeGeneratedBytes(const QString& path, const QByteArray& bytes) {
    return writeFileNoFollow(path, bytes);
}

bool writeGeneratedFile(const QString& path, const QString& text) {
    return writeGeneratedBytes(path, text.toUtf8());
}

QString pathInAttribute(const QString& path) {
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

bool isSafeExtension(const QString& extension) {
    return !extension.contains(QLatin1Char('/')) && !extension.contains(QChar(u'\0'));
}
