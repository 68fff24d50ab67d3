// The Czech tokenizer on any text, as a document and as a query: every token is a word with its
// place in the text, lemma tokens only ever stand beside a form, and SQLite takes any query
// through it without failing on what it emits. The stemmer stands in for the dictionary here:
// it is the tokenizer that is tried, and the stemmer is ours too (the dictionary rules are tried
// by hit_matcher_fuzz).
#include "morphology/HunspellDictionary.h"
#include "morphology/Lemmatizer.h"
#include "search/CzechTokenizer.h"

#include <cstdlib>
#include <sqlite3.h>
#include <string>

namespace {
struct Tokenizer {
    sqlite3* db = nullptr;
    fts5_tokenizer methods{};
    Fts5Tokenizer* instance = nullptr;
};

Tokenizer& tokenizer() {
    static Lemmatizer stemmer(std::unique_ptr<HunspellDictionary>{});
    static Tokenizer t = [] {
        Tokenizer made;
        sqlite3_open(":memory:", &made.db);
        if (!registerCzechTokenizer(made.db, stemmer) ||
            sqlite3_exec(made.db,
                         "CREATE VIRTUAL TABLE t USING fts5(x, tokenize='tavlin_cs');"
                         "INSERT INTO t (x) VALUES ('Poplatníci daně z příjmů jsou povinni')",
                         nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        fts5_api* api = nullptr;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(made.db, "SELECT fts5(?1)", -1, &stmt, nullptr);
        sqlite3_bind_pointer(stmt, 1, &api, "fts5_api_ptr", nullptr);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
        void* context = nullptr;
        if (!api ||
            api->xFindTokenizer(api, kCzechTokenizerName, &context, &made.methods) != SQLITE_OK ||
            made.methods.xCreate(context, nullptr, 0, &made.instance) != SQLITE_OK)
            std::abort();
        return made;
    }();
    return t;
}

struct Check {
    const std::string* text;
    bool query;
    int tokens = 0;
    int lastStart = 0;
};

int onToken(void* p, int flags, const char* token, int length, int start, int end) {
    Check& check = *static_cast<Check*>(p);
    const bool colocated = (flags & FTS5_TOKEN_COLOCATED) != 0;
    const bool lemma = length > 0 && token[0] == kLemmaMark;
    if (length <= 0 || start < 0 || end > int(check.text->size()) || start >= end ||
        start < check.lastStart || (colocated && check.tokens == 0) ||
        (!check.query && lemma != colocated))
        std::abort();
    check.lastStart = start;
    ++check.tokens;
    return SQLITE_OK;
}

void tokenize(const std::string& text, int flags) {
    Tokenizer& t = tokenizer();
    Check check{&text, (flags & FTS5_TOKENIZE_QUERY) != 0};
    if (t.methods.xTokenize(t.instance, &check, flags, text.data(), int(text.size()), onToken) !=
        SQLITE_OK)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    tokenize(text, FTS5_TOKENIZE_DOCUMENT);
    tokenize(text, FTS5_TOKENIZE_QUERY);
    tokenize(text, FTS5_TOKENIZE_QUERY | FTS5_TOKENIZE_PREFIX);
    // The raw text as a query may be refused, but never crashes; quoted, it is always taken.
    sqlite3* db = tokenizer().db;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    quoted += '"';
    for (const bool mustWork : {false, true}) {
        const std::string& expression = mustWork ? quoted : text;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM t WHERE t MATCH ?", -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, expression.data(), int(expression.size()), SQLITE_STATIC);
        const int rc = sqlite3_step(stmt);
        sqlite3_finalize(stmt);
        if (mustWork && rc != SQLITE_ROW && text.find('\0') == std::string::npos)
            std::abort();
    }
    return 0;
}
