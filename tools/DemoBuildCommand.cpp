#include "build/CollectionFile.h"
#include "build/DemoSource.h"
#include "tools/CliCommand.h"

#include <QElapsedTimer>

namespace {
int buildDemo(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--source")});
    const std::optional<QString> source = args.value(QStringLiteral("--source"));
    if (!source)
        throw CliError{QStringLiteral("--source DIR is required")};
    QElapsedTimer timer;
    timer.start();
    DemoCollection collection;
    try {
        collection = readDemoSource(*source);
    } catch (const DemoSourceError& error) {
        cliPrintError(QStringLiteral("tavlin-cli db build-demo: ") + error.text());
        return 1;
    }
    const QString target = args.folders().GetDataFolder() + QStringLiteral("/TavlinDemo.db");
    buildCollectionFile(
        target, [&collection](Database& database) { writeDemoCollection(database, collection); });
    qsizetype sections = 0;
    for (const DemoDocument& document : collection.documents)
        sections += document.sekce.size();
    cliPrint(QStringLiteral("%1: %2 documents, %3 section versions, %4 pictures, %5 ms")
                 .arg(target)
                 .arg(collection.documents.size())
                 .arg(sections)
                 .arg(collection.images.size())
                 .arg(timer.elapsed()));
    return 0;
}

const CliRegistration registration("db build-demo", "db build-demo --source DIR [--folder DIR]",
                                   buildDemo);
} // namespace
