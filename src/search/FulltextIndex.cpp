#include "search/FulltextIndex.h"

#include "db/Cancellation.h"
#include "db/DaoException.h"
#include "db/Database.h"
#include "morphology/Lemmatizer.h"
#include "search/ComposedText.h"
#include "search/CzechTokenizer.h"
#include "search/FulltextQuery.h"
#include "search/HtmlText.h"
#include "search/IndexVocabulary.h"
#include "search/SqliteHandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {
// The index's user_version: an index of another format is never read, only rebuilt.
constexpr int kIndexFormatVersion = 2;

const char* const kIndexSchema =
    "PRAGMA journal_mode = OFF;"
    "PRAGMA synchronous = OFF;"
    "PRAGMA user_version = 2;"
    "CREATE VIRTUAL TABLE sekceText USING fts5(obsah, content='', columnsize=0, "
    "tokenize='tavlin_cs');"
    "CREATE VIRTUAL TABLE dokumentText USING fts5(jmeno, norma, content='', columnsize=0, "
    "tokenize='tavlin_cs');"
    "CREATE TABLE dokumentNewest (dokument INTEGER PRIMARY KEY, sekce INTEGER NOT NULL);"
    "CREATE TABLE slovnik (podpis TEXT NOT NULL, tvary TEXT NOT NULL);"
    // FTS5 writes a segment each time its pending terms pass the hash size (1 MB by default) and
    // keeps merging them; a build that gathers 64 MB at a time writes and merges far less.
    "INSERT INTO sekceText (sekceText, rank) VALUES ('hashsize', 67108864);"
    "INSERT INTO dokumentText (dokumentText, rank) VALUES ('hashsize', 67108864);"
    "PRAGMA cache_size = -65536;";

// What an open index file holds: the tables of this format, an index of an older format (one
// with the text table but another version), or something else (not SQLite, emptied, tables gone).
FulltextIndexState indexFileState(sqlite3* index) {
    try {
        Statement version(index, "PRAGMA user_version");
        const int format = version.step() ? int(version.columnInt(0)) : 0;
        Statement tables(index, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name "
                                "IN ('sekceText', 'dokumentText', 'dokumentNewest', 'slovnik')");
        const int found = tables.step() ? int(tables.columnInt(0)) : 0;
        if (format == kIndexFormatVersion)
            return found == 4 ? FulltextIndexState::Ready : FulltextIndexState::Damaged;
        return found > 0 ? FulltextIndexState::Outdated : FulltextIndexState::Damaged;
    } catch (const DaoException&) {
        return FulltextIndexState::Damaged;
    }
}

// The words met with their lemmas, for the searches that need no dictionary, and the dictionary
// that gave them.
void storeVocabulary(sqlite3* index, const FormLemmas& forms, const QString& signature) {
    Statement store(index, "INSERT INTO slovnik (podpis, tvary) VALUES (?, ?)");
    store.bindText(1, signature);
    store.bindUtf8(2, IndexVocabulary::store(forms));
    store.execute();
}

// The stored vocabulary of an open index; empty when it holds none.
std::string storedVocabulary(sqlite3* index, QString* signature = nullptr) {
    try {
        Statement read(index, "SELECT podpis, tvary FROM slovnik");
        if (!read.step())
            return {};
        if (signature)
            *signature = read.columnText(0);
        return read.columnUtf8(1);
    } catch (const DaoException&) {
        return {};
    }
}

// A rebuild starts from the lemmas the old index stored, when the same dictionary made them:
// looking words up is most of the work.
void recallVocabulary(const QString& oldIndex, Lemmatizer& lemmatizer) {
    Connection index;
    if (!QFileInfo::exists(oldIndex) || !index.open(oldIndex, SQLITE_OPEN_READONLY) ||
        indexFileState(index.m_db) != FulltextIndexState::Ready)
        return;
    QString signature;
    const std::string stored = storedVocabulary(index.m_db, &signature);
    if (signature != lemmatizer.signature())
        return;
    IndexVocabulary::forEachStored(
        stored, [&lemmatizer](std::string form, std::vector<std::string> lemmas) {
            lemmatizer.remember(form, std::move(lemmas));
        });
}

