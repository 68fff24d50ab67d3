#include "search/HitMatcher.h"

#include "morphology/Lemmatizer.h"
#include "morphology/WordTokens.h"
#include "search/FulltextIndex.h"
#include "search/IndexVocabulary.h"
#include "search/SearchExpression.h"

#include <algorithm>

namespace {
// Words of context before and after the first match in a snippet.
constexpr std::size_t kWordsBefore = 8;
constexpr std::size_t kWordsAfter = 16;

struct Span {
    std::size_t begin;
    std::size_t end;
    bool matched;
};

std::vector<std::string> words(const QString& text) {
    std::vector<std::string> result;
    forEachWord(text.toStdString(), [&](const std::string& word, std::size_t, std::size_t) {
        result.push_back(word);
        return true;
    });
    return result;
}

QString escaped(const std::string& utf8, std::size_t begin, std::size_t end) {
    return QString::fromUtf8(utf8.data() + begin, qsizetype(end - begin)).toHtmlEscaped();
}
} // namespace

HitMatcher::HitMatcher(const QString& searchText, bool allForms, const QString& indexFolder) {
    QStringList terms;
    SplitHighlightWords(terms, searchText);
    const QString lower = searchText.toLower();
    if (allForms) {
        m_pVocabulary = fulltextVocabulary(indexFolder);
        if (m_pVocabulary)
            m_lemmasOf = [this](const std::string& form) { return m_pVocabulary->lemmasOf(form); };
        else
            m_lemmasOf = [](const std::string& form) { return Lemmatizer::shared().lemmas(form); };
    }
    for (const QString& term : terms) {
        const bool phrase = term.contains(QLatin1Char(' '));
        const bool prefix = !phrase && lower.contains(term + QLatin1Char('*'));
        if (phrase || prefix || !allForms)
            m_typed << term;
        for (const std::string& word : words(term)) {
            if (prefix)
                m_prefixes.push_back(word);
            else if (phrase || !allForms)
                m_exact.push_back(word);
            else
                m_lemmaTerms.push_back(m_pVocabulary ? m_pVocabulary->alternatives(word)
                                                     : m_lemmasOf(word));
        }
    }
}

HitMatcher::~HitMatcher() = default;

bool HitMatcher::matches(const std::string& form) {
    if (const auto found = m_cache.find(form); found != m_cache.end())
        return found->second;
    bool matched = std::find(m_exact.begin(), m_exact.end(), form) != m_exact.end() ||
                   std::any_of(m_prefixes.begin(), m_prefixes.end(), [&](const std::string& p) {
                       return form.compare(0, p.size(), p) == 0;
                   });
    if (!matched && !m_lemmaTerms.empty()) {
        const Lemmas lemmas = m_lemmasOf(form);
        for (const Lemmas& term : m_lemmaTerms) {
            for (const std::string& lemma : term)
                matched = matched || lemma == form ||
                          std::find(lemmas.begin(), lemmas.end(), lemma) != lemmas.end();
        }
    }
    m_cache.emplace(form, matched);
    return matched;
}

QStringList HitMatcher::wordsIn(const QString& text) {
    QStringList result = m_typed;
    if (m_lemmaTerms.empty())
        return result;
    forEachWord(text.toStdString(), [&](const std::string& word, std::size_t, std::size_t) {
        if (matches(word)) {
            const QString form = QString::fromStdString(word);
            if (!result.contains(form))
                result << form;
        }
        return true;
    });
    return result;
}

QString HitMatcher::snippet(const QString& text) {
    const std::string utf8 = text.toStdString();
    std::vector<Span> spans;
    std::size_t first = std::string::npos;
    bool cut = false;
    forEachWord(utf8, [&](const std::string& word, std::size_t begin, std::size_t end) {
        if (first != std::string::npos && spans.size() > first + kWordsAfter) {
            cut = true;
            return false;
        }
        const bool matched = matches(word);
        if (matched && first == std::string::npos)
            first = spans.size();
        spans.push_back({begin, end, matched});
        return true;
    });
    if (first == std::string::npos)
        return QString();
    const std::size_t from = first > kWordsBefore ? first - kWordsBefore : 0;
    QString html = from > 0 ? QStringLiteral("… ") : QString();
    std::size_t at = spans[from].begin;
    for (std::size_t i = from; i < spans.size(); ++i) {
        if (!spans[i].matched)
            continue;
        html += escaped(utf8, at, spans[i].begin) + QStringLiteral("<b>") +
                escaped(utf8, spans[i].begin, spans[i].end) + QStringLiteral("</b>");
        at = spans[i].end;
    }
    if (cut)
        html += escaped(utf8, at, spans.back().end) + QStringLiteral(" …");
    else
        html += escaped(utf8, at, utf8.size());
    return html.simplified();
}
