#include "db/JetDialect.h"

#include <QList>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
enum class TokenKind { Space, Word, Number, Text, Quoted, Bracket, Punct };

struct Token {
    TokenKind kind;
    QStringView text;
};

bool isWordStart(QChar ch) {
    return ch.isLetter() || ch == QLatin1Char('_');
}

bool isWordPart(QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch == QLatin1Char('$');
}

// Splits a Jet SQL text into tokens; a literal or bracket left open runs to the end of the text
// (SQLite then reports the error when the statement is prepared).
QList<Token> tokenize(QStringView sql) {
    QList<Token> tokens;
    const qsizetype length = sql.size();
    qsizetype i = 0;
    while (i < length) {
        const qsizetype start = i;
        const QChar ch = sql[i];
        TokenKind kind = TokenKind::Punct;
        if (ch.isSpace()) {
            kind = TokenKind::Space;
            while (i < length && sql[i].isSpace())
                ++i;
        } else if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            kind = ch == QLatin1Char('\'') ? TokenKind::Text : TokenKind::Quoted;
            ++i;
            while (i < length) {
                if (sql[i] == ch) {
                    if (i + 1 < length && sql[i + 1] == ch) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
        } else if (ch == QLatin1Char('[')) {
            kind = TokenKind::Bracket;
            while (i < length && sql[i] != QLatin1Char(']'))
                ++i;
            if (i < length)
                ++i;
        } else if (isWordStart(ch)) {
            kind = TokenKind::Word;
            while (i < length && isWordPart(sql[i]))
                ++i;
        } else if (ch.isDigit()) {
            kind = TokenKind::Number;
            while (i < length && (sql[i].isLetterOrNumber() || sql[i] == QLatin1Char('.')))
                ++i;
        } else {
            ++i;
        }
        tokens.append({kind, sql.mid(start, i - start)});
    }
    return tokens;
}

bool isWord(const Token& token, QLatin1StringView word) {
    return token.kind == TokenKind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isPunct(const Token& token, char ch) {
    return token.kind == TokenKind::Punct && token.text.size() == 1 &&
           token.text[0] == QLatin1Char(ch);
}

// Index of the next token after `i` that is not white space, or tokens.size().
qsizetype nextSolid(const QList<Token>& tokens, qsizetype i) {
    ++i;
    while (i < tokens.size() && tokens[i].kind == TokenKind::Space)
        ++i;
    return i;
}

// Index of the last token before `i` that is not white space, or -1.
qsizetype previousSolid(const QList<Token>& tokens, qsizetype i) {
    --i;
    while (i >= 0 && tokens[i].kind == TokenKind::Space)
        --i;
    return i;
}

// A whole number as SQL and JSON both read it: digits without a leading zero, in 64 bits.
bool isPlainInteger(QStringView text) {
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text[0] == QLatin1Char('0')))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Lists shorter than this stay as they are.
constexpr qsizetype kLongNumberList = 256;

// For "IN (" at `open`: the index of the ')' that closes a long list of whole numbers, or -1.
// SQLite compiles an IN list into one instruction per value, so that the list of a search's
// hits (a hundred thousand sections) costs more to prepare than to run.
qsizetype longNumberListEnd(const QList<Token>& tokens, qsizetype open) {
    const qsizetype before = previousSolid(tokens, open);
    if (before < 0 || !isWord(tokens[before], QLatin1StringView("IN")))
        return -1;
    qsizetype count = 0;
    for (qsizetype i = nextSolid(tokens, open); i < tokens.size(); i = nextSolid(tokens, i)) {
        if (tokens[i].kind != TokenKind::Number || !isPlainInteger(tokens[i].text))
            return -1;
        ++count;
        i = nextSolid(tokens, i);
        if (i >= tokens.size())
            return -1;
        if (isPunct(tokens[i], ')'))
            return count >= kLongNumberList ? i : -1;
        if (!isPunct(tokens[i], ','))
            return -1;
    }
    return -1;
}

// The inner text of a quoted token, with its doubled quote characters made single.
QString unquote(QStringView text, QChar quote) {
    QStringView inner = text.mid(1);
    if (inner.endsWith(quote))
        inner.chop(1);
    QString result = inner.toString();
    result.replace(QString(2, quote), QString(quote));
    return result;
}

struct TopLevelClauses {
    qsizetype whereEnd = -1; // character offset just after WHERE
    bool compoundOrOrdered = false;
};

TopLevelClauses findTopLevelClauses(QStringView sql) {
    TopLevelClauses clauses;
    const QList<Token> tokens = tokenize(sql);
    int depth = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (isPunct(token, '('))
            ++depth;
        else if (isPunct(token, ')'))
            --depth;
        else if (depth == 0 && token.kind == TokenKind::Word) {
            if (isWord(token, QLatin1StringView("WHERE")) && clauses.whereEnd < 0)
                clauses.whereEnd = token.text.data() - sql.data() + token.text.size();
            else if (isWord(token, QLatin1StringView("UNION")) ||
                     isWord(token, QLatin1StringView("ORDER")) ||
                     isWord(token, QLatin1StringView("GROUP")) ||
                     isWord(token, QLatin1StringView("HAVING")) ||
                     isWord(token, QLatin1StringView("LIMIT")))
                clauses.compoundOrOrdered = true;
        }
    }
    return clauses;
}

