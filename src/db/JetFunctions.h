#pragma once

struct sqlite3;

// Registers on a connection what the Jet dialect needs: the Czech collation "CS", the Jet LIKE
// (case-insensitive, * ? # [..] wildcards), left(text, n) as jet_left, and jet_sortkey(text, n),
// the Czech sort key of left(text, n) that sorts use instead of comparing with "CS".
void registerJetFunctions(sqlite3* db);
