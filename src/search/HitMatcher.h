#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class IndexVocabulary;

// Which words of a found document the search text matched: for marking them in the opened
// document and for the passage shown with a hit. Words are matched as the index matched them:
// by lemma when all forms are searched, as typed otherwise; a prefix (word*) by its beginning, a
// quoted phrase word by word as typed. Nothing after "ne" counts.
class HitMatcher {
public:
    HitMatcher(const QString& searchText, bool allForms, const QString& indexFolder);
    ~HitMatcher();

    // The words and phrases to mark in a document of plain text `text`: the typed phrases and
    // prefixes and every form of `text` that matched, each once.
    QStringList wordsIn(const QString& text);
    // The first passage of `text` holding a matched word, as HTML with the matched words in
    // <b>; empty when nothing in `text` matches.
    QString snippet(const QString& text);

    bool matches(const std::string& form);

private:
    using Lemmas = std::vector<std::string>;

    QStringList m_typed; // marked as typed: phrases, prefixes, words in exact mode
    std::vector<std::string> m_prefixes;
    std::vector<std::string> m_exact; // forms matched exactly
    std::vector<Lemmas> m_lemmaTerms; // the lemmas each word stands for
    std::shared_ptr<IndexVocabulary> m_pVocabulary;
    std::function<Lemmas(const std::string&)> m_lemmasOf;
    std::unordered_map<std::string, bool> m_cache;
};
