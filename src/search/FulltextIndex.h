#pragma once

#include "search/FulltextQuery.h"

#include <QString>
#include <memory>

class Cancellation;
class Connection;
class Database;
class IndexVocabulary;

// The full-text index of a law collection: one SQLite FTS5 file in the program's Index folder.
// Section versions (dokumentSekce.sekce) are indexed by their text without markup; documents by
// their name and number, each pointing to its newest section version.

// The index file inside the Index folder.
QString fulltextIndexPath(const QString& indexFolder);

struct IndexBuildStats {
    long long sections = 0;
    long long documents = 0;
};

// Builds the index of `database` into the Index folder: written to a temporary file in one
// transaction, then renamed over the old index. Throws DaoException on failure (the old index
// then stays).
IndexBuildStats BuildFulltextIndex(Database& database, const QString& indexFolder);

// Scope bits of Search: the section texts, the document names, the document numbers; with
// SearchAllForms every word is matched in all its forms (otherwise only as typed).
enum FulltextScope { ScopeText = 1, ScopeName = 2, ScopeNumber = 4, SearchAllForms = 8 };

// Missing: no index file; Damaged: a file that is not an index (not SQLite, emptied, unreadable,
// its tables gone or broken); Outdated: an index of an older format.
enum class FulltextIndexState { Missing, Damaged, Outdated, Ready };

// Whether the Index folder holds an index this program can read; an index of an older format
// answers nothing until it is built again. Damage deep inside the file shows only when it is
// searched (SearchIndex).
FulltextIndexState fulltextIndexState(const QString& indexFolder);

// Opens the index of the folder for searching, its tokenizer registered; false when it is
// missing or of another format.
bool openFulltextIndex(Connection& index, const QString& indexFolder);

// The vocabulary of the folder's index, null when there is no readable index. Kept with the open
// index while its file stays the same.
std::shared_ptr<IndexVocabulary> fulltextVocabulary(const QString& indexFolder);

// Resolves query words through the index's vocabulary (alive as long as the resolver is used).
LemmaResolver vocabularyResolver(IndexVocabulary& vocabulary);

// What a search of the index answered: the section identifiers that match as "(id,id,…)" in
// ascending order, empty when nothing matches or the query cannot be understood; `state` is
// Ready when the index could be searched, else why it could not.
struct FulltextAnswer {
    QString ids;
    FulltextIndexState state = FulltextIndexState::Ready;
};
// Once `cancel` is set the search stops early; what it then answers is of no use.
FulltextAnswer SearchIndex(const QString& indexFolder, const QString& query, int scope,
                           Cancellation* cancel = nullptr);

// The identifiers alone: the empty text also when the index cannot be searched.
QString Search(const QString& indexFolder, const QString& query, int scope);
