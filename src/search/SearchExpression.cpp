#include "search/SearchExpression.h"

#include <utility>

// Every step walks the text once: a query or a marked text of a megabyte is parsed in
// milliseconds, never by cutting words off the front of a copy.

qsizetype CharacterCount(QStringView text) {
    qsizetype count = text.size();
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            --count;
    }
    return count;
}

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
QString trimChars(QStringView text, QLatin1StringView set) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && set.contains(text.at(begin)))
        ++begin;
    while (end > begin && set.contains(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin).toString();
}

// Removes the first `count` characters of every occurrence of `pattern`, and of every occurrence
// that a removal makes, as removing the first occurrence again and again would. The kept text is
// a stack: whenever its end completes the pattern, the pattern is cut there. Each pattern begins
// and ends with the space that stays, so a cut never completes another occurrence behind it.
void collapseAll(QString& text, QLatin1StringView pattern, qsizetype count) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : std::as_const(text)) {
        kept += c;
        if (kept.endsWith(pattern))
            kept.remove(kept.size() - pattern.size(), count);
    }
    text = kept;
}

QString convertWords(QStringView run) {
    const QStringView rest = run.trimmed();
    QString result;
    qsizetype begin = 0;
    for (qsizetype space = rest.indexOf(kSpace); space >= 0; space = rest.indexOf(kSpace, begin)) {
        const QStringView word = rest.sliced(begin, space - begin).trimmed();
        begin = space + 1;
        QStringView converted = word;
        if (CharacterCount(word) < 3) {
            if (word == QLatin1String("a"))
                converted = u"AND";
            else if (word == QLatin1String("u"))
                converted = u"U";
            else if (word == QLatin1String("ne"))
                converted = u"NOT";
            else
                continue;
        } else if (word == QLatin1String("nebo")) {
            converted = u"OR";
        }
        result += converted;
        result += kSpace;
    }
    // The last word is never an operator: a final "nebo" stays a word, a final "a" is dropped.
    if (const QStringView last = rest.sliced(begin); CharacterCount(last) >= 3)
        result += last;
    return trimRight(result);
}

void splitWords(QStringList& words, QStringView run) {
    const QStringView rest = run.trimmed();
    qsizetype begin = 0;
    for (qsizetype space = rest.indexOf(kSpace); space >= 0; space = rest.indexOf(kSpace, begin)) {
        QString word = rest.sliced(begin, space - begin).toString();
        begin = space + 1;
        word.remove(QLatin1Char('*'));
        if (CharacterCount(word) >= 3)
            words << word;
    }
    if (begin < rest.size())
        words << rest.sliced(begin).toString().remove(QLatin1Char('*'));
}
} // namespace

QString ConvertWords(const QString& run) {
    return convertWords(run);
}

QString BuildQuery(const QString& text) {
    const QString lower = text.trimmed().toLower();
    const QStringView rest(lower);
    QString result;
    if (!rest.contains(kQuote)) {
        result = convertWords(rest);
    } else {
        qsizetype begin = 0; // the text not yet converted
        for (qsizetype open = rest.indexOf(kQuote); open >= 0; open = rest.indexOf(kQuote, begin)) {
            if (open > begin)
                result += convertWords(rest.sliced(begin, open - begin));
            result += kSpace;
            const qsizetype close = rest.indexOf(kQuote, open + 1);
            if (close < 0) {
                // An unmatched quote is closed at the end of the text.
                result += rest.sliced(open);
                result += kQuote;
                begin = rest.size();
                break;
            }
            result += rest.sliced(open, close - open + 1);
            begin = close + 1;
        }
        if (begin < rest.size()) {
            result += kSpace;
            result += convertWords(rest.sliced(begin));
        }
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
    splitWords(words, run);
}

void SplitHighlightWords(QStringList& words, const QString& text) {
    words.clear();
    QString lower = text.toLower();
    // Nothing after the negation is marked.
    const qsizetype negation = lower.indexOf(QLatin1String(" ne "));
    if (negation >= 0)
        lower.truncate(negation);
    collapseAll(lower, QLatin1StringView(" nebo "), 5);
    collapseAll(lower, QLatin1StringView(" or "), 3);
    collapseAll(lower, QLatin1StringView(" a "), 2);
    collapseAll(lower, QLatin1StringView(" and "), 4);
    collapseAll(lower, QLatin1StringView(" u "), 2);
    lower = lower.toLower();
    const QStringView rest(lower);
    if (!rest.contains(kQuote)) {
        splitWords(words, rest);
        return;
    }
    // The text still to split is [begin, end); after the first phrase it is trimmed at both ends
    // (only white space lies beyond `end`, so a quote found is always inside).
    qsizetype begin = 0;
    qsizetype end = rest.size();
    for (qsizetype open = rest.indexOf(kQuote); open >= 0; open = rest.indexOf(kQuote, begin)) {
        if (open > begin) {
            splitWords(words, rest.sliced(begin, open - begin));
            begin = open;
        }
        const qsizetype close = rest.indexOf(kQuote, begin + 1);
        if (close < 0) {
            splitWords(words, rest.sliced(begin + 1, end - begin - 1));
            return;
        }
        words << trimChars(rest.sliced(begin, close + 1 - begin), QLatin1StringView(" \""));
        begin = close + 1;
        while (begin < end && rest.at(begin).isSpace())
            ++begin;
        while (end > begin && rest.at(end - 1).isSpace())
            --end;
    }
    if (begin < end)
        splitWords(words, rest.sliced(begin, end - begin));
}
