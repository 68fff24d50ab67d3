#include "db/JetFunctions.h"

#include "db/CzechCollation.h"

#include <sqlite3.h>

namespace {
int czechCollation(void*, int leftLength, const void* left, int rightLength, const void* right) {
    return compareCzech({static_cast<const char*>(left), static_cast<std::size_t>(leftLength)},
                        {static_cast<const char*>(right), static_cast<std::size_t>(rightLength)});
}
} // namespace

void registerJetFunctions(sqlite3* db) {
    sqlite3_create_collation(db, "CS", SQLITE_UTF8, nullptr, czechCollation);
}
