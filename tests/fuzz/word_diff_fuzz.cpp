// The word comparison of two section texts from the collection: whatever the HTML, the tokens
// give the text back, and the marked text keeps every word of the new text in order.
#include "document/ComparisonPage.h"
#include "document/WordDiff.h"

#include <QRegularExpression>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray before = split < 0 ? input : input.left(split);
    const QByteArray after = split < 0 ? QByteArray() : input.mid(split + 1);

    QByteArray joined;
    for (const HtmlToken& token : tokenizeHtml(after))
        joined += token.text;
    if (joined != after)
        std::abort();

    const QByteArray marked = markWordChanges(before, after);
    // Without the removed words and the marks, the words of the new text remain.
    static const QRegularExpression removed(QStringLiteral("<del class=\"tv-slovo\">[^<]*</del>"));
    static const QRegularExpression marks(QStringLiteral("</?ins( class=\"tv-slovo\")?>"));
    QString text = QString::fromUtf8(marked);
    if (text.toUtf8() == marked) {
        text.remove(removed).remove(marks);
        const bool bPlain =
            !before.contains('<') && !after.contains("ins") && !after.contains("del");
        if (bPlain && plainWords(text.toUtf8()) != plainWords(after))
            std::abort();
    }
    sectionLabel(after);
    return 0;
}
