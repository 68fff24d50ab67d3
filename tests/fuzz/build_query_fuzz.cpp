// BuildQuery and the translation of its result into an FTS5 expression, checked against SQLite:
// whatever the user types, FTS5 must accept the translated query.
#include "search/FulltextQuery.h"
#include "search/SearchExpression.h"

#include <cstdlib>
#include <sqlite3.h>

namespace {
sqlite3_stmt* matchStatement() {
    static sqlite3_stmt* statement = [] {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        sqlite3_exec(db,
                     "CREATE VIRTUAL TABLE t USING fts5(x, tokenize='unicode61 remove_diacritics "
                     "0');INSERT INTO t VALUES ('daň z příjmů fyzických osob'), ('sazba 21 %');",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid FROM t WHERE t MATCH ?", -1, &stmt, nullptr);
        return stmt;
    }();
    return statement;
}

void checkAccepted(const QString& expression) {
    if (expression.isEmpty())
        return;
    sqlite3_stmt* stmt = matchStatement();
    const QByteArray utf8 = expression.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString query = BuildQuery(text);
    checkAccepted(toFts5Expression(query));
    // The raw text too: the engine must survive queries that did not come from the parser.
    checkAccepted(toFts5Expression(text));
    return 0;
}