// The build reads the collection once from start to end: mapped into memory, its pages are not
// copied into the page cache first. The connection reads as before once the build is done.
class MappedReading {
public:
    explicit MappedReading(sqlite3* db) : m_db(db) {
        sqlite3_exec(m_db, "PRAGMA mmap_size = 4294967296", nullptr, nullptr, nullptr);
    }
    ~MappedReading() { sqlite3_exec(m_db, "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr); }
    MappedReading(const MappedReading&) = delete;
    MappedReading& operator=(const MappedReading&) = delete;

private:
    sqlite3* m_db;
};

void indexSections(sqlite3* source, sqlite3* index, IndexBuildStats& stats) {
    Statement read(source, "SELECT sekce, obsah FROM dokumentSekce");
    Statement write(index, "INSERT INTO sekceText (rowid, obsah) VALUES (?, ?)");
    while (read.step()) {
        write.bindInt(1, read.columnInt(0));
        write.bindUtf8(2, composedUtf8(htmlToTextUtf8(read.columnUtf8(1))));
        write.execute();
        ++stats.sections;
    }
}

void indexDocuments(sqlite3* source, sqlite3* index, IndexBuildStats& stats) {
    Statement read(source, "SELECT ID, jmeno, norma FROM dokument");
    Statement write(index, "INSERT INTO dokumentText (rowid, jmeno, norma) VALUES (?, ?, ?)");
    while (read.step()) {
        write.bindInt(1, read.columnInt(0));
        write.bindUtf8(2, composedUtf8(read.columnUtf8(1)));
        write.bindUtf8(3, composedUtf8(read.columnUtf8(2)));
        write.execute();
        ++stats.documents;
    }
    // The newest version: the largest datumNovelizace (none counts as oldest); among equals the
    // one still in force, then the highest identifier.
    Statement newest(source, "SELECT dokument, sekce FROM dokumentSekce ORDER BY dokument, "
                             "datumNovelizace IS NULL, datumNovelizace DESC, datumDo IS NOT NULL, "
                             "sekce DESC");
    Statement store(index, "INSERT INTO dokumentNewest (dokument, sekce) VALUES (?, ?)");
    bool first = true;
    sqlite3_int64 previous = 0;
    while (newest.step()) {
        const sqlite3_int64 dokument = newest.columnInt(0);
        if (!first && dokument == previous)
            continue;
        first = false;
        previous = dokument;
        store.bindInt(1, dokument);
        store.bindInt(2, newest.columnInt(1));
        store.execute();
    }
}

// The column filter of the document table for the name and number bits of the scope.
QString documentColumns(int scope) {
    if ((scope & ScopeName) && (scope & ScopeNumber))
        return QStringLiteral("{jmeno norma}");
    return (scope & ScopeName) ? QStringLiteral("jmeno") : QStringLiteral("norma");
}

enum class Collected { Done, Refused, Damaged };

// Whether a failure of SQLite means that the index file cannot be read, not that the query was
// refused.
bool isDamage(int rc) {
    switch (rc & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_FORMAT:
        return true;
    default:
        return false;
    }
}

// Runs a query returning identifiers into `ids`. The statements are fixed, so one that cannot be
// prepared means the index's tables are broken; a step that fails was refused by FTS5 or hit
// damage in the file.
Collected collectIds(sqlite3* db, const char* sql, const QString& expression,
                     std::vector<sqlite3_int64>& ids) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return Collected::Damaged;
    }
    const QByteArray utf8 = expression.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    if (rc == SQLITE_DONE)
        return Collected::Done;
    return isDamage(rc) ? Collected::Damaged : Collected::Refused;
}
} // namespace

namespace {
// Which file an open index was read from: a rebuilt index is a new file.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static std::optional<FileStamp> of(const QString& path) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return std::nullopt;
        return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

// The reader searches one index many times: its connection and vocabulary stay open while the
// file is the same.
struct OpenIndex {
    QString path;
    FileStamp stamp;
    Connection connection;
    std::shared_ptr<IndexVocabulary> vocabulary;
};

std::mutex& openIndexMutex() {
    static std::mutex mutex;
    return mutex;
}

OpenIndex* openIndex(const QString& indexFolder) {
    static std::unique_ptr<OpenIndex> cached;
    const QString path = fulltextIndexPath(indexFolder);
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (!stamp) {
        cached.reset();
        return nullptr;
    }
    if (cached && cached->path == path && cached->stamp == *stamp)
        return cached.get();
    cached = std::make_unique<OpenIndex>();
    cached->path = path;
    cached->stamp = *stamp;
    if (!openFulltextIndex(cached->connection, indexFolder)) {
        cached.reset();
        return nullptr;
    }
    cached->vocabulary = std::make_shared<IndexVocabulary>(
        storedVocabulary(cached->connection.m_db), Lemmatizer::shared());
    return cached.get();
}
} // namespace

std::shared_ptr<IndexVocabulary> fulltextVocabulary(const QString& indexFolder) {
    const std::lock_guard lock(openIndexMutex());
    OpenIndex* open = openIndex(indexFolder);
    return open ? open->vocabulary : nullptr;
}

LemmaResolver vocabularyResolver(IndexVocabulary& vocabulary) {
    return [&vocabulary](const QString& token) {
        QStringList lemmas;
        for (const std::string& lemma : vocabulary.alternatives(token.toStdString()))
            lemmas << QString::fromStdString(lemma);
        return lemmas;
    };
}

QString fulltextIndexPath(const QString& indexFolder) {
    return QDir(indexFolder).filePath(QStringLiteral("fulltext.db"));
}

