#pragma once

struct sqlite3;

// Registers on a connection what the Jet dialect needs: the Czech collation "CS", the Jet LIKE
// (case-insensitive, * ? # [..] wildcards), left(text, n) as jet_left, and jet_sortkey(text, n),
// the Czech sort key of left(text, n) that sorts use instead of comparing with "CS", also as
// jet_joinsortkey (the name that sorts of joined rows use, which no stored index has).
void registerJetFunctions(sqlite3* db);
