// The forms and the snippet a search text marks in any document text: every marked form is in
// the text, and the snippet is empty exactly when nothing was marked.
#include "morphology/CzechStemmer.h"
#include "morphology/Diacritics.h"
#include "morphology/WordTokens.h"
#include "search/HitMatcher.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QString all =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype split = all.indexOf(QLatin1Char('\n'));
    const QString searchText = split < 0 ? all : all.left(split);
    const QString text = split < 0 ? all : all.mid(split + 1);
    HitMatcher matcher(searchText, (data[0] & 1) != 0, QStringLiteral("/nonexistent"));
    const QStringList words = matcher.wordsIn(text);
    const QString snippet = matcher.snippet(text);
    for (const QString& word : text.split(QLatin1Char(' ')))
        czechStem(withoutDiacritics(word.toLower()));
    // All forms searched, no phrases and prefixes: only the matched forms of the text are
    // marked, the same the snippet shows.
    if ((data[0] & 1) == 0 || searchText.contains(QLatin1Char('*')) ||
        searchText.contains(QLatin1Char('"')))
        return 0;
    if (snippet.isEmpty() != words.isEmpty())
        std::abort();
    std::set<QString> inText;
    forEachWord(text.toStdString(), [&](const std::string& word, std::size_t, std::size_t) {
        inText.insert(QString::fromStdString(word));
        return true;
    });
    for (const QString& word : words) {
        if (inText.count(word) == 0)
            std::abort();
    }
    return 0;
}
