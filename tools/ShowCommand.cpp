#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "document/DocumentAssembler.h"
#include "document/LinkProtocol.h"
#include "platform/Messages.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "tools/CliCommand.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace {
int showDocument(const CliArgs& args) {
    const QString id = QStringLiteral("--id");
    const QString ozn = QStringLiteral("--ozn");
    const QString fixed = QStringLiteral("--fixed");
    const QString date = QStringLiteral("--date");
    const QString anchor = QStringLiteral("--anchor");
    const QString out = QStringLiteral("--out");
    args.rejectUnknownOptions({id, ozn, fixed, date, anchor, out});
    if (int(args.has(id)) + int(args.has(ozn)) + int(args.has(fixed)) != 1)
        throw CliError{QStringLiteral("give one of --id, --ozn and --fixed")};
    if (!args.has(id) && (args.has(date) || args.has(anchor)))
        throw CliError{QStringLiteral("--date and --anchor go with --id only")};

    std::optional<QDateTime> validOn;
    if (args.has(date)) {
        const QDate day = QDate::fromString(*args.value(date), Qt::ISODate);
        if (!day.isValid())
            throw CliError{QStringLiteral("--date needs YYYY-MM-DD")};
        validOn = day.startOfDay();
    }

    const ProgramFolders folders = args.folders();
    std::unique_ptr<Database> database = Database::open(
        folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db"), collectionPassword());
    QString shown;
    DocumentHooks hooks;
    hooks.navigate = [&shown](const QString& path) { shown = path; };
    DocumentAssembler assembler(*database, folders, hooks);
    // Without --out the pages go to a folder of this run's own inside the private working
    // folder, removed at the end, so that the reader's pages are never touched.
    std::optional<QTemporaryDir> scratch;
    QString outFolder = args.value(out).value_or(QString());
    if (outFolder.isEmpty()) {
        const QString working = folders.GetWorkingFolder();
        if (working.isEmpty() || !folders.IsWorkingFolderUsable())
            return 1;
        scratch.emplace(working + QStringLiteral("/show-XXXXXX"));
        if (!scratch->isValid())
            throw CliError{QStringLiteral("cannot create a folder in %1").arg(working)};
        outFolder = scratch->path();
    }
    if (!QDir().mkpath(outFolder + QStringLiteral("/images")))
        throw CliError{QStringLiteral("cannot create %1").arg(outFolder)};
    assembler.SetOutputFolder(outFolder);
    const QString imagesFolder = QDir(outFolder).absolutePath() + QStringLiteral("/images");
    folders.CopyMarkerImages(imagesFolder);

    if (args.has(id)) {
        // As a document link does: a missing document is reported by the caller.
        if (!assembler.OpenDocument(args.intValue(id, 0), args.value(anchor).value_or(QString()),
                                    validOn ? &*validOn : nullptr))
            ShowMessage(IDS_INVALID_LINK);
    } else if (args.has(ozn)) {
        assembler.OpenByDesignation(*args.value(ozn));
    } else {
        const int command = args.intValue(fixed, 0);
        assembler.OpenFixedLaw(static_cast<unsigned>(command));
        if (shown.isEmpty())
            cliPrintError(QStringLiteral("tavlin-cli show: no document for command %1 (%2)")
                              .arg(command)
                              .arg(fixedLawDesignation(static_cast<unsigned>(command))));
    }
    if (shown.isEmpty())
        return 1;
    cliPrint(shown);
    return 0;
}

QString jsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

int decideLinkCommand(const CliArgs& args) {
    args.rejectUnknownOptions({});
    if (args.positional().size() != 1)
        throw CliError{QStringLiteral("give one URL")};
    const LinkDecision decision = decideLink(args.positional().first());
    const auto flag = [](bool value) {
        return value ? QStringLiteral("true") : QStringLiteral("false");
    };
    cliPrint(QStringLiteral("{\"intercept\": %1, \"note\": %2, \"id\": %3, \"anchor\": %4, "
                            "\"date\": %5}")
                 .arg(flag(decision.intercept), flag(decision.note), QString::number(decision.id),
                      jsonString(decision.anchor),
                      decision.date ? jsonString(decision.date->toString(Qt::ISODate))
                                    : QStringLiteral("null")));
    return 0;
}

const CliRegistration showRegistration(
    "show",
    "show (--id N | --ozn TEXT | --fixed CMD) [--date YYYY-MM-DD] [--anchor '#a'] [--out DIR]",
    showDocument);
const CliRegistration linkRegistration("link", "link URL", decideLinkCommand);
} // namespace
