// Reader operations against the plain SQLite work that reads the same rows, in one process.
#include "BenchCollection.h"
#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "document/DocumentAssembler.h"
#include "navigation/IndexSession.h"
#include "navigation/RegisterSession.h"
#include "search/IndexVocabulary.h"
#include "search/SearchSession.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <set>
#include <sqlite3.h>
#include <string>

namespace {
struct Collection {
    Collection() {
        try {
            database = openBenchCollection(folders);
        } catch (const DaoException&) {
            database.reset();
        }
    }
    ProgramFolders folders;
    std::unique_ptr<Database> database;
};

Collection& collection() {
    static Collection shared;
    return shared;
}

// The first column of the first row of `sql`, 0 when there is none.
int firstValue(Database& database, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(database.handle(), sql, -1, &stmt, nullptr);
    const int value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return value;
}

int largestDocument(Database& database) {
    return firstValue(database, "SELECT dokument FROM dokumentSekce GROUP BY dokument "
                                "ORDER BY count(*) DESC LIMIT 1");
}

// The contents list, of one area when `area` is not 0.
void contentsList(benchmark::State& state, int area) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    for (auto _ : state) {
        CrDokumentNames set(*c.database);
        set.m_strFilter = joinConditions({baseConditionForTemplate(131), areaCondition(area)});
        set.m_strSort = set.m_strDefaultSort;
        set.Open();
        long rows = 0;
        for (; !set.IsEOF(); set.MoveNext()) {
            benchmark::DoNotOptimize(set.m_jmenoUtf8);
            ++rows;
        }
        state.counters["rows"] = static_cast<double>(rows);
    }
}

void BM_ContentsList(benchmark::State& state) {
    contentsList(state, 0);
}

void BM_ContentsListByArea(benchmark::State& state) {
    contentsList(state, 3);
}

void plainQuery(benchmark::State& state, const char* sql, int parameter = 0) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(c.database->handle(), sql, -1, &stmt, nullptr);
        if (parameter)
            sqlite3_bind_int(stmt, 1, parameter);
        long rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, i));
            ++rows;
        }
        sqlite3_finalize(stmt);
        state.counters["rows"] = static_cast<double>(rows);
    }
}

void BM_PlainContentsQuery(benchmark::State& state) {
    plainQuery(state, "SELECT ID, jmeno FROM dokument WHERE pohled = 1 "
                      "ORDER BY substr(jmeno, 1, 255) COLLATE BINARY, poradi, ID");
}

void BM_PlainContentsQueryByArea(benchmark::State& state) {
    plainQuery(state, "SELECT ID, jmeno FROM dokument WHERE pohled = 1 AND ID IN "
                      "(SELECT dokument FROM dokumentOblast WHERE oblast = 3) "
                      "ORDER BY substr(jmeno, 1, 255) COLLATE BINARY, poradi, ID");
}

void BM_AssembleLargestDocument(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const int id = largestDocument(*c.database);
    QTemporaryDir out;
    DocumentAssembler assembler(*c.database, c.folders, {});
    assembler.SetOutputFolder(out.path());
    for (auto _ : state)
        assembler.ShowDocument(id, QStringLiteral("Největší dokument"), QString(), nullptr);
}

void BM_PlainReadAndWriteLargestDocument(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const int id = largestDocument(*c.database);
    QTemporaryDir out;
    const QByteArray path = (out.path() + QStringLiteral("/plain.html")).toUtf8();
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(c.database->handle(),
                           "SELECT * FROM dokumentSekceView WHERE dokument = ?1 "
                           "ORDER BY dokument, poradi, datumNovelizace",
                           -1, &stmt, nullptr);
        sqlite3_bind_int(stmt, 1, id);
        std::string text;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            text.append(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)),
                        static_cast<std::size_t>(sqlite3_column_bytes(stmt, 3)));
        sqlite3_finalize(stmt);
        std::FILE* file = std::fopen(path.constData(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

// The register field with the most entries.
int largestField(Database& database) {
    return firstValue(database, "SELECT obor FROM dokument WHERE pohled = 2 GROUP BY obor "
                                "ORDER BY count(*) DESC LIMIT 1");
}

void BM_RegisterTreeLargestField(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const int field = largestField(*c.database);
    RegisterSession session(c.database.get());
    session.InitBaseCondition();
    for (auto _ : state)
        session.FillTree(field);
    state.counters["items"] = session.tree().size();
}

void BM_PlainRegisterQuery(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    plainQuery(state, "SELECT * FROM dokument WHERE pohled = 2 AND obor = ?1 ORDER BY poradi",
               largestField(*c.database));
}

IndexSession* filledIndex(Database& database, int choice) {
    static std::unique_ptr<IndexSession> session;
    if (!session) {
        session = std::make_unique<IndexSession>(&database);
        session->InitBaseCondition();
    }
    session->FillIndex(choice, 0, -1);
    return session.get();
}

void BM_IndexAll(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    IndexSession* session = nullptr;
    for (auto _ : state)
        session = filledIndex(*c.database, IndexSession::All);
    state.counters["rows"] = session->GetRowCount();
}

void BM_PlainIndexAllQuery(benchmark::State& state) {
    plainQuery(state, "SELECT ID, jmeno, norma, NULL AS nazev, substr(norma, 1, 255) AS poradi "
                      "FROM dokument WHERE pohled = 1 AND norma IS NOT NULL UNION ALL SELECT ID, "
                      "jmeno, norma, nazev, substr(nazev, 1, 255) AS poradi FROM dokument JOIN "
                      "dokumentNorma ON dokument.ID = dokumentNorma.dokument "
                      "ORDER BY poradi COLLATE BINARY");
}

// The typed text of the quick find: found at the last rows of the list, or nowhere (the whole
// list is searched).
void BM_IndexQuickFind(benchmark::State& state, const char* typed) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const IndexSession* session = filledIndex(*c.database, IndexSession::All);
    const QString text = QString::fromUtf8(typed);
    int row = -1;
    for (auto _ : state)
        benchmark::DoNotOptimize(row = session->QuickFind(text));
    state.counters["row"] = row;
    state.counters["rows"] = session->GetRowCount();
}
// Opening the row of the document with the highest identifier: the lookup in the kept
// recordset of all documents reads the farthest.
void BM_IndexOpenRow(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    IndexSession* session = filledIndex(*c.database, IndexSession::All);
    int row = 0;
    for (int r = 0; r < session->GetRowCount(); ++r) {
        if (session->rowId(r) > session->rowId(row))
            row = r;
    }
    QString title;
    for (auto _ : state)
        benchmark::DoNotOptimize(session->OpenRow(row, title));
    state.counters["id"] = session->rowId(row);
}
// The reader's search of `text` as the search page runs it: every form, text, name and number,
// sorted by number, on the page's own read-only connection.
void BM_Search(benchmark::State& state, const char* text) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const std::unique_ptr<Database> own = c.database->openReadOnlyTwin();
    SearchSession session(own.get(), c.folders.GetIndexFolder());
    session.m_bRemember = false;
    session.m_strSearchText = QString::fromUtf8(text);
    for (auto _ : state)
        if (session.RunSearch() != SearchSession::Outcome::Shown)
            return state.SkipWithError("the search found nothing");
    state.counters["rows"] = static_cast<double>(session.rows().size());
}

