#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "tools/CliCommand.h"

namespace {
// Brings a collection made by an older build up to date in place: the stored Czech sort keys
// are computed (again) with the running collation. One transaction, so a failure changes nothing.
int upgradeCollection(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--db")});
    if (!args.positional().isEmpty())
        throw CliError{QStringLiteral("unexpected argument %1").arg(args.positional().first())};
    const QString path =
        args.value(QStringLiteral("--db"))
            .value_or(args.folders().GetDataFolder() + QStringLiteral("/TavlinDemo.db"));
    std::unique_ptr<Database> database = Database::open(path, collectionPassword());
    database->buildSortKeys();
    cliPrint(QStringLiteral("%1: sort keys built").arg(path));
    return 0;
}

const CliRegistration registration("db upgrade", "db upgrade [--db FILE]", upgradeCollection);
} // namespace