// The name a Word or Bracket token stands for; empty for other tokens.
QStringView nameOf(const Token& token) {
    if (token.kind == TokenKind::Word)
        return token.text;
    if (token.kind != TokenKind::Bracket)
        return {};
    QStringView name = token.text.mid(1);
    return name.endsWith(QLatin1Char(']')) ? name.chopped(1) : name;
}

bool sameName(QStringView a, QStringView b) {
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The indexes of the tokens that are not white space.
QList<qsizetype> solidTokens(const QList<Token>& tokens) {
    QList<qsizetype> solid;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Space)
            solid.append(i);
    }
    return solid;
}

// Whether the solid tokens from `at` on are "a.b = c.d" with {a, c} = {t, u}.
bool isJoinEquality(const QList<Token>& tokens, const QList<qsizetype>& solid, qsizetype at,
                    QStringView t, QStringView u) {
    if (at + 7 > solid.size())
        return false;
    const auto tok = [&](qsizetype k) -> const Token& { return tokens[solid[at + k]]; };
    if (!isPunct(tok(1), '.') || !isPunct(tok(3), '=') || !isPunct(tok(5), '.') ||
        nameOf(tok(2)).isEmpty() || nameOf(tok(6)).isEmpty())
        return false;
    const QStringView left = nameOf(tok(0));
    const QStringView right = nameOf(tok(4));
    return (sameName(left, t) && sameName(right, u)) || (sameName(left, u) && sameName(right, t));
}

// Whether every use of table `u` among the solid tokens from `from` on is inside a parenthesised
// subquery that names `u` in its own FROM or JOIN, so that none refers to the outer `u`.
bool onlyInnerUses(const QList<Token>& tokens, const QList<qsizetype>& solid, qsizetype from,
                   QStringView u) {
    // For each open parenthesis: whether its own level names u after FROM or JOIN, and how
    // often it reads u.
    struct Group {
        bool ownsU = false;
        int uses = 0;
    };
    std::vector<Group> groups;
    for (qsizetype k = from; k < solid.size(); ++k) {
        const Token& token = tokens[solid[k]];
        if (isPunct(token, '(')) {
            groups.push_back({});
            continue;
        }
        if (isPunct(token, ')')) {
            if (groups.empty() || (groups.back().uses > 0 && !groups.back().ownsU))
                return false;
            groups.pop_back();
            continue;
        }
        if (!sameName(nameOf(token), u))
            continue;
        if (groups.empty())
            return false;
        const Token& before = tokens[solid[k - 1]];
        if (isWord(before, QLatin1StringView("FROM")) || isWord(before, QLatin1StringView("JOIN")))
            groups.back().ownsU = true;
        else
            ++groups.back().uses;
    }
    return groups.empty();
}

