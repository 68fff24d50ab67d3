#include "search/CzechTokenizer.h"

#include "morphology/Lemmatizer.h"
#include "morphology/WordTokens.h"
#include "search/FormTokenTable.h"

#include <sqlite3.h>
#include <string_view>

namespace {
using TokenCallback = int (*)(void*, int, const char*, int, int, int);

struct Context {
    Lemmatizer* lemmatizer;
    // The lemmas of every form met: the caller's map when it asked for them, else our own.
    std::shared_ptr<FormLemmas> seen;
    // The "=lemma" tokens sent after each form met.
    FormTokenTable tokens;
};

const std::vector<std::string>& lemmaTokens(Context& context, const std::string& form) {
    if (const std::vector<std::string>* found = context.tokens.find(form))
        return *found;
    // Both are filled together, so a form new to the tokens is new to the map of forms met.
    const std::vector<std::string>& lemmas =
        context.seen->emplace(form, context.lemmatizer->lemmas(form)).first->second;
    std::vector<std::string> tokens;
    for (const std::string& lemma : lemmas) {
        if (lemma != form)
            tokens.push_back(kLemmaMark + lemma);
    }
    return context.tokens.insert(form, std::move(tokens));
}

int sendToken(TokenCallback callback, void* pCtx, int flags, std::string_view token,
              std::size_t begin, std::size_t end) {
    return callback(pCtx, flags, token.data(), int(token.size()), int(begin), int(end));
}

int tokenizeDocument(Context& context, void* pCtx, std::string_view text, TokenCallback callback) {
    int rc = SQLITE_OK;
    forEachWord(text, [&](const std::string& word, std::size_t begin, std::size_t end) {
        rc = sendToken(callback, pCtx, 0, word, begin, end);
        if (rc != SQLITE_OK)
            return false;
        for (const std::string& token : lemmaTokens(context, word)) {
            rc = sendToken(callback, pCtx, FTS5_TOKEN_COLOCATED, token, begin, end);
            if (rc != SQLITE_OK)
                return false;
        }
        return true;
    });
    return rc;
}

// A query's words; "=a=b" gives the lemma alternatives of one position, each matched as the
// lemma token or as the form itself.
int tokenizeQuery(std::string_view text, void* pCtx, TokenCallback callback) {
    int rc = SQLITE_OK;
    std::size_t previousEnd = std::string_view::npos;
    bool previousLemma = false;
    forEachWord(text, [&](const std::string& word, std::size_t begin, std::size_t end) {
        const bool lemma = begin > 0 && text[begin - 1] == kLemmaMark;
        const bool samePosition = lemma && previousLemma && previousEnd == begin - 1;
        previousEnd = end;
        previousLemma = lemma;
        if (!lemma)
            return (rc = sendToken(callback, pCtx, 0, word, begin, end)) == SQLITE_OK;
        rc = sendToken(callback, pCtx, samePosition ? FTS5_TOKEN_COLOCATED : 0, kLemmaMark + word,
                       begin, end);
        if (rc == SQLITE_OK)
            rc = sendToken(callback, pCtx, FTS5_TOKEN_COLOCATED, word, begin, end);
        return rc == SQLITE_OK;
    });
    return rc;
}

int xCreate(void* pCtx, const char**, int, Fts5Tokenizer** ppOut) {
    *ppOut = static_cast<Fts5Tokenizer*>(pCtx);
    return SQLITE_OK;
}

void xDelete(Fts5Tokenizer*) {}

int xTokenize(Fts5Tokenizer* tokenizer, void* pCtx, int flags, const char* pText, int nText,
              TokenCallback callback) {
    if (nText <= 0)
        return SQLITE_OK;
    Context& context = *reinterpret_cast<Context*>(tokenizer);
    const std::string_view text(pText, std::size_t(nText));
    if ((flags & FTS5_TOKENIZE_QUERY) != 0)
        return tokenizeQuery(text, pCtx, callback);
    return tokenizeDocument(context, pCtx, text, callback);
}

fts5_api* fts5Api(sqlite3* db) {
    fts5_api* api = nullptr;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_pointer(stmt, 1, &api, "fts5_api_ptr", nullptr);
        sqlite3_step(stmt);
    }
    sqlite3_finalize(stmt);
    return api;
}
} // namespace

bool registerCzechTokenizer(sqlite3* db, Lemmatizer& lemmatizer, std::shared_ptr<FormLemmas> seen) {
    fts5_api* api = fts5Api(db);
    if (!api)
        return false;
    // One context per connection, shared by every table's tokenizer instance and freed with
    // the connection.
    if (!seen)
        seen = std::make_shared<FormLemmas>();
    auto* context = new Context{&lemmatizer, std::move(seen), {}};
    fts5_tokenizer methods{xCreate, xDelete, xTokenize};
    return api->xCreateTokenizer(api, kCzechTokenizerName, context, &methods,
                                 [](void* p) { delete static_cast<Context*>(p); }) == SQLITE_OK;
}
