#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
class Lemmatizer;
class Statement;

// The words of an index with their lemmas, as the index build stored them, for the queries on
// that index: a word of the collection needs no dictionary, any other goes to the lemmatizer.
class IndexVocabulary {
public:
    IndexVocabulary(sqlite3* index, Lemmatizer& lemmatizer);
    ~IndexVocabulary();

    // The lemmas of a lower-case form.
    std::vector<std::string> lemmasOf(const std::string& form);
    // The lemmas a typed lower-case word stands for. A word without diacritics that is neither
    // a Czech word nor a word of the collection stands for the words of the collection that
    // differ from it only by diacritics ("prijmu" for "příjmů" and "příjmu").
    std::vector<std::string> alternatives(const std::string& word);

private:
    // The stored lemmas of `form`; false when the collection has no such word.
    bool stored(const std::string& form, std::vector<std::string>& lemmas);

    Lemmatizer& m_lemmatizer;
    std::unique_ptr<Statement> m_pByForm;
    std::unique_ptr<Statement> m_pByPlainForm;
    std::unordered_map<std::string, std::vector<std::string>> m_cache;
};

// The lemma list stored for a form: the lemmas separated by spaces.
std::string joinLemmas(const std::vector<std::string>& lemmas);
std::vector<std::string> splitLemmas(const std::string& text);
