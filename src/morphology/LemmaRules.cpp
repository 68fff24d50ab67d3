#include "morphology/LemmaRules.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
bool isConsonant(QChar c) {
    static const QString vowels = QStringLiteral("aáeéěiíoóuúůyý");
    return c.isLetter() && !vowels.contains(c);
}

bool endsWithConsonant(const QString& word) {
    return !word.isEmpty() && isConsonant(word.back());
}

void addDistinct(QStringList& list, const QString& word) {
    if (!word.isEmpty() && !list.contains(word))
        list << word;
}

// The long adjective candidates of a short (predicative) form.
QStringList longAdjectives(const QString& form) {
    QStringList candidates;
    if (form.size() < 4)
        return candidates;
    if (form.endsWith(QLatin1String("en"))) {
        addDistinct(candidates, form.left(form.size() - 2) + QStringLiteral("ný"));
        addDistinct(candidates, form + QStringLiteral("ý"));
        return candidates;
    }
    const QChar last = form.back();
    const QString base = QStringLiteral("aoiy").contains(last) ? form.chopped(1) : form;
    if (base.endsWith(QLatin1Char('n')) || base.endsWith(QLatin1Char('t')))
        addDistinct(candidates, base + QStringLiteral("ý"));
    return candidates;
}

// The nominative candidates of a genitive plural without ending: the ending back, the "ou" the
// plural shortened to "u", the "e" it inserted before the last consonant removed.
QStringList pluralNominatives(const QString& form) {
    QStringList candidates;
    if (form.size() < 3 || !endsWithConsonant(form))
        return candidates;
    QStringList bases{form};
    if (const qsizetype u = form.lastIndexOf(QLatin1Char('u')); u > 0)
        bases << form.left(u) + QStringLiteral("ou") + form.mid(u + 1);
    // The inserted "e" stands before the final consonants ("mezd" from "mzda").
    if (const qsizetype e = form.lastIndexOf(QLatin1Char('e')); e > 0 && e >= form.size() - 3) {
        const QString rest = form.mid(e + 1);
        if (std::all_of(rest.begin(), rest.end(), [](QChar c) { return isConsonant(c); }))
            bases << form.left(e) + rest;
    }
    for (const QString& base : bases) {
        addDistinct(candidates, base + QLatin1Char('a'));
        addDistinct(candidates, base + QLatin1Char('o'));
    }
    return candidates;
}
} // namespace

QStringList spellings(const QString& form) {
    QStringList result{form};
    if (form.isEmpty())
        return result;
    addDistinct(result, form.left(1).toUpper() + form.mid(1));
    addDistinct(result, form.toUpper());
    return result;
}

QString lemmaOfReading(const QString& form, const QString& stem) {
    static const QRegularExpression ostNoun(QStringLiteral("^(.*ost)(i|í|em|ech|mi)?$"));
    QString lemma = stem.toLower();
    if (const QRegularExpressionMatch noun = ostNoun.match(form);
        noun.hasMatch() && !lemma.endsWith(QLatin1String("ost")))
        return noun.captured(1);
    if (form.isEmpty())
        return lemma;
    // An adverb ("povinně", "fyzicky") is a word of its own, not a form of its adjective.
    const QChar last = form.back();
    if ((lemma.endsWith(QStringLiteral("ý")) || lemma.endsWith(QStringLiteral("í"))) &&
        (last == QLatin1Char('e') || last == QStringLiteral("ě").front() ||
         last == QLatin1Char('y')))
        return form;
    // "nej" makes a superlative of the same word, "ne" a negated word of its own.
    const bool superlative = form.startsWith(QLatin1String("nej")) &&
                             !form.startsWith(QLatin1String("nejne")) &&
                             !lemma.startsWith(QLatin1String("nej"));
    if (!superlative && form.startsWith(QLatin1String("ne")) &&
        !lemma.startsWith(QLatin1String("ne")))
        lemma.prepend(QStringLiteral("ne"));
    return lemma;
}

QStringList relatedLemmas(const QString& form, bool ownStem,
                          const std::function<bool(const QString&)>& isLemma) {
    // "být" changes its stem (je, jsou, byl, bude); the dictionary lists each form by itself.
    static const QStringList formsOfBe{
        QStringLiteral("je"),     QStringLiteral("jsou"),   QStringLiteral("jsem"),
        QStringLiteral("jsi"),    QStringLiteral("jsme"),   QStringLiteral("jste"),
        QStringLiteral("byl"),    QStringLiteral("byla"),   QStringLiteral("bylo"),
        QStringLiteral("byli"),   QStringLiteral("byly"),   QStringLiteral("bude"),
        QStringLiteral("budou"),  QStringLiteral("budu"),   QStringLiteral("budeš"),
        QStringLiteral("budeme"), QStringLiteral("budete"),
    };
    QStringList result;
    if (formsOfBe.contains(form))
        result << QStringLiteral("být");
    for (const QString& candidate : longAdjectives(form)) {
        if (candidate != form && isLemma(candidate))
            addDistinct(result, candidate);
    }
    if (ownStem) {
        for (const QString& candidate : pluralNominatives(form)) {
            if (isLemma(candidate))
                addDistinct(result, candidate);
        }
    }
    return result;
}
