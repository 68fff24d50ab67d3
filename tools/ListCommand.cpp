#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "tools/CliCommand.h"

#include <cstdio>

namespace {
// The filter of a list page as the page builds it: the contents page adds its area, type and
// "Zobraz" choices to its base condition; the contracts and decisions pages have only the base.
QString pageFilter(const CliArgs& args) {
    const QString page = args.value(QStringLiteral("--page")).value_or(QString());
    if (page == QLatin1String("contents")) {
        const int show = args.intValue(QStringLiteral("--show"), 2);
        if (show < 0 || show > 2)
            throw CliError{QStringLiteral("--show must be 0, 1 or 2")};
        return joinConditions({baseConditionForTemplate(131),
                               filterCondition(args.intValue(QStringLiteral("--area"), 0),
                                               args.intValue(QStringLiteral("--type"), -1)),
                               novelizaceCondition(show)});
    }
    const int templateId = page == QLatin1String("contracts")   ? 133
                           : page == QLatin1String("decisions") ? 136
                                                                : 0;
    if (templateId == 0)
        throw CliError{QStringLiteral("--page must be contents, contracts or decisions")};
    if (const QStringList extra = args.unknownOptions({QStringLiteral("--page")}); !extra.isEmpty())
        throw CliError{QStringLiteral("the %1 page has no %2 filter").arg(page, extra.first())};
    return baseConditionForTemplate(templateId);
}

int listPage(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--page"), QStringLiteral("--area"),
                               QStringLiteral("--type"), QStringLiteral("--show")});
    if (!args.positional().isEmpty())
        throw CliError{QStringLiteral("unexpected argument %1").arg(args.positional().first())};
    const QString filter = pageFilter(args);

    std::unique_ptr<Database> database = Database::open(
        args.folders().GetDataFolder() + QStringLiteral("/TavlinDemo.db"), collectionPassword());
    CrDokument set(*database);
    set.m_strFilter = filter;
    set.m_strSort = set.m_strDefaultSort;
    set.Open();
    for (; !set.IsEOF(); set.MoveNext()) {
        const QByteArray line = QByteArray::number(set.m_ID) + '\t' + set.m_jmeno.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    }
    set.Close();
    return 0;
}

const CliRegistration
    registration("list",
                 "list --page contents|contracts|decisions [--area ID] [--type ID] [--show 0|1|2]",
                 listPage);
} // namespace
