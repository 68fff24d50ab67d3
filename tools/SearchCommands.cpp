#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "search/FulltextIndex.h"
#include "search/SearchExpression.h"
#include "search/SearchSession.h"
#include "tools/CliCommand.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <climits>

namespace {
QString textArgument(const CliArgs& args) {
    if (args.positional().isEmpty())
        throw CliError{QStringLiteral("TEXT is required")};
    return args.positional().join(QLatin1Char(' '));
}

std::unique_ptr<Database> openCollection(const ProgramFolders& folders) {
    const QString path = folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db");
    if (!QFileInfo::exists(path))
        throw CliError{QStringLiteral("no collection at %1").arg(path)};
    return Database::open(path, collectionPassword());
}

int buildIndex(const CliArgs& args) {
    args.rejectUnknownOptions({});
    const ProgramFolders folders = args.folders();
    std::unique_ptr<Database> database = openCollection(folders);
    QElapsedTimer timer;
    timer.start();
    const IndexBuildStats stats = BuildFulltextIndex(*database, folders.GetIndexFolder());
    cliPrint(QStringLiteral("indexed %1 section versions and %2 documents in %3 ms")
                 .arg(stats.sections)
                 .arg(stats.documents)
                 .arg(timer.elapsed()));
    return 0;
}

int queryBuild(const CliArgs& args) {
    args.rejectUnknownOptions({});
    cliPrint(BuildQuery(textArgument(args)));
    return 0;
}

int queryWords(const CliArgs& args) {
    args.rejectUnknownOptions({});
    QStringList words;
    SplitHighlightWords(words, textArgument(args));
    for (const QString& word : words)
        cliPrint(word);
    return 0;
}

// Stateless unless --remember 1: an option not given means its default, and nothing is stored.
int search(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--scope"), QStringLiteral("--area"),
                               QStringLiteral("--type"), QStringLiteral("--show"),
                               QStringLiteral("--sort"), QStringLiteral("--forms"),
                               QStringLiteral("--remember")});
    const QString text = textArgument(args);
    const ProgramFolders folders = args.folders();
    std::unique_ptr<Database> database = openCollection(folders);
    database->useSearchPageCache();
    SearchSession session(database.get(), folders.GetIndexFolder());
    // An option out of range is refused before anything is searched or stored.
    session.m_bRemember = args.intValue(QStringLiteral("--remember"), 0, 0, 1) == 1;
    const int scope = args.intValue(QStringLiteral("--scope"), 7, 0, 7);
    session.m_bInText = (scope & 1) != 0;
    session.m_bInName = (scope & 2) != 0;
    session.m_bInNumber = (scope & 4) != 0;
    session.m_nOblast = args.intValue(QStringLiteral("--area"), 0, 0, INT_MAX);
    session.m_nTyp = args.intValue(QStringLiteral("--type"), -1, -1, INT_MAX);
    session.m_nZobraz = args.intValue(QStringLiteral("--show"), 2, 0, 2);
    session.m_nSortColumn = args.intValue(QStringLiteral("--sort"), 0, 0, 1);
    session.m_bAllForms = args.intValue(QStringLiteral("--forms"), 1, 0, 1) == 1;
    if (session.m_bRemember)
        session.LoadHistory();
    session.m_strSearchText = text;
    const SearchSession::Outcome outcome = session.RunSearch();
    if (session.m_bRemember)
        session.SaveHistory();
    if (outcome != SearchSession::Outcome::Shown)
        return 1;
    for (const SearchRow& row : session.rows()) {
        cliPrint(QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(row.id)
                     .arg(row.norma, row.jmeno,
                          session.ValidOn(row.id).date().toString(QStringLiteral("yyyy-MM-dd"))));
    }
    return 0;
}

const CliRegistration indexBuild("index build", "index build [--folder DIR]", buildIndex);
const CliRegistration queryBuildCommand("query build", "query build TEXT", queryBuild);
const CliRegistration queryWordsCommand("query words", "query words TEXT", queryWords);
const CliRegistration searchCommand(
    "search",
    "search TEXT [--scope N] [--area ID] [--type ID] [--show 0|1|2] [--sort 0|1] [--forms 0|1] "
    "[--remember 0|1] [--folder DIR]",
    search);
} // namespace
