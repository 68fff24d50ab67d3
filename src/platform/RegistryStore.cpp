#include "platform/RegistryStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString rootFileName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT.ini");
    case RegistryRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE.ini");
    case RegistryRoot::CurrentUser:
        break;
    }
    return QStringLiteral("HKEY_CURRENT_USER.ini");
}

QStringList keyParts(const QString& key) {
    QString normalised = key;
    normalised.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return normalised.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The stored spelling of `name` among `candidates`, or `name` itself when none matches.
QString matchingName(const QStringList& candidates, const QString& name) {
    for (const QString& candidate : candidates) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return name;
}
} // namespace

RegistryStore::RegistryStore(RegistryRoot root) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/tavlin");
    m_strFile = folder + QLatin1Char('/') + rootFileName(root);
}

QString RegistryStore::resolvedPath(const QString& key, const QString& valueName) const {
    QSettings settings(m_strFile, QSettings::IniFormat);
    QStringList resolved;
    for (const QString& part : keyParts(key)) {
        const QString name = matchingName(settings.childGroups(), part);
        settings.beginGroup(name);
        resolved << name;
    }
    const QString value = valueName.isEmpty() ? QStringLiteral("@Default") : valueName;
    resolved << matchingName(settings.childKeys(), value);
    return resolved.join(QLatin1Char('/'));
}

std::optional<QVariant> RegistryStore::read(const QString& key, const QString& valueName) const {
    QSettings settings(m_strFile, QSettings::IniFormat);
    const QString path = resolvedPath(key, valueName);
    if (!settings.contains(path))
        return std::nullopt;
    return settings.value(path);
}

bool RegistryStore::write(const QString& key, const QString& valueName, const QVariant& value) {
    QDir().mkpath(m_strFile.section(QLatin1Char('/'), 0, -2));
    QSettings settings(m_strFile, QSettings::IniFormat);
    settings.setValue(resolvedPath(key, valueName), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
