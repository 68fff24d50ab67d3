#include "build/CollectionFile.h"
#include "build/LawImporter.h"
#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "search/FulltextIndex.h"
#include "tools/CliCommand.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {
// The Index folder beside the collection's Data folder (the program folder's layout), else one
// beside the collection file.
QString defaultIndexFolder(const QString& collection) {
    const QDir folder = QFileInfo(collection).absoluteDir();
    if (folder.dirName() == QLatin1String("Data"))
        return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../Index")));
    return folder.absoluteFilePath(QStringLiteral("Index"));
}

int importLaws(const CliArgs& args) {
    args.rejectUnknownOptions(
        {QStringLiteral("--out"), QStringLiteral("--append"), QStringLiteral("--index")});
    const std::optional<QString> out = args.value(QStringLiteral("--out"));
    const std::optional<QString> append = args.value(QStringLiteral("--append"));
    if (out.has_value() == append.has_value())
        throw CliError{QStringLiteral("either --out FILE or --append FILE is required")};
    if (args.positional().isEmpty())
        throw CliError{QStringLiteral("PATH is required (law files or folders of them)")};
    const QString target = out.value_or(append.value_or(QString()));
    if (append && !QFileInfo(target).isFile())
        throw CliError{QStringLiteral("no collection at %1").arg(target)};

    QElapsedTimer timer;
    timer.start();
    LawImporter importer;
    for (const QString& path : args.positional())
        importer.addPath(path);
    LawImportSummary summary;
    if (importer.lawCount() > 0) {
        const auto fill = [&](Database& database) { summary = importer.write(database); };
        if (append)
            updateCollectionFile(target, fill);
        else
            buildCollectionFile(target, fill);
    }
    for (const LawFileError& error : importer.errors())
        cliPrintError(error.text());
    if (importer.lawCount() == 0) {
        cliPrintError(QStringLiteral("tavlin-cli db import: nothing to import; %1 left as it was")
                          .arg(target));
        return 1;
    }
    const qint64 importMs = timer.elapsed();

    const QString indexFolder =
        args.value(QStringLiteral("--index")).value_or(defaultIndexFolder(target));
    std::unique_ptr<Database> database = Database::open(target, collectionPassword());
    const IndexBuildStats stats = BuildFulltextIndex(*database, indexFolder);
    cliPrint(QStringLiteral("%1: %2 new documents, %3 new versions, %4 section versions written, "
                            "%5 unchanged, %6 ms; index %7: %8 section versions, %9 ms")
                 .arg(target)
                 .arg(summary.newDocuments)
                 .arg(summary.newVersions)
                 .arg(summary.sectionsWritten)
                 .arg(summary.sectionsUnchanged)
                 .arg(importMs)
                 .arg(indexFolder)
                 .arg(stats.sections)
                 .arg(timer.elapsed() - importMs));
    return importer.errors().isEmpty() ? 0 : 1;
}

const CliRegistration registration("db import",
                                   "db import (--out FILE | --append FILE) [--index DIR] PATH...",
                                   importLaws);
} // namespace
