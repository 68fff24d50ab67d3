#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "tools/CliCommand.h"

#include <QFile>

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
    std::unique_ptr<Database> database = Database::create(*out, collectionPassword());
    for (const QString& script : scripts)
        database->executeScript(script);
    return 0;
}

const CliRegistration registration("db create", "db create --out FILE [--sql FILE]...",
                                   createCollection);
} // namespace