// The forms of the collection that share a lemma with `word`, as an FTS5 OR, from the
// vocabulary the reader's index stores.
std::string formsExpression(const QString& indexFolder, const std::string& word) {
    sqlite3* index = nullptr;
    std::string stored;
    if (sqlite3_open_v2((indexFolder + QStringLiteral("/fulltext.db")).toUtf8().constData(), &index,
                        SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(index, "SELECT tvary FROM slovnik", -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            stored = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(index);
    const IndexVocabulary::Forms forms = IndexVocabulary::parse(stored);
    const auto own = forms.find(word);
    const std::set<std::string> lemmas =
        own == forms.end() ? std::set<std::string>{word}
                           : std::set<std::string>(own->second.begin(), own->second.end());
    std::set<std::string> matching{word};
    for (const auto& [form, itsLemmas] : forms)
        for (const std::string& lemma : itsLemmas)
            if (lemmas.count(lemma))
                matching.insert(form);
    std::string expression;
    for (const std::string& form : matching)
        expression += (expression.empty() ? "\"" : " OR \"") + form + '"';
    return expression;
}

// The same match in a plain unicode61 index of the same texts (bench/run.sh builds it beside
// the collection), joined to the documents as the reader joins its hits.
// An FTS5 expression in which each "{word}" stands for the OR of that word's forms.
std::string plainExpression(const QString& indexFolder, const std::string& pattern) {
    std::string expression;
    for (std::size_t at = 0; at < pattern.size();) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close = pattern.find('}', open);
        if (open == std::string::npos || close == std::string::npos) {
            expression += pattern.substr(at);
            break;
        }
        expression += pattern.substr(at, open - at) + '(' +
                      formsExpression(indexFolder, pattern.substr(open + 1, close - open - 1)) +
                      ')';
        at = close + 1;
    }
    return expression;
}

void BM_PlainSearch(benchmark::State& state, const char* pattern) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    const QString plainIndex = c.folders.GetProgramFolder() + QStringLiteral("/plain-fulltext.db");
    sqlite3* db = nullptr;
    sqlite3_open_v2(
        (c.folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db")).toUtf8().constData(), &db,
        SQLITE_OPEN_READONLY, nullptr);
    const std::string attach = "ATTACH '" + plainIndex.toStdString() + "' AS ft";
    if (sqlite3_exec(db, attach.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return state.SkipWithError("no plain index (bench/run.sh builds it)");
    }
    const std::string match = plainExpression(c.folders.GetIndexFolder(), pattern);
    const char* sql =
        "SELECT d.ID, d.norma, d.jmeno, s.datumDo FROM dokumentSekce s JOIN dokument d ON d.ID = "
        "s.dokument WHERE s.sekce IN (SELECT rowid FROM ft.sekceText WHERE sekceText MATCH ?1 "
        "UNION SELECT sekce FROM ft.dokumentNewest WHERE dokument IN (SELECT rowid FROM "
        "ft.dokumentText WHERE dokumentText MATCH ?1)) AND d.pohled = 1 ORDER BY substr(d.norma, "
        "1, 255) COLLATE BINARY, d.ID, s.datumNovelizace DESC";
    long rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, match.c_str(), -1, SQLITE_STATIC);
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < 4; ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, i));
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    state.SetLabel(match);
    state.counters["rows"] = static_cast<double>(rows);
}
} // namespace

BENCHMARK(BM_ContentsList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContentsListByArea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainContentsQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainContentsQueryByArea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleLargestDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadAndWriteLargestDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterTreeLargestField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRegisterQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainIndexAllQuery)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexQuickFind, late_prefix, "zákon č. 650/")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexQuickFind, no_match, "žádná taková")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexOpenRow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, platce, "plátce")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, platce, "{plátce}")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, dan, "daň")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, dan, "{daň}")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, dan_platce, "daň plátce")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, dan_platce, "{daň} AND {plátce}")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, phrase, "\"účetní jednotka\"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, phrase, "\"účetní jednotka\"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, near, "zaměstnanec u pojistné")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, near, "NEAR(\"zaměstnanec\" \"pojistné\", 8)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, dan_or_clo, "daň nebo clo")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainSearch, dan_or_clo, "{daň} OR {clo}")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
