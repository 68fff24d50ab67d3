#include "build/CollectionFile.h"
#include "build/CollectionGenerator.h"
#include "tools/CliCommand.h"

#include <QElapsedTimer>

namespace {
int numberOption(const CliArgs& args, const QString& name, qint64 fallback, qint64 minimum,
                 qint64 maximum) {
    const std::optional<QString> text = args.value(name);
    if (!text)
        return int(fallback);
    bool ok = false;
    const qint64 value = text->toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        throw CliError{QStringLiteral("%1 must be a number from %2 to %3")
                           .arg(name)
                           .arg(minimum)
                           .arg(maximum)};
    return int(value);
}

int generate(const CliArgs& args) {
    args.rejectUnknownOptions(
        {QStringLiteral("--out"), QStringLiteral("--documents"), QStringLiteral("--seed")});
    const std::optional<QString> out = args.value(QStringLiteral("--out"));
    if (!out)
        throw CliError{QStringLiteral("--out FILE is required")};
    const int documents = numberOption(args, QStringLiteral("--documents"), 100000, 12, 2000000);
    const int seed = numberOption(args, QStringLiteral("--seed"), 1, 0, 2147483647);
    QElapsedTimer timer;
    timer.start();
    GeneratedCollection result;
    buildCollectionFile(*out, [&](Database& database) {
        result = generateCollection(database, documents, std::uint64_t(seed));
    });
    cliPrint(QStringLiteral("%1: documents %2, section versions %3, largest document id %4 (%5 "
                            "versions), text %6 MB, %7 s")
                 .arg(*out)
                 .arg(result.documents)
                 .arg(result.sectionVersions)
                 .arg(result.largestDocumentId)
                 .arg(result.largestDocumentVersions)
                 .arg(double(result.textBytes) / 1e6, 0, 'f', 1)
                 .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return 0;
}

const CliRegistration registration("db generate",
                                   "db generate --out FILE [--documents N] [--seed S]", generate);
} // namespace
