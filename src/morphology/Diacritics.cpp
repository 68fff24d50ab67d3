#include "morphology/Diacritics.h"

QString withoutDiacritics(const QString& word) {
    bool plain = true;
    for (const QChar c : word) {
        if (c.unicode() >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain)
        return word;
    const QString decomposed = word.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result += c;
    }
    return result.normalized(QString::NormalizationForm_C);
}

bool hasDiacritics(const QString& word) {
    return withoutDiacritics(word) != word;
}
