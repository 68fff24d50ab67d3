#include "search/FulltextQuery.h"

#include "search/ComposedText.h"
#include "search/CzechTokenizer.h"

#include <QRegularExpression>
#include <optional>
#include <vector>

namespace {
// The FTS5 NEAR distance is kept within reason; larger values mean the same for any section.
constexpr int kMaxNearDistance = 100000;

bool isTokenChar(char32_t c) {
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Other_PrivateUse;
}

enum class Kind { Term, And, Or, Not, Near };

struct Item {
    Kind kind;
    QString text; // an FTS5 phrase for a term
};

// A token as the lemmas it stands for: "=a=b"; the form itself when no lemma is known.
QString lemmaAlternatives(const QString& token, const LemmaResolver& lemmas) {
    const QStringList alternatives = lemmas(token.toLower());
    if (alternatives.isEmpty())
        return token;
    QString result;
    for (const QString& lemma : alternatives)
        result += QLatin1Char(kLemmaMark) + lemma;
    return result;
}

// A word or phrase as an FTS5 phrase: its tokens quoted, with the prefix star when it ends with
// one. Empty when the word holds no token characters.
QString ftsPhrase(const QString& words, const LemmaResolver* lemmas = nullptr) {
    QString stem = words;
    while (stem.endsWith(QLatin1Char('*')))
        stem.chop(1);
    QStringList tokens = fulltextTokens(stem);
    if (tokens.isEmpty())
        return QString();
    const bool prefix = stem.size() < words.size();
    if (lemmas && *lemmas && !prefix) {
        for (QString& token : tokens)
            token = lemmaAlternatives(token, *lemmas);
    }
    QString phrase = QLatin1Char('"') + tokens.join(QLatin1Char(' ')) + QLatin1Char('"');
    // A prefix needs the star right after a token, not after punctuation.
    if (prefix && isTokenChar(stem.toUcs4().constLast()))
        phrase += QLatin1Char('*');
    return phrase;
}

std::vector<Item> lexQuery(const QString& query, const LemmaResolver* lemmas) {
    std::vector<Item> items;
    qsizetype i = 0;
    const qsizetype n = query.size();
    while (i < n) {
        const QChar c = query.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('"')) {
            qsizetype close = query.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                close = n;
            qsizetype end = close + 1;
            // A prefix star right after the closing quote applies to the phrase's last word.
            QString body = query.mid(i + 1, close - i - 1);
            if (end < n && query.at(end) == QLatin1Char('*')) {
                body += QLatin1Char('*');
                ++end;
            }
            if (const QString phrase = ftsPhrase(body); !phrase.isEmpty())
                items.push_back({Kind::Term, phrase});
            i = end;
            continue;
        }
        qsizetype end = i;
        while (end < n && !query.at(end).isSpace() && query.at(end) != QLatin1Char('"'))
            ++end;
        const QString word = query.mid(i, end - i);
        i = end;
        if (word == QLatin1String("AND"))
            items.push_back({Kind::And, {}});
        else if (word == QLatin1String("OR"))
            items.push_back({Kind::Or, {}});
        else if (word == QLatin1String("NOT"))
            items.push_back({Kind::Not, {}});
        else if (word == QLatin1String("U"))
            items.push_back({Kind::Near, {}});
        else if (const QString phrase = ftsPhrase(word, lemmas); !phrase.isEmpty())
            items.push_back({Kind::Term, phrase});
    }
    return items;
}

QString joinGroup(const QStringList& parts, const char* op) {
    if (parts.size() == 1)
        return parts.first();
    return QLatin1Char('(') + parts.join(QLatin1Char(' ') + QLatin1String(op) + QLatin1Char(' ')) +
           QLatin1Char(')');
}

