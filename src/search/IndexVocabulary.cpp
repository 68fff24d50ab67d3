#include "search/IndexVocabulary.h"

#include "morphology/Diacritics.h"
#include "morphology/Lemmatizer.h"

#include <QString>
#include <algorithm>

namespace {
void addLemmas(IndexVocabulary::Lemmas& to, const IndexVocabulary::Lemmas& lemmas) {
    for (const std::string& lemma : lemmas) {
        if (std::find(to.begin(), to.end(), lemma) == to.end())
            to.push_back(lemma);
    }
}

IndexVocabulary::Lemmas splitLemmas(const std::string& text, std::size_t begin, std::size_t end) {
    IndexVocabulary::Lemmas lemmas;
    while (begin < end) {
        std::size_t space = text.find(' ', begin);
        if (space == std::string::npos || space > end)
            space = end;
        if (space > begin)
            lemmas.push_back(text.substr(begin, space - begin));
        begin = space + 1;
    }
    return lemmas;
}
} // namespace

std::string IndexVocabulary::store(const Forms& forms) {
    std::vector<const Forms::value_type*> sorted;
    sorted.reserve(forms.size());
    for (const auto& entry : forms)
        sorted.push_back(&entry);
    std::sort(sorted.begin(), sorted.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    std::string text;
    for (const auto* entry : sorted) {
        text += entry->first;
        char separator = '\t';
        for (const std::string& lemma : entry->second) {
            text += separator;
            text += lemma;
            separator = ' ';
        }
        text += '\n';
    }
    return text;
}

void IndexVocabulary::forEachStored(const std::string& stored,
                                    const std::function<void(std::string, Lemmas)>& onForm) {
    std::size_t begin = 0;
    while (begin < stored.size()) {
        std::size_t end = stored.find('\n', begin);
        if (end == std::string::npos)
            end = stored.size();
        const std::size_t tab = stored.find('\t', begin);
        if (tab != std::string::npos && tab > begin && tab < end) {
            Lemmas lemmas = splitLemmas(stored, tab + 1, end);
            if (!lemmas.empty())
                onForm(stored.substr(begin, tab - begin), std::move(lemmas));
        }
        begin = end + 1;
    }
}

IndexVocabulary::Forms IndexVocabulary::parse(const std::string& stored) {
    Forms forms;
    forEachStored(stored, [&forms](std::string form, Lemmas lemmas) {
        forms.emplace(std::move(form), std::move(lemmas));
    });
    return forms;
}

IndexVocabulary::IndexVocabulary(const std::string& stored, Lemmatizer& lemmatizer)
    : m_lemmatizer(lemmatizer), m_forms(parse(stored)) {
    for (const auto& [form, lemmas] : m_forms) {
        const QString text = QString::fromStdString(form);
        if (const QString plain = withoutDiacritics(text); plain != text)
            m_plainForms[plain.toStdString()].push_back(&form);
    }
}

IndexVocabulary::Lemmas IndexVocabulary::lemmasOf(const std::string& form) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_forms.find(form); found != m_forms.end())
        return found->second;
    auto found = m_looked.find(form);
    if (found == m_looked.end())
        found = m_looked.emplace(form, m_lemmatizer.lemmas(form)).first;
    return found->second;
}

IndexVocabulary::Lemmas IndexVocabulary::alternatives(const std::string& word) {
    {
        const std::lock_guard lock(m_mutex);
        const auto plain = m_plainForms.find(word);
        // A form of the collection or a Czech word is meant as typed.
        if (plain != m_plainForms.end() && m_forms.count(word) == 0 && !m_lemmatizer.isWord(word)) {
            Lemmas lemmas;
            for (const std::string* form : plain->second)
                addLemmas(lemmas, m_forms.at(*form));
            return lemmas;
        }
    }
    return lemmasOf(word);
}
