#include "db/JetFunctions.h"

#include "db/CzechCollation.h"
#include "db/JetLike.h"

#include <cstdint>
#include <memory>
#include <sqlite3.h>

namespace {
int czechCollation(void*, int leftLength, const void* left, int rightLength, const void* right) {
    return compareCzech({static_cast<const char*>(left), static_cast<std::size_t>(leftLength)},
                        {static_cast<const char*>(right), static_cast<std::size_t>(rightLength)});
}

// The first `count` characters of a UTF-8 text (bytes of a character are kept together).
std::string_view leftChars(std::string_view text, sqlite3_int64 count) {
    // No more bytes than characters wanted: the whole text (the usual case of a sort key).
    if (static_cast<std::uint64_t>(count) >= text.size())
        return text;
    std::size_t pos = 0;
    for (sqlite3_int64 taken = 0; pos < text.size() && taken < count; ++taken) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return text.substr(0, pos);
}

// Reads the arguments of left(text, n); false when the result is null or an error was set.
bool leftArguments(sqlite3_context* context, sqlite3_value** argv, std::string_view& result) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return false;
    }
    const sqlite3_int64 count = sqlite3_value_int64(argv[1]);
    if (count < 0) {
        sqlite3_result_error(context, "Neplatné volání funkce left: záporná délka.", -1);
        return false;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    result = leftChars({text ? text : "", static_cast<std::size_t>(bytes)}, count);
    return true;
}

void jetLeft(sqlite3_context* context, int, sqlite3_value** argv) {
    std::string_view text;
    if (leftArguments(context, argv, text))
        sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void jetSortKey(sqlite3_context* context, int, sqlite3_value** argv) {
    std::string_view text;
    if (!leftArguments(context, argv, text))
        return;
    const QByteArray key = czechSortKey(text);
    sqlite3_result_blob(context, key.constData(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
}

void deletePattern(void* pattern) {
    delete static_cast<JetLikePattern*>(pattern);
}

std::string_view textArgument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

// "x LIKE y" calls like(y, x). The compiled pattern stays with the statement while the pattern
// argument is a constant; SQLite drops it at once otherwise.
void jetLike(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    if (const auto* cached = static_cast<const JetLikePattern*>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, cached->matches(textArgument(argv[1])));
        return;
    }
    auto compiled = std::make_unique<JetLikePattern>();
    if (!compiled->compile(textArgument(argv[0]))) {
        sqlite3_result_error(context, "Neplatný řetězec vzoru v LIKE.", -1);
        return;
    }
    sqlite3_result_int(context, compiled->matches(textArgument(argv[1])));
    sqlite3_set_auxdata(context, 0, compiled.release(), deletePattern);
}
} // namespace

void registerJetFunctions(sqlite3* db) {
    // Innocuous: the stored sort keys are indexes on jet_sortkey, which a connection with
    // trusted_schema off may use only for functions marked so.
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_collation(db, "CS", SQLITE_UTF8, nullptr, czechCollation);
    sqlite3_create_function(db, "jet_left", 2, flags, nullptr, jetLeft, nullptr, nullptr);
    sqlite3_create_function(db, "jet_sortkey", 2, flags, nullptr, jetSortKey, nullptr, nullptr);
    sqlite3_create_function(db, "jet_joinsortkey", 2, flags, nullptr, jetSortKey, nullptr, nullptr);
    sqlite3_create_function(db, "like", 2, flags, nullptr, jetLike, nullptr, nullptr);
}
