#pragma once

struct sqlite3;

// Registers on a connection what the Jet dialect needs: the Czech collation "CS", the Jet LIKE
// (case-insensitive, * ? # [..] wildcards) and left(text, n) as jet_left.
void registerJetFunctions(sqlite3* db);
