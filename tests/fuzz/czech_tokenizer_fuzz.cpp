// The Czech tokenizer on any document text and any query: SQLite never fails on what it emits,
// and a document always finds itself by each of its words, as a form and by its lemmas.
#include "morphology/Lemmatizer.h"
#include "morphology/WordTokens.h"
#include "search/CzechTokenizer.h"

#include <cstdlib>
#include <sqlite3.h>
#include <string>

namespace {
sqlite3* database() {
    static sqlite3* db = [] {
        sqlite3* handle = nullptr;
        sqlite3_open(":memory:", &handle);
        if (!registerCzechTokenizer(handle, Lemmatizer::shared()) ||
            sqlite3_exec(handle, "CREATE VIRTUAL TABLE t USING fts5(x, tokenize='tavlin_cs')",
                         nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        return handle;
    }();
    return db;
}

// The number of rows `expression` matches; -1 when SQLite refuses it.
int count(sqlite3* db, const std::string& expression) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM t WHERE t MATCH ?", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, expression.data(), int(expression.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(stmt);
    const int rows = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return rows;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sqlite3* db = database();
    const std::string text(reinterpret_cast<const char*>(data), size);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t (x) VALUES (?)", -1, &insert, nullptr);
    sqlite3_bind_text(insert, 1, text.data(), int(text.size()), SQLITE_STATIC);
    if (sqlite3_step(insert) != SQLITE_DONE)
        std::abort();
    sqlite3_finalize(insert);
    // The raw input as a query may be refused, but must not crash.
    count(db, text);
    int words = 0;
    forEachWord(text, [&](const std::string& word, std::size_t, std::size_t) {
        std::string lemmas;
        for (const std::string& lemma : Lemmatizer::shared().lemmas(word))
            lemmas += kLemmaMark + lemma;
        if (count(db, '"' + word + '"') != 1 || count(db, '"' + lemmas + '"') != 1)
            std::abort();
        return ++words < 8;
    });
    sqlite3_exec(db, "DELETE FROM t", nullptr, nullptr, nullptr);
    return 0;
}
