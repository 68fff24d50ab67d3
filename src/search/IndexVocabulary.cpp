#include "search/IndexVocabulary.h"

#include "morphology/Diacritics.h"
#include "morphology/Lemmatizer.h"
#include "search/SqliteHandle.h"

#include <algorithm>

namespace {
std::unique_ptr<Statement> prepare(sqlite3* db, const char* sql) {
    try {
        return std::make_unique<Statement>(db, sql);
    } catch (const DaoException&) {
        return nullptr; // an index without the table: every word goes to the lemmatizer
    }
}

void addLemmas(std::vector<std::string>& to, const std::vector<std::string>& lemmas) {
    for (const std::string& lemma : lemmas) {
        if (std::find(to.begin(), to.end(), lemma) == to.end())
            to.push_back(lemma);
    }
}
} // namespace

std::string joinLemmas(const std::vector<std::string>& lemmas) {
    std::string text;
    for (const std::string& lemma : lemmas) {
        if (!text.empty())
            text += ' ';
        text += lemma;
    }
    return text;
}

std::vector<std::string> splitLemmas(const std::string& text) {
    std::vector<std::string> lemmas;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(' ', begin);
        if (end == std::string::npos)
            end = text.size();
        if (end > begin)
            lemmas.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return lemmas;
}

IndexVocabulary::IndexVocabulary(sqlite3* index, Lemmatizer& lemmatizer)
    : m_lemmatizer(lemmatizer),
      m_pByForm(prepare(index, "SELECT lemmata FROM tvar WHERE tvar = ?")),
      m_pByPlainForm(prepare(index, "SELECT lemmata FROM tvar WHERE bezDiakritiky = ?")) {}

IndexVocabulary::~IndexVocabulary() = default;

bool IndexVocabulary::stored(const std::string& form, std::vector<std::string>& lemmas) {
    if (!m_pByForm)
        return false;
    m_pByForm->reset();
    m_pByForm->bindUtf8(1, form);
    const bool found = m_pByForm->step();
    if (found)
        lemmas = splitLemmas(m_pByForm->columnUtf8(0));
    m_pByForm->reset();
    return found && !lemmas.empty();
}

std::vector<std::string> IndexVocabulary::lemmasOf(const std::string& form) {
    if (const auto found = m_cache.find(form); found != m_cache.end())
        return found->second;
    std::vector<std::string> lemmas;
    if (!stored(form, lemmas))
        lemmas = m_lemmatizer.lemmas(form);
    m_cache.emplace(form, lemmas);
    return lemmas;
}

std::vector<std::string> IndexVocabulary::alternatives(const std::string& word) {
    const QString text = QString::fromStdString(word);
    std::vector<std::string> lemmas;
    if (!m_pByPlainForm || hasDiacritics(text) || stored(word, lemmas) || m_lemmatizer.isWord(word))
        return lemmasOf(word);
    m_pByPlainForm->reset();
    m_pByPlainForm->bindUtf8(1, word);
    while (m_pByPlainForm->step())
        addLemmas(lemmas, splitLemmas(m_pByPlainForm->columnUtf8(0)));
    m_pByPlainForm->reset();
    return lemmas.empty() ? lemmasOf(word) : lemmas;
}
