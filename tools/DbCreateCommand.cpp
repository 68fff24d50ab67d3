#include "build/CollectionFile.h"
#include "db/Database.h"
#include "tools/CliCommand.h"

#include <QFile>
#include <QFileInfo>

namespace {
int createCollection(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--out"), QStringLiteral("--sql")});
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
    buildCollectionFile(*out, [&scripts](Database& database) {
        for (const QString& script : scripts)
            database.executeScript(script);
    });
    return 0;
}

const CliRegistration registration("db create", "db create --out FILE [--sql FILE]...",
                                   createCollection);
} // namespace