IndexBuildStats BuildFulltextIndex(Database& database, const QString& indexFolder) {
    if (!QDir().mkpath(indexFolder))
        throw DaoException(QStringLiteral("Cannot create the folder %1.").arg(indexFolder));
    const QString finalPath = fulltextIndexPath(indexFolder);
    const QString tempPath = finalPath + QStringLiteral(".tmp");
    QFile::remove(tempPath);
    IndexBuildStats stats;
    {
        Connection index;
        if (!index.open(tempPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
            throw DaoException(QStringLiteral("Cannot create the index %1.").arg(tempPath));
        Lemmatizer& lemmatizer = Lemmatizer::shared();
        recallVocabulary(finalPath, lemmatizer);
        const auto forms = std::make_shared<FormLemmas>();
        try {
            if (!registerCzechTokenizer(index.m_db, lemmatizer, forms))
                throw DaoException(QStringLiteral("SQLite has no FTS5."));
            exec(index.m_db, kIndexSchema);
            exec(index.m_db, "BEGIN");
            const MappedReading mapped(database.handle());
            indexSections(database.handle(), index.m_db, stats);
            indexDocuments(database.handle(), index.m_db, stats);
            storeVocabulary(index.m_db, *forms, lemmatizer.signature());
            // Merging the segments once keeps every later search fast.
            exec(index.m_db, "INSERT INTO sekceText (sekceText) VALUES ('optimize')");
            exec(index.m_db, "INSERT INTO dokumentText (dokumentText) VALUES ('optimize')");
            exec(index.m_db, "COMMIT");
        } catch (const DaoException&) {
            sqlite3_close_v2(index.m_db);
            index.m_db = nullptr;
            QFile::remove(tempPath);
            throw;
        }
    }
    QFile::remove(finalPath);
    if (!QFile::rename(tempPath, finalPath)) {
        QFile::remove(tempPath);
        throw DaoException(QStringLiteral("Cannot write the index %1.").arg(finalPath));
    }
    return stats;
}

FulltextIndexState fulltextIndexState(const QString& indexFolder) {
    const QString path = fulltextIndexPath(indexFolder);
    const QFileInfo file(path);
    if (!file.exists())
        return FulltextIndexState::Missing;
    Connection index;
    if (!file.isFile() || !index.open(path, SQLITE_OPEN_READONLY))
        return FulltextIndexState::Damaged;
    return indexFileState(index.m_db);
}

bool openFulltextIndex(Connection& index, const QString& indexFolder) {
    return index.open(fulltextIndexPath(indexFolder), SQLITE_OPEN_READONLY) &&
           indexFileState(index.m_db) == FulltextIndexState::Ready &&
           registerCzechTokenizer(index.m_db, Lemmatizer::shared());
}

FulltextAnswer SearchIndex(const QString& indexFolder, const QString& query, int scope,
                           Cancellation* cancel) {
    if ((scope & (ScopeText | ScopeName | ScopeNumber)) == 0)
        return {};
    const std::lock_guard lock(openIndexMutex());
    OpenIndex* open = openIndex(indexFolder);
    if (!open) {
        // A file that looks like an index but cannot be opened for searching is damaged too.
        const FulltextIndexState state = fulltextIndexState(indexFolder);
        return {QString(),
                state == FulltextIndexState::Ready ? FulltextIndexState::Damaged : state};
    }
    Connection& index = open->connection;
    const QString expression = (scope & SearchAllForms)
                                   ? toFts5Expression(query, vocabularyResolver(*open->vocabulary))
                                   : toFts5Expression(query);
    if (expression.isEmpty())
        return {};
    std::vector<sqlite3_int64> ids;
    Collected collected = Collected::Done;
    const Cancellation::Watch watch(cancel, index.m_db);
    if (scope & ScopeText)
        collected = collectIds(index.m_db, "SELECT rowid FROM sekceText WHERE sekceText MATCH ?",
                               expression, ids);
    if (collected == Collected::Done && (scope & (ScopeName | ScopeNumber))) {
        const QString filtered =
            documentColumns(scope) + QStringLiteral(" : (") + expression + QLatin1Char(')');
        collected = collectIds(index.m_db,
                               "SELECT n.sekce FROM dokumentText JOIN dokumentNewest n "
                               "ON n.dokument = dokumentText.rowid WHERE dokumentText MATCH ?",
                               filtered, ids);
    }
    if (collected == Collected::Damaged)
        return {QString(), FulltextIndexState::Damaged};
    if (collected == Collected::Refused || ids.empty())
        return {};
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QString result = QStringLiteral("(");
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0)
            result += QLatin1Char(',');
        result += QString::number(ids[i]);
    }
    return {result + QLatin1Char(')')};
}

QString Search(const QString& indexFolder, const QString& query, int scope) {
    return SearchIndex(indexFolder, query, scope).ids;
}
