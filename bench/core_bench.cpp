// Reader operations against the plain SQLite work that reads the same rows, in one process.
#include "BenchCollection.h"
#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "document/DocumentAssembler.h"
#include "navigation/IndexSession.h"
#include "navigation/RegisterSession.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
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

void BM_ContentsList(benchmark::State& state) {
    Collection& c = collection();
    if (!c.database)
        return state.SkipWithError("no generated collection");
    for (auto _ : state) {
        CrDokument set(*c.database);
        set.m_strFilter = baseConditionForTemplate(131);
        set.m_strSort = set.m_strDefaultSort;
        set.Open();
        long rows = 0;
        for (; !set.IsEOF(); set.MoveNext()) {
            benchmark::DoNotOptimize(set.m_jmeno);
            ++rows;
        }
        state.counters["rows"] = static_cast<double>(rows);
    }
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
    plainQuery(state, "SELECT * FROM dokument WHERE pohled = 1 "
                      "ORDER BY substr(jmeno, 1, 255) COLLATE BINARY, poradi, ID");
}

void BM_PlainContentsQueryByArea(benchmark::State& state) {
    plainQuery(state, "SELECT * FROM dokument WHERE pohled = 1 AND ID IN "
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
} // namespace

BENCHMARK(BM_ContentsList)->Unit(benchmark::kMillisecond);
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
BENCHMARK_MAIN();
