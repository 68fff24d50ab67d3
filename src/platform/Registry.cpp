#include "platform/Registry.h"

QString GetProductKey() {
    return QStringLiteral("SOFTWARE\\Ardenvolt\\") + QStringLiteral("Tavlin\\");
}

QString GetToolbarStateKey() {
    return QStringLiteral("Customize\\") + QStringLiteral("9700") + QStringLiteral("\\") +
           QStringLiteral("Control Bars\\");
}

QString GetMakerKey() {
    return QStringLiteral("SOFTWARE\\Ardenvolt\\");
}

QString GetProfileKey() {
    return QStringLiteral("Software\\Ardenvolt\\TAVLIN\\");
}

bool WriteRegDword(const QString& subKey, const QString& valueName, DWORD value,
                   RegistryRoot root) {
    return RegistryStore(root).write(subKey, valueName, QVariant::fromValue<quint32>(value));
}

DWORD ReadRegDword(const QString& subKey, const QString& valueName, DWORD defaultValue,
                   RegistryRoot root) {
    const std::optional<QVariant> stored = RegistryStore(root).read(subKey, valueName);
    if (!stored)
        return defaultValue;
    bool ok = false;
    const qlonglong value = stored->toLongLong(&ok);
    // A DWORD is 32 bits: -1 and 4294967295 are the same stored value.
    return ok ? static_cast<DWORD>(value) : defaultValue;
}

QString ReadRegString(const QString& subKey, const QString& valueName, RegistryRoot root) {
    const std::optional<QVariant> stored = RegistryStore(root).read(subKey, valueName);
    return stored ? stored->toString() : QString();
}

int GetProfileInt(const QString& section, const QString& entry, int defaultValue) {
    return static_cast<int>(ReadRegDword(GetProfileKey() + section, entry,
                                         static_cast<DWORD>(defaultValue),
                                         RegistryRoot::CurrentUser));
}

bool WriteProfileInt(const QString& section, const QString& entry, int value) {
    return WriteRegDword(GetProfileKey() + section, entry, static_cast<DWORD>(value),
                         RegistryRoot::CurrentUser);
}

QByteArray GetProfileBinary(const QString& section, const QString& entry) {
    const std::optional<QVariant> stored =
        RegistryStore(RegistryRoot::CurrentUser).read(GetProfileKey() + section, entry);
    return stored ? stored->toByteArray() : QByteArray();
}

bool WriteProfileBinary(const QString& section, const QString& entry, const QByteArray& value) {
    return RegistryStore(RegistryRoot::CurrentUser)
        .write(GetProfileKey() + section, entry, QVariant(value));
}
