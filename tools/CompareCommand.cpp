#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "db/DokumentRecordsets.h"
#include "document/VersionCompare.h"
#include "tools/CliCommand.h"

namespace {
QDate dayOption(const CliArgs& args, const QString& name) {
    const std::optional<QString> text = args.value(name);
    if (!text)
        throw CliError{QStringLiteral("give %1 YYYY-MM-DD").arg(name)};
    const QDate day = QDate::fromString(*text, Qt::ISODate);
    if (!day.isValid())
        throw CliError{QStringLiteral("%1 needs YYYY-MM-DD").arg(name)};
    return day;
}

// One line per section version that differs between the two days, in text order: "- <sekce>"
// for a version valid only on the earlier day, "+ <sekce>" for one valid only on the later day.
int compareDays(const CliArgs& args) {
    const QString id = QStringLiteral("--id");
    const QString from = QStringLiteral("--from");
    const QString to = QStringLiteral("--to");
    args.rejectUnknownOptions({id, from, to});
    if (!args.has(id))
        throw CliError{QStringLiteral("give --id N")};
    const int document = args.intValue(id, 0);
    const QDate before = dayOption(args, from);
    const QDate after = dayOption(args, to);
    if (!(before < after))
        throw CliError{QStringLiteral("--from must be earlier than --to")};

    const ProgramFolders folders = args.folders();
    std::unique_ptr<Database> database = Database::open(
        folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db"), collectionPassword());
    CrDokument dokument(*database);
    dokument.m_strFilter = QStringLiteral("(ID = %1)").arg(document);
    dokument.Open();
    const bool exists = !dokument.IsEOF();
    dokument.Close();
    if (!exists) {
        cliPrintError(QStringLiteral("tavlin-cli compare: no document %1").arg(document));
        return 1;
    }
    for (const SectionDelta& delta : compareVersions(*database, document, before, after)) {
        if (delta.kind() == SectionDelta::Kind::Same)
            continue;
        if (delta.m_before)
            cliPrint(QStringLiteral("- %1").arg(delta.m_before->m_sekce));
        if (delta.m_after)
            cliPrint(QStringLiteral("+ %1").arg(delta.m_after->m_sekce));
    }
    return 0;
}

const CliRegistration
    compareRegistration("compare", "compare --id N --from YYYY-MM-DD --to YYYY-MM-DD", compareDays);
} // namespace