struct NoopJoin {
    QList<qsizetype> dropped; // token indexes left out
    qsizetype at = -1;        // where `replacement` goes
    QString replacement;
};

// "SELECT DISTINCTROW t.* FROM t LEFT JOIN u ON t.k = u.x ..." where nothing else reads u lists
// each row of t once, which is exactly t's rows: the duplicate removal and the join are dropped,
// which spares SQLite a temporary table of every listed row, and a condition that reads u keeps
// a missing u failing as before. The same holds for a list of t's own columns ("t.a, t.b") in
// place of "t.*". Nothing is dropped when the text has another shape.
NoopJoin noopJoin(const QList<Token>& tokens) {
    // A search's list of hits can be long: other texts are let go at their first two words.
    const qsizetype first =
        tokens.isEmpty() || tokens[0].kind != TokenKind::Space ? 0 : nextSolid(tokens, 0);
    const qsizetype second = nextSolid(tokens, first);
    if (second >= tokens.size() || !isWord(tokens[first], QLatin1StringView("SELECT")) ||
        !isWord(tokens[second], QLatin1StringView("DISTINCTROW")))
        return NoopJoin{};
    const QList<qsizetype> solid = solidTokens(tokens);
    const auto word = [&](qsizetype k, const char* text) {
        return k < solid.size() && isWord(tokens[solid[k]], QLatin1StringView(text));
    };
    const auto punct = [&](qsizetype k, char c) {
        return k < solid.size() && isPunct(tokens[solid[k]], c);
    };
    if (solid.size() < 17 || !word(0, "SELECT") || !word(1, "DISTINCTROW"))
        return NoopJoin{};
    const QStringView t = nameOf(tokens[solid[2]]);
    // The select list: "t.*", or "t.a, t.b, ..." with t the same each time.
    qsizetype k = 2;
    while (true) {
        if (k + 2 >= solid.size() || !sameName(nameOf(tokens[solid[k]]), t) || !punct(k + 1, '.'))
            return NoopJoin{};
        if (punct(k + 2, '*')) {
            k += 3;
            break;
        }
        if (nameOf(tokens[solid[k + 2]]).isEmpty())
            return NoopJoin{};
        k += 3;
        if (!punct(k, ','))
            break;
        ++k;
    }
    const qsizetype from = k;
    if (!word(from, "FROM") || from + 1 >= solid.size() ||
        !sameName(nameOf(tokens[solid[from + 1]]), t))
        return NoopJoin{};
    k = from + 2;
    if (!word(k++, "LEFT"))
        return NoopJoin{};
    if (word(k, "OUTER"))
        ++k;
    if (!word(k++, "JOIN") || k >= solid.size())
        return NoopJoin{};
    const QStringView u = nameOf(tokens[solid[k++]]);
    if (u.isEmpty() || sameName(u, t) || !word(k++, "ON") ||
        !isJoinEquality(tokens, solid, k, t, u))
        return NoopJoin{};
    const qsizetype joinEnd = k + 7; // first solid token after the join condition
    if (joinEnd < solid.size() && !word(joinEnd, "WHERE") && !word(joinEnd, "ORDER"))
        return NoopJoin{};
    if (!onlyInnerUses(tokens, solid, joinEnd, u))
        return NoopJoin{};
    NoopJoin join;
    join.dropped.append(solid[1]);
    for (qsizetype i = solid[from + 1] + 1; i <= solid[joinEnd - 1]; ++i)
        join.dropped.append(i);
    // The check is a condition that always holds, not a join: a join of its own, even of no
    // rows, would keep SQLite from reading a few rows by key and sorting them.
    const QString check =
        QStringLiteral("(SELECT NULL FROM \"%1\" LIMIT 0) IS NULL")
            .arg(u.toString().replace(QLatin1String("\""), QLatin1String("\"\"")));
    if (joinEnd >= solid.size()) {
        join.at = tokens.size();
        join.replacement = QStringLiteral(" WHERE ") + check;
    } else if (word(joinEnd, "WHERE")) {
        join.at = solid[joinEnd] + 1;
        join.replacement = QLatin1Char(' ') + check + QStringLiteral(" AND");
    } else {
        join.at = solid[joinEnd];
        join.replacement = QStringLiteral("WHERE ") + check + QLatin1Char(' ');
    }
    return join;
}
// Whether the statement joins tables at its top level (a join that was dropped aside).
bool joinsTables(const QList<Token>& tokens, const NoopJoin& join) {
    int depth = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (isPunct(tokens[i], '('))
            ++depth;
        else if (isPunct(tokens[i], ')'))
            --depth;
        else if (depth == 0 && isWord(tokens[i], QLatin1StringView("JOIN")) &&
                 !join.dropped.contains(i))
            return true;
    }
    return false;
}