// Terms joined by AND (implicit or written) form a group; NOT excludes the term after it from its
// group; OR separates groups. A group without a positive term is dropped, so a query cannot
// consist of a bare negation, which FTS5 would refuse.
QString booleanExpression(const std::vector<Item>& items) {
    QStringList groups;
    QStringList positives;
    QStringList negatives;
    bool negateNext = false;
    const auto closeGroup = [&] {
        if (!positives.isEmpty()) {
            QString group = joinGroup(positives, "AND");
            if (!negatives.isEmpty())
                group = QLatin1Char('(') + group + QStringLiteral(" NOT ") +
                        joinGroup(negatives, "OR") + QLatin1Char(')');
            groups << group;
        }
        positives.clear();
        negatives.clear();
        negateNext = false;
    };
    for (const Item& item : items) {
        switch (item.kind) {
        case Kind::Term:
            (negateNext ? negatives : positives) << item.text;
            negateNext = false;
            break;
        case Kind::Not:
            negateNext = true;
            break;
        case Kind::Or:
            closeGroup();
            break;
        case Kind::And:
        case Kind::Near:
            break;
        }
    }
    closeGroup();
    return groups.isEmpty() ? QString() : joinGroup(groups, "OR");
}

// The words of a proximity query, every quote inside dropped; the words after a NOT are excluded.
QString nearExpression(const QString& inner, int distance, const LemmaResolver* lemmas) {
    QString text = inner;
    text.remove(QLatin1Char('"'));
    QStringList near;
    QStringList negatives;
    bool negate = false;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String("NOT")) {
            negate = true;
            continue;
        }
        if (word == QLatin1String("AND") || word == QLatin1String("OR") ||
            word == QLatin1String("U"))
            continue;
        QString phrase = ftsPhrase(word, lemmas);
        if (phrase.isEmpty())
            continue;
        // Within NEAR each token counts as its own phrase, so "1/2" stays two words.
        if (!phrase.endsWith(QLatin1Char('*')))
            phrase.replace(QLatin1Char(' '), QLatin1String("\" \""));
        (negate ? negatives : near) << phrase;
    }
    if (near.isEmpty())
        return QString();
    QString expression =
        near.size() == 1
            ? near.first()
            : QStringLiteral("NEAR(%1, %2)").arg(near.join(QLatin1Char(' '))).arg(distance);
    if (!negatives.isEmpty())
        expression = QLatin1Char('(') + expression + QStringLiteral(" NOT ") +
                     joinGroup(negatives, "OR") + QLatin1Char(')');
    return expression;
}
} // namespace

QStringList fulltextTokens(const QString& text) {
    const QList<uint> points = composed(text).toUcs4();
    QStringList tokens;
    QString token;
    for (const uint point : points) {
        if (isTokenChar(point)) {
            token += QString::fromUcs4(reinterpret_cast<const char32_t*>(&point), 1);
        } else if (!token.isEmpty()) {
            tokens << token;
            token.clear();
        }
    }
    if (!token.isEmpty())
        tokens << token;
    return tokens;
}

qsizetype fulltextTermCount(const QString& query) {
    qsizetype count = 0;
    const QList<uint> points = query.toUcs4();
    for (qsizetype i = 0; i < points.size();) {
        if (!isTokenChar(points[i])) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        while (i < points.size() && isTokenChar(points[i]))
            ++i;
        // The operators are the only upper-case words of a built query.
        const QString token =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(&points[begin]), i - begin);
        const bool distance = begin > 0 && points[begin - 1] == '~';
        if (!distance && token != QLatin1String("AND") && token != QLatin1String("OR") &&
            token != QLatin1String("NOT") && token != QLatin1String("U"))
            ++count;
    }
    return count;
}

QString toFts5Expression(const QString& query) {
    return toFts5Expression(query, LemmaResolver());
}

QString toFts5Expression(const QString& query, const LemmaResolver& lemmas) {
    static const QRegularExpression proximity(QStringLiteral("^\\s*\"(.*)\"~(\\d{1,9})\\s*$"),
                                              QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = proximity.match(query); match.hasMatch())
        return nearExpression(match.captured(1),
                              std::min(match.captured(2).toInt(), kMaxNearDistance), &lemmas);
    return booleanExpression(lexQuery(query, &lemmas));
}
