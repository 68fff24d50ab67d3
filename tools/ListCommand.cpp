#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "navigation/ListSession.h"
#include "platform/ResourceIds.h"
#include "tools/CliCommand.h"

#include <cstdio>
#include <utility>

namespace {
// The template of the list page and its filter: the contents page adds its area, type and
// "Zobraz" choices to its base condition; the contracts and decisions pages have only the base.
std::pair<int, QString> pageFilter(const CliArgs& args) {
    const QString page = args.value(QStringLiteral("--page")).value_or(QString());
    if (page == QLatin1String("contents")) {
        const int show = args.intValue(QStringLiteral("--show"), 2);
        if (show < 0 || show > 2)
            throw CliError{QStringLiteral("--show must be 0, 1 or 2")};
        return std::pair(IDD_OBSAH, ListSession::contentsFilter(
                                        args.intValue(QStringLiteral("--area"), 0),
                                        args.intValue(QStringLiteral("--type"), -1), show));
    }
    const int templateId = page == QLatin1String("contracts")   ? IDD_SMLOUVY
                           : page == QLatin1String("decisions") ? IDD_JUDIKATY
                                                                : 0;
    if (templateId == 0)
        throw CliError{QStringLiteral("--page must be contents, contracts or decisions")};
    if (const QStringList extra = args.unknownOptions({QStringLiteral("--page")}); !extra.isEmpty())
        throw CliError{QStringLiteral("the %1 page has no %2 filter").arg(page, extra.first())};
    return std::pair(templateId, QString());
}

int listPage(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--page"), QStringLiteral("--area"),
                               QStringLiteral("--type"), QStringLiteral("--show")});
    if (!args.positional().isEmpty())
        throw CliError{QStringLiteral("unexpected argument %1").arg(args.positional().first())};
    const auto [templateId, filter] = pageFilter(args);

    std::unique_ptr<Database> database = Database::open(
        args.folders().GetDataFolder() + QStringLiteral("/TavlinDemo.db"), collectionPassword());
    ListSession session(database.get(), templateId);
    if (!session.Fill(filter))
        return 1;
    QByteArray out;
    const DocumentListModel& rows = *session.model();
    for (int row = 0; row < rows.rowCount(); ++row)
        out.append(QByteArray::number(rows.idAt(row)))
            .append('\t')
            .append(rows.names().utf8At(row))
            .append('\n');
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return 0;
}

const CliRegistration
    registration("list",
                 "list --page contents|contracts|decisions [--area ID] [--type ID] [--show 0|1|2]",
                 listPage);
} // namespace
