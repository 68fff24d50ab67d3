#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class HunspellDictionary;

// The lemmas of Czech word forms: from the system's Hunspell dictionary where it knows the word,
// from the rule-based stemmer otherwise. Every answer is cached per form (a law's vocabulary is
// small). Safe to use from several threads.
class Lemmatizer {
public:
    // Without a dictionary only the stemmer answers.
    explicit Lemmatizer(std::unique_ptr<HunspellDictionary> dictionary);
    // The dictionary is loaded by `load` when it is first needed: a search of words the index
    // knows, or a rebuild that recalls every word, never loads it. Until then `signature` names
    // the dictionary `load` would give.
    Lemmatizer(std::function<std::unique_ptr<HunspellDictionary>()> load, QString signature);
    ~Lemmatizer();

    // The program's lemmatizer: the cs_CZ dictionary of /usr/share/hunspell (or of the folder
    // in TAVLIN_HUNSPELL_FOLDER), loaded on first use.
    static Lemmatizer& shared();

    // The lemmas of a lower-case word form: sorted, distinct, never empty (a number or a word
    // no rule applies to is its own lemma).
    std::vector<std::string> lemmas(const std::string& form);
    // Takes the lemmas of `form` found earlier with the same dictionary (a previous index).
    void remember(const std::string& form, std::vector<std::string> lemmas);
    // True when the dictionary knows `form` as it is written, in lower case (not a name).
    bool isWord(const std::string& form);
    // Names the dictionary in use ("stemmer" without one); an index records it.
    QString signature() const;

private:
    std::vector<std::string> lookUp(const std::string& form) const;
    std::vector<std::string> dictionaryLemmas(const std::string& form) const;

    // The dictionary, loaded on first use; callers hold m_mutex.
    HunspellDictionary* dictionary() const;

    mutable std::function<std::unique_ptr<HunspellDictionary>()> m_load;
    mutable std::unique_ptr<HunspellDictionary> m_pDictionary;
    QString m_strUnloadedSignature;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, std::vector<std::string>> m_cache;
};