// The stored key column that `left(dokument.jmeno, 255)` or `left(dokument.norma, 255)` starting
// at `i` (the word LEFT) sorts by, with the index of its closing parenthesis; empty for any other
// term.
std::pair<QLatin1String, qsizetype> storedKeyTerm(const QList<Token>& tokens, qsizetype i) {
    const auto at = [&tokens](qsizetype k) { return k < tokens.size() ? &tokens[k] : nullptr; };
    qsizetype k = nextSolid(tokens, i);
    const Token* open = at(k);
    const Token* table = at(k = nextSolid(tokens, k));
    const Token* dot = at(k = nextSolid(tokens, k));
    const Token* column = at(k = nextSolid(tokens, k));
    const Token* comma = at(k = nextSolid(tokens, k));
    const Token* length = at(k = nextSolid(tokens, k));
    const Token* close = at(k = nextSolid(tokens, k));
    if (!open || !table || !dot || !column || !comma || !length || !close || !isPunct(*open, '(') ||
        !isWord(*table, QLatin1StringView("dokument")) || !isPunct(*dot, '.') ||
        !isPunct(*comma, ',') || length->text != QLatin1String("255") || !isPunct(*close, ')'))
        return {QLatin1String(), -1};
    if (isWord(*column, QLatin1StringView("jmeno")))
        return {QLatin1String("dokument.jmenoKlic"), k};
    if (isWord(*column, QLatin1StringView("norma")))
        return {QLatin1String("dokument.normaKlic"), k};
    return {QLatin1String(), -1};
}
} // namespace

