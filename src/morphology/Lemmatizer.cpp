#include "morphology/Lemmatizer.h"

#include "morphology/CzechStemmer.h"
#include "morphology/HunspellDictionary.h"
#include "morphology/LemmaRules.h"
#include "morphology/WordTokens.h"

#include <QDir>
#include <algorithm>

namespace {
// The cache stops growing here; a collection's vocabulary stays far below it.
constexpr std::size_t kMaxCachedForms = 2'000'000;

QString dictionaryFolder() {
    const QString folder = qEnvironmentVariable("TAVLIN_HUNSPELL_FOLDER");
    return folder.isEmpty() ? QStringLiteral("/usr/share/hunspell") : folder;
}

// Only a word of Czech letters can be in the Czech dictionary; asking it about any other word
// (numbers, foreign scripts) costs time and gives nothing.
bool czechLetters(const QString& word) {
    static const QString marked = QStringLiteral("áčďéěíňóřšťúůýž");
    for (const QChar c : word) {
        if ((c < QLatin1Char('a') || c > QLatin1Char('z')) && !marked.contains(c))
            return false;
    }
    return !word.isEmpty();
}

std::string toStd(const QString& text) {
    return text.toStdString();
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

Lemmatizer::Lemmatizer(std::unique_ptr<HunspellDictionary> dictionary)
    : m_pDictionary(std::move(dictionary)) {}

Lemmatizer::Lemmatizer(std::function<std::unique_ptr<HunspellDictionary>()> load, QString signature)
    : m_load(std::move(load)), m_strUnloadedSignature(std::move(signature)) {}

HunspellDictionary* Lemmatizer::dictionary() const {
    if (m_load) {
        m_pDictionary = m_load();
        m_load = nullptr;
    }
    return m_pDictionary.get();
}

Lemmatizer::~Lemmatizer() = default;

Lemmatizer& Lemmatizer::shared() {
    static Lemmatizer lemmatizer(
        [] { return HunspellDictionary::load(dictionaryFolder(), QStringLiteral("cs_CZ")); },
        HunspellDictionary::signatureOf(dictionaryFolder(), QStringLiteral("cs_CZ")));
    return lemmatizer;
}

QString Lemmatizer::signature() const {
    const std::lock_guard lock(m_mutex);
    if (m_load && !m_strUnloadedSignature.isEmpty())
        return m_strUnloadedSignature;
    return dictionary() ? dictionary()->signature() : QStringLiteral("stemmer");
}

std::vector<std::string> Lemmatizer::lemmas(const std::string& form) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_cache.find(form); found != m_cache.end())
        return found->second;
    std::vector<std::string> result = lookUp(form);
    if (m_cache.size() < kMaxCachedForms)
        m_cache.emplace(form, result);
    return result;
}

void Lemmatizer::remember(const std::string& form, std::vector<std::string> lemmas) {
    const std::lock_guard lock(m_mutex);
    if (m_cache.size() < kMaxCachedForms)
        m_cache.try_emplace(form, std::move(lemmas));
}

bool Lemmatizer::isWord(const std::string& form) {
    const std::lock_guard lock(m_mutex);
    // Only the lower-case spelling: "dan" typed is not the name "Dan".
    return dictionary() && dictionary()->knows(form);
}

std::vector<std::string> Lemmatizer::lookUp(const std::string& form) const {
    std::vector<std::string> result = dictionaryLemmas(form);
    // A lemma is one index word: a dictionary stem with a hyphen or an apostrophe is no use.
    std::erase_if(result, [](const std::string& lemma) {
        bool single = !lemma.empty();
        forEachWord(lemma, [&](const std::string& word, std::size_t, std::size_t) {
            single = single && word == lemma;
            return single;
        });
        return !single;
    });
    if (result.empty())
        result.push_back(toStd(czechStem(fromStd(form))));
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

std::vector<std::string> Lemmatizer::dictionaryLemmas(const std::string& form) const {
    std::vector<std::string> result;
    HunspellDictionary* hunspell = dictionary();
    if (!hunspell)
        return result;
    const QString word = fromStd(form);
    if (!czechLetters(word))
        return result;
    const QStringList candidates = spellings(word);
    for (const QString& spelling : candidates) {
        // A word the dictionary does not know has no readings.
        const std::vector<HunspellDictionary::Reading> readings =
            hunspell->readings(toStd(spelling));
        if (readings.empty()) {
            // Spelled in capitals, a word is checked in every case at once; one the dictionary
            // does not know that way has no reading in another spelling either, and analysing
            // each of them costs far more than the check.
            if (spelling == candidates.front() && candidates.size() > 1 &&
                !hunspell->knows(toStd(candidates.back())))
                break;
            continue;
        }
        const auto isLemma = [hunspell](const QString& candidate) {
            const std::string text = toStd(candidate);
            const auto readings = hunspell->readings(text);
            return std::any_of(readings.begin(), readings.end(),
                               [&](const auto& reading) { return reading.stem == text; });
        };
        bool ownStem = false;
        for (const HunspellDictionary::Reading& reading : readings) {
            const QString stem = fromStd(reading.stem);
            ownStem = ownStem || stem.compare(spelling, Qt::CaseInsensitive) == 0;
            result.push_back(toStd(lemmaOfReading(word, stem)));
        }
        for (const QString& extra : relatedLemmas(word, ownStem, isLemma))
            result.push_back(toStd(extra));
        break;
    }
    return result;
}
