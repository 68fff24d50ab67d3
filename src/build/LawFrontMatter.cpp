#include "build/LawFrontMatter.h"

namespace {
bool isKeyChar(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_') ||
           c == QLatin1Char('-');
}

// A scalar without its quotes; a single-quoted one doubles its quotes, a double-quoted one knows
// the backslash escapes of quote and backslash.
QString scalar(const QString& text, int line) {
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 2 ||
        (trimmed.front() != QLatin1Char('"') && trimmed.front() != QLatin1Char('\'')))
        return trimmed;
    const QChar quote = trimmed.front();
    if (trimmed.back() != quote)
        throw LawParseError{line, QStringLiteral("the quoted value is not closed")};
    const QString inner = trimmed.mid(1, trimmed.size() - 2);
    if (quote == QLatin1Char('\''))
        return QString(inner).replace(QStringLiteral("''"), QStringLiteral("'"));
    QString out;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == QLatin1Char('\\') && i + 1 < inner.size()) {
            ++i;
            out += inner[i] == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : inner[i];
        } else {
            out += inner[i];
        }
    }
    return out;
}
} // namespace

LawFrontMatter parseLawFrontMatter(const QStringList& lines) {
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String("---"))
        throw LawParseError{1, QStringLiteral("no front matter: the file must begin with '---'")};
    LawFrontMatter matter;
    QString listKey;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        const QString& line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed == QLatin1String("---")) {
            matter.endLine = lineNo;
            return matter;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1String("- ")) || trimmed == QLatin1String("-")) {
            if (listKey.isEmpty())
                throw LawParseError{lineNo, QStringLiteral("a list item without its key")};
            matter.lists[listKey] << scalar(trimmed.mid(1), lineNo);
            continue;
        }
        if (line.front().isSpace())
            throw LawParseError{lineNo, QStringLiteral("unexpected indentation")};
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            throw LawParseError{lineNo, QStringLiteral("expected 'key: value'")};
        const QString key = line.left(colon);
        for (const QChar c : key) {
            if (!isKeyChar(c))
                throw LawParseError{lineNo, QStringLiteral("expected 'key: value'")};
        }
        if (matter.keyLines.contains(key))
            throw LawParseError{lineNo, QStringLiteral("the key '%1' is given twice").arg(key)};
        matter.keyLines[key] = lineNo;
        const QString value = scalar(line.mid(colon + 1), lineNo);
        if (value.isEmpty()) {
            listKey = key;
            matter.lists[key];
        } else {
            listKey.clear();
            matter.values[key] = value;
        }
    }
    throw LawParseError{1, QStringLiteral("the front matter is not closed by '---'")};
}
