#include "build/MarkdownHtml.h"

#include <QRegularExpression>

namespace {
bool isAsciiPunct(QChar c) {
    return c.unicode() < 128 && c.isPrint() && !c.isLetterOrNumber() && c != QLatin1Char(' ');
}

// An entity reference ("&lt;", "&#38;", "&#x26;") starting at `at`: its length, else 0.
qsizetype entityLength(const QString& text, qsizetype at, qsizetype to) {
    qsizetype i = at + 1;
    const bool numeric = i < to && text[i] == QLatin1Char('#');
    const bool hex = numeric && i + 1 < to &&
                     (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'));
    i += numeric ? (hex ? 2 : 1) : 0;
    const qsizetype start = i;
    while (i < to && i - start < 32) {
        const QChar c = text[i];
        const bool ok = hex       ? (c.isDigit() ||
                               (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
                        : numeric ? c.isDigit()
                                  : (c.unicode() < 128 && c.isLetterOrNumber());
        if (!ok)
            break;
        ++i;
    }
    if (i == start || i >= to || text[i] != QLatin1Char(';'))
        return 0;
    return i + 1 - at;
}

void appendEscaped(QString& out, QChar c) {
    switch (c.unicode()) {
    case '<':
        out += QLatin1String("&lt;");
        break;
    case '>':
        out += QLatin1String("&gt;");
        break;
    case '&':
        out += QLatin1String("&amp;");
        break;
    case '"':
        out += QLatin1String("&quot;");
        break;
    default:
        out += c;
    }
}

// The end of the run of `count` asterisks closing one that opens at `from`, or -1.
qsizetype closingStars(const QString& text, qsizetype from, qsizetype to, int count) {
    const QString stars(count, QLatin1Char('*'));
    qsizetype at = from;
    while (true) {
        at = text.indexOf(stars, at);
        if (at < 0 || at + count > to)
            return -1;
        // A single star must not be half of a double one.
        if (count == 1 && at + 1 < to && text[at + 1] == QLatin1Char('*')) {
            at += 2;
            continue;
        }
        if (at > from)
            return at;
        at += count;
    }
}

enum class ItemKind { Letter, Number, Other };

// "- a) …", "- 1. …" or another list item: its kind and the text after the marker.
ItemKind listItem(const QString& line, QString& text) {
    static const QRegularExpression letter(QStringLiteral("^[a-zA-Z]{1,3}\\)\\s"));
    static const QRegularExpression number(QStringLiteral("^\\d{1,3}[a-z]?\\.\\s"));
    text = line.mid(2).trimmed();
    if (letter.match(text).hasMatch())
        return ItemKind::Letter;
    if (number.match(text).hasMatch())
        return ItemKind::Number;
    return ItemKind::Other;
}

bool isListLine(const QString& line) {
    return line.size() > 2 &&
           (line[0] == QLatin1Char('-') || line[0] == QLatin1Char('*') ||
            line[0] == QLatin1Char('+')) &&
           line[1] == QLatin1Char(' ') && !MarkdownHtml::boldLineText(line).size() &&
           !MarkdownHtml::italicLineText(line).size();
}

QStringList tableCells(QString row) {
    row = row.trimmed();
    if (row.startsWith(QLatin1Char('|')))
        row.remove(0, 1);
    if (row.endsWith(QLatin1Char('|')) && !row.endsWith(QLatin1String("\\|")))
        row.chop(1);
    QStringList cells;
    QString cell;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i] == QLatin1Char('\\') && i + 1 < row.size() && row[i + 1] == QLatin1Char('|')) {
            cell += QLatin1Char('|');
            ++i;
        } else if (row[i] == QLatin1Char('|')) {
            cells << cell.trimmed();
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    cells << cell.trimmed();
    return cells;
}

bool isDelimiterRow(const QString& row) {
    static const QRegularExpression delimiter(
        QStringLiteral("^\\|?\\s*:?-+:?\\s*(\\|\\s*:?-+:?\\s*)*\\|?$"));
    return delimiter.match(row.trimmed()).hasMatch();
}
} // namespace

QString footnoteAnchor(const QString& id) {
    return QStringLiteral("pozn") + id;
}

QString MarkdownHtml::boldLineText(const QString& line) {
    static const QRegularExpression bold(QStringLiteral("^\\*{2,}([^*].*?)\\*{2,}$"));
    const QRegularExpressionMatch match = bold.match(line.trimmed());
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

QString MarkdownHtml::italicLineText(const QString& line) {
    static const QRegularExpression italic(QStringLiteral("^\\*([^*]+)\\*$"));
    const QRegularExpressionMatch match = italic.match(line.trimmed());
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

qsizetype MarkdownHtml::footnoteMark(const QString& text, qsizetype at, qsizetype to,
                                     QString& id) const {
    if (m_footnotes.isEmpty() || at == 0)
        return 0;
    const QChar before = text[at - 1];
    if (!before.isLetter() && before != QLatin1Char(',') && before != QLatin1Char('.') &&
        before != QLatin1Char(';'))
        return 0;
    qsizetype i = at;
    while (i < to && i - at < 3 && text[i].isDigit())
        ++i;
    const qsizetype digitsEnd = i;
    while (i < to && i - digitsEnd < 2 && text[i] >= QLatin1Char('a') &&
           text[i] <= QLatin1Char('z'))
        ++i;
    if (i >= to || text[i] != QLatin1Char(')'))
        return 0;
    id = text.mid(at, i - at);
    return m_footnotes.contains(id) ? i + 1 - at : 0;
}

void MarkdownHtml::appendInline(QString& out, const QString& text, qsizetype from, qsizetype to,
                                int depth) const {
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < to && isAsciiPunct(text[i + 1])) {
            appendEscaped(out, text[++i]);
        } else if (c == QLatin1Char('*') && depth < 2) {
            const int count = i + 1 < to && text[i + 1] == QLatin1Char('*') ? 2 : 1;
            const qsizetype close = closingStars(text, i + count, to, count);
            if (close < 0) {
                out += QString(count, QLatin1Char('*'));
                i += count - 1;
                continue;
            }
            const QLatin1String tag = count == 2 ? QLatin1String("b") : QLatin1String("i");
            out += QLatin1Char('<') + tag + QLatin1Char('>');
            appendInline(out, text, i + count, close, depth + 1);
            out += QLatin1String("</") + tag + QLatin1Char('>');
            i = close + count - 1;
        } else if (c == QLatin1Char('&')) {
            if (const qsizetype length = entityLength(text, i, to)) {
                out += QStringView(text).mid(i, length);
                i += length - 1;
            } else {
                out += QLatin1String("&amp;");
            }
        } else if (c.isDigit()) {
            QString id;
            if (const qsizetype length = footnoteMark(text, i, to, id)) {
                out += QStringLiteral("<a href=\"#%1\"><sup>%2)</sup></a>")
                           .arg(footnoteAnchor(id), id);
                i += length - 1;
            } else {
                out += c;
            }
        } else {
            appendEscaped(out, c);
        }
    }
}

QString MarkdownHtml::inlineHtml(const QString& text) const {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendInline(out, text, 0, text.size(), 0);
    return out;
}

QString MarkdownHtml::tableHtml(const QStringList& rows) const {
    QString out = QStringLiteral("<table>");
    const bool header = rows.size() > 1 && isDelimiterRow(rows[1]);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (header && r == 1)
            continue;
        const QLatin1String cell = header && r == 0 ? QLatin1String("th") : QLatin1String("td");
        out += QLatin1String("<tr>");
        for (const QString& text : tableCells(rows[r]))
            out += QLatin1Char('<') + cell + QLatin1Char('>') + inlineHtml(text) +
                   QLatin1String("</") + cell + QLatin1Char('>');
        out += QLatin1String("</tr>");
    }
    return out + QLatin1String("</table>\n");
}

QString MarkdownHtml::blocksHtml(const QStringList& lines) const {
    QString out;
    // Within a run of list items the kind met first is the outer level, the other the inner.
    ItemKind outer = ItemKind::Other;
    bool inList = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('|'))) {
            QStringList rows;
            while (i < lines.size() && lines[i].trimmed().startsWith(QLatin1Char('|')))
                rows << lines[i++].trimmed();
            --i;
            out += tableHtml(rows);
            inList = false;
            continue;
        }
        if (line.startsWith(QLatin1Char('>'))) {
            QStringList parts;
            for (; i < lines.size() && lines[i].trimmed().startsWith(QLatin1Char('>')); ++i) {
                static const QRegularExpression callout(QStringLiteral("^\\[!\\w+\\][+-]?\\s*"));
                QString part = lines[i].trimmed().mid(1).trimmed();
                const QRegularExpressionMatch match = callout.match(part);
                part = match.hasMatch()
                           ? QStringLiteral("<b>") + inlineHtml(part.mid(match.capturedLength())) +
                                 QStringLiteral("</b>")
                           : inlineHtml(part);
                if (!part.isEmpty())
                    parts << part;
            }
            --i;
            out += QStringLiteral("<p class=\"poznamka\">") + parts.join(QStringLiteral("<br>")) +
                   QStringLiteral("</p>\n");
            inList = false;
            continue;
        }
        if (isListLine(line)) {
            QString text;
            const ItemKind kind = listItem(line, text);
            if (!inList)
                outer = kind;
            inList = true;
            const bool inner = kind != outer;
            out += QStringLiteral("<p class=\"%1\">")
                       .arg(inner ? QLatin1String("bod2") : QLatin1String("bod1")) +
                   inlineHtml(text) + QStringLiteral("</p>\n");
            continue;
        }
        if (line.startsWith(QLatin1Char('(')))
            inList = false;
        out += QStringLiteral("<p>") + inlineHtml(line) + QStringLiteral("</p>\n");
    }
    return out;
}
