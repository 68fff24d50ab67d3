#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
class Lemmatizer;

// The name under which the tokenizer is registered; the index tables name it.
inline constexpr const char* kCzechTokenizerName = "tavlin_cs";
// Marks a lemma token in the index and in a query: "=smlouva" stands for every form of the word.
inline constexpr char kLemmaMark = '=';

// The word forms a tokenizer met in documents, each with its lemmas; the index stores them so a
// search needs no dictionary for the words of the collection.
using FormLemmas = std::unordered_map<std::string, std::vector<std::string>>;

// Registers the FTS5 tokenizer `tavlin_cs` on `db`. Documents: every word in lower case, then
// each of its lemmas other than the form itself as "=lemma" at the same position. Queries:
// "=a=b" stands for the lemmas a or b (each as "=a" or the form "a"); any other word is the
// form itself. Returns false when the connection has no FTS5.
bool registerCzechTokenizer(sqlite3* db, Lemmatizer& lemmatizer,
                            std::shared_ptr<FormLemmas> seen = nullptr);
