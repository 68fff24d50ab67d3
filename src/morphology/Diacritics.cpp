#include "morphology/Diacritics.h"

namespace {
// The Czech letters with marks and their plain letters, the common case done without Unicode
// decomposition.
const QString& markedLetters() {
    static const QString letters = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    return letters;
}

const QString& plainLetters() {
    static const QString letters = QStringLiteral("acdeeinorstuuyzACDEEINORSTUUYZ");
    return letters;
}

QString decomposedWithoutMarks(const QString& word) {
    const QString decomposed = word.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result += c;
    }
    return result.normalized(QString::NormalizationForm_C);
}
} // namespace

QString withoutDiacritics(const QString& word) {
    QString result = word;
    for (QChar& c : result) {
        if (c.unicode() < 0x80)
            continue;
        const qsizetype at = markedLetters().indexOf(c);
        if (at < 0)
            return decomposedWithoutMarks(word);
        c = plainLetters().at(at);
    }
    return result;
}

bool hasDiacritics(const QString& word) {
    return withoutDiacritics(word) != word;
}