QString jetToSqlite(const QString& jetSql, SortKeys keys) {
    const QList<Token> tokens = tokenize(jetSql);
    const NoopJoin join = noopJoin(tokens);
    // The sort keys are stored (as key columns or as indexes on jet_sortkey). A sort of joined
    // rows reads them in a way no index serves: walking the whole key index against the joined
    // table (which SQLite prefers to save the sort) is slower than sorting the rows the join
    // yields.
    const bool joined = joinsTables(tokens, join);
    const QLatin1String sortKey(joined ? "jet_joinsortkey" : "jet_sortkey");
    QString out;
    out.reserve(jetSql.size() + 64);
    int depth = 0;
    int orderByDepth = -1;
    // Parenthesis depths whose closing parenthesis gets " COLLATE CS" after it.
    QList<int> collateAt;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (i == join.at)
            out += join.replacement;
        if (join.dropped.contains(i))
            continue;
        const Token& token = tokens[i];
        switch (token.kind) {
        case TokenKind::Bracket: {
            QStringView name = token.text.mid(1);
            if (name.endsWith(QLatin1Char(']')))
                name.chop(1);
            out += QLatin1Char('"');
            out += name.toString().replace(QLatin1String("\""), QLatin1String("\"\""));
            out += QLatin1Char('"');
            break;
        }
        case TokenKind::Quoted:
            out += QLatin1Char('\'');
            out += unquote(token.text, QLatin1Char('"'))
                       .replace(QLatin1String("'"), QLatin1String("''"));
            out += QLatin1Char('\'');
            break;
        case TokenKind::Word: {
            const qsizetype next = nextSolid(tokens, i);
            if (isWord(token, QLatin1StringView("DISTINCTROW"))) {
                out += QLatin1String("DISTINCT");
            } else if (isWord(token, QLatin1StringView("ORDER")) && next < tokens.size() &&
                       isWord(tokens[next], QLatin1StringView("BY"))) {
                out += token.text;
                orderByDepth = depth;
            } else if (isWord(token, QLatin1StringView("LEFT")) && next < tokens.size() &&
                       isPunct(tokens[next], '(')) {
                const auto [stored, end] = keys == SortKeys::Columns && orderByDepth == depth
                                               ? storedKeyTerm(tokens, i)
                                               : std::pair(QLatin1String(), qsizetype(-1));
                if (end >= 0) {
                    if (joined)
                        out += QLatin1Char('+');
                    out += stored;
                    i = end;
                } else if (orderByDepth == depth) {
                    out += sortKey;
                } else {
                    out += QLatin1String("jet_left");
                    collateAt.append(depth + 1);
                }
            } else {
                if (orderByDepth == depth && (isWord(token, QLatin1StringView("LIMIT")) ||
                                              isWord(token, QLatin1StringView("UNION"))))
                    orderByDepth = -1;
                out += token.text;
            }
            break;
        }
        case TokenKind::Punct:
            if (isPunct(token, '(')) {
                // The same values as one JSON array, which SQLite reads as a table.
                if (const qsizetype end = longNumberListEnd(tokens, i); end > 0) {
                    out += QLatin1String("(SELECT value FROM json_each('[");
                    for (qsizetype k = i + 1; k < end; ++k)
                        if (tokens[k].kind != TokenKind::Space)
                            out += tokens[k].text;
                    out += QLatin1String("]'))");
                    i = end;
                    break;
                }
                ++depth;
            } else if (isPunct(token, ')')) {
                out += token.text;
                if (!collateAt.isEmpty() && collateAt.last() == depth) {
                    collateAt.removeLast();
                    out += QLatin1String(" COLLATE CS");
                }
                if (orderByDepth == depth)
                    orderByDepth = -1;
                --depth;
                break;
            }
            out += token.text;
            break;
        default:
            out += token.text;
        }
    }
    if (join.at == tokens.size())
        out += join.replacement;
    return out;
}

QString buildRecordsetSql(const QString& defaultSql, const QString& filter, const QString& sort,
                          SortKeys keys) {
    QString sql = defaultSql.trimmed();
    const QList<Token> tokens = tokenize(sql);
    if (tokens.size() == 1 &&
        (tokens[0].kind == TokenKind::Bracket || tokens[0].kind == TokenKind::Word))
        sql = QStringLiteral("SELECT * FROM ") + sql;

    const QString condition = filter.trimmed();
    const QString order = sort.trimmed();
    if (!condition.isEmpty() || !order.isEmpty()) {
        const TopLevelClauses clauses = findTopLevelClauses(sql);
        if (clauses.compoundOrOrdered) {
            sql = QStringLiteral("SELECT * FROM (") + sql + QLatin1Char(')');
            if (!condition.isEmpty())
                sql += QStringLiteral(" WHERE ") + condition;
        } else if (!condition.isEmpty() && clauses.whereEnd >= 0) {
            sql = sql.left(clauses.whereEnd) + QStringLiteral(" (") +
                  sql.mid(clauses.whereEnd).trimmed() + QStringLiteral(") AND (") + condition +
                  QLatin1Char(')');
        } else if (!condition.isEmpty()) {
            sql += QStringLiteral(" WHERE ") + condition;
        }
        if (!order.isEmpty())
            sql += QStringLiteral(" ORDER BY ") + order;
    }
    return jetToSqlite(sql, keys);
}
