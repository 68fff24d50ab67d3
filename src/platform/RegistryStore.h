#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

// The settings that used to live in the registry, one INI file per root key in the user's
// configuration folder. Key paths use "\" as the registry does; key and value names match
// without regard to case, and a value written again keeps the spelling it was first stored with.
enum class RegistryRoot { CurrentUser, ClassesRoot, LocalMachine };

class RegistryStore {
public:
    explicit RegistryStore(RegistryRoot root);

    std::optional<QVariant> read(const QString& key, const QString& valueName) const;
    bool write(const QString& key, const QString& valueName, const QVariant& value);

    QString filePath() const { return m_strFile; }

private:
    QString resolvedPath(const QString& key, const QString& valueName) const;

    QString m_strFile;
};
