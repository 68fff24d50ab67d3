#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/Database.h"
#include "tools/CliCommand.h"

#include <QFile>
#include <QFileInfo>

namespace {
int createCollection(const CliArgs& args) {
    if (const QStringList unknown =
            args.unknownOptions({QStringLiteral("--out"), QStringLiteral("--sql")});
        !unknown.isEmpty())
        throw CliError{QStringLiteral("unknown option %1").arg(unknown.first())};
    const std::optional<QString> out = args.value(QStringLiteral("--out"));
    if (!out)
        throw CliError{QStringLiteral("--out FILE is required")};
    QStringList scripts;
    for (const QString& path : args.values(QStringLiteral("--sql"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw CliError{QStringLiteral("cannot read %1").arg(path)};
        scripts << QString::fromUtf8(file.readAll());
    }
    if (QFileInfo::exists(*out))
        throw CliError{QStringLiteral("%1 already exists").arg(*out)};
    // A script that fails leaves no half-made collection behind.
    try {
        std::unique_ptr<Database> database = Database::create(*out, collectionPassword());
        for (const QString& script : scripts)
            database->executeScript(script);
    } catch (const DaoException&) {
        QFile::remove(*out);
        throw;
    }
    return 0;
}

const CliRegistration registration("db create", "db create --out FILE [--sql FILE]...",
                                   createCollection);
} // namespace
