// SplitHighlightWords on any text, and the marking script made from its words.
#include "search/HighlightScript.h"
#include "search/SearchExpression.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList words;
    SplitHighlightWords(words, text);
    // The words come from the text: there can never be more of them than characters.
    if (words.size() > text.size())
        std::abort();
    const QString script = highlightScript(words);
    if (script.contains(QLatin1Char('<')))
        std::abort();
    return 0;
}
