#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class Lemmatizer;

// The words of an index with their lemmas, as the index build stored them, for the queries on
// that index: a word of the collection needs no dictionary, any other goes to the lemmatizer.
// Stored as one text, a line "form<TAB>lemma lemma" per word. Safe to use from several threads.
class IndexVocabulary {
public:
    using Lemmas = std::vector<std::string>;
    using Forms = std::unordered_map<std::string, Lemmas>;

    IndexVocabulary(const std::string& stored, Lemmatizer& lemmatizer);

    // The stored text of `forms`, in key order.
    static std::string store(const Forms& forms);
    // The forms and lemmas of a stored text.
    static Forms parse(const std::string& stored);
    // Calls `onForm(form, lemmas)` for every line of a stored text with lemmas, in order.
    static void forEachStored(const std::string& stored,
                              const std::function<void(std::string, Lemmas)>& onForm);

    // The lemmas of a lower-case form.
    Lemmas lemmasOf(const std::string& form);
    // The lemmas a typed lower-case word stands for. A word without diacritics that is neither
    // a Czech word nor a word of the collection stands for the words of the collection that
    // differ from it only by diacritics ("prijmu" for "příjmů" and "příjmu").
    Lemmas alternatives(const std::string& word);

private:
    Lemmatizer& m_lemmatizer;
    std::mutex m_mutex;
    Forms m_forms;
    // Every form of the collection with diacritics under its letters without them.
    std::unordered_map<std::string, std::vector<const std::string*>> m_plainForms;
    Forms m_looked; // forms outside the collection, from the lemmatizer
};
