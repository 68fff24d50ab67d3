#include "search/SearchExpression.h"

namespace {
const QChar kSpace = QLatin1Char(' ');
const QChar kQuote = QLatin1Char('"');

QString trimRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// Trims the characters of `set` from both ends.
QString trimChars(const QString& text, const QString& set) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && set.contains(text.at(begin)))
        ++begin;
    while (end > begin && set.contains(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// Removes the first `count` characters of every occurrence of `pattern` until none is left.
void collapseAll(QString& text, const QString& pattern, qsizetype count) {
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern))
        text.remove(at, count);
}
} // namespace

qsizetype CharacterCount(const QString& text) {
    qsizetype count = text.size();
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            --count;
    }
    return count;
}

QString ConvertWords(const QString& run) {
    QString rest = run.trimmed();
    QString result;
    for (qsizetype space = rest.indexOf(kSpace); space >= 0; space = rest.indexOf(kSpace)) {
        QString word = rest.left(space).trimmed();
        rest.remove(0, space + 1);
        if (CharacterCount(word) < 3) {
            if (word == QLatin1String("a"))
                word = QStringLiteral("AND");
            else if (word == QLatin1String("u"))
                word = QStringLiteral("U");
            else if (word == QLatin1String("ne"))
                word = QStringLiteral("NOT");
            else
                continue;
        } else if (word == QLatin1String("nebo")) {
            word = QStringLiteral("OR");
        }
        result += word + kSpace;
    }
    // The last word is never an operator: a final "nebo" stays a word, a final "a" is dropped.
    if (CharacterCount(rest) >= 3)
        result += rest;
    return trimRight(result);
}

QString BuildQuery(const QString& text) {
    QString rest = text.trimmed().toLower();
    QString result;
    if (!rest.contains(kQuote)) {
        result = ConvertWords(rest);
    } else {
        for (qsizetype open = rest.indexOf(kQuote); open >= 0; open = rest.indexOf(kQuote)) {
            qsizetype close = rest.indexOf(kQuote, open + 1);
            if (close < 0) {
                rest += kQuote;
                close = rest.size() - 1;
            }
            const QString prefix = open > 0 ? ConvertWords(rest.left(open)) : QString();
            result += prefix + kSpace + rest.mid(open, close - open + 1);
            rest = rest.mid(close + 1);
        }
        if (!rest.isEmpty())
            result += kSpace + ConvertWords(rest);
    }
    // Only the first "u" turns the query into a proximity search; later ones stay in the text.
    const qsizetype near = result.indexOf(QLatin1String(" U "));
    if (near >= 0) {
        result.remove(near, 2);
        result = kQuote + result + QStringLiteral("\"~8");
    }
    return result;
}

void SplitWords(QStringList& words, const QString& run) {
    QString rest = run.trimmed();
    for (qsizetype space = rest.indexOf(kSpace); space >= 0; space = rest.indexOf(kSpace)) {
        QString word = rest.left(space);
        rest.remove(0, space + 1);
        word.remove(QLatin1Char('*'));
        if (CharacterCount(word) >= 3)
            words << word;
    }
    if (!rest.isEmpty())
        words << rest.remove(QLatin1Char('*'));
}

void SplitHighlightWords(QStringList& words, const QString& text) {
    words.clear();
    QString rest = text.toLower();
    // Nothing after the negation is marked.
    const qsizetype negation = rest.indexOf(QLatin1String(" ne "));
    if (negation >= 0)
        rest.truncate(negation);
    collapseAll(rest, QStringLiteral(" nebo "), 5);
    collapseAll(rest, QStringLiteral(" or "), 3);
    collapseAll(rest, QStringLiteral(" a "), 2);
    collapseAll(rest, QStringLiteral(" and "), 4);
    collapseAll(rest, QStringLiteral(" u "), 2);
    rest = rest.toLower();
    if (!rest.contains(kQuote)) {
        SplitWords(words, rest);
        return;
    }
    for (qsizetype open = rest.indexOf(kQuote); open >= 0; open = rest.indexOf(kQuote)) {
        if (open > 0) {
            SplitWords(words, rest.left(open));
            rest.remove(0, open);
        }
        const qsizetype close = rest.indexOf(kQuote, 1);
        if (close < 0) {
            SplitWords(words, rest.mid(1));
            return;
        }
        words << trimChars(rest.left(close + 1), QStringLiteral(" \""));
        rest = rest.mid(close + 1).trimmed();
    }
    if (!rest.isEmpty())
        SplitWords(words, rest);
}
