#include "build/LawSplitter.h"

#include <QRegularExpression>
#include <QSet>

namespace {
const QRegularExpression& headingPattern() {
    static const QRegularExpression heading(QStringLiteral("^(#{1,6})\\s+(.*?)\\s*#*\\s*$"));
    return heading;
}

const QRegularExpression& paragraphPattern() {
    static const QRegularExpression paragraph(QStringLiteral("^§\\s*(\\d{1,4}[a-z]{0,3})$"));
    return paragraph;
}

const QRegularExpression& annexPattern() {
    static const QRegularExpression annex(
        QStringLiteral("^Příloha(?:\\s+č\\.\\s*(\\w{1,6}))?(?:\\s+(?:k|ke)\\s.{0,100})?$"));
    return annex;
}

// The rank of a structural heading; a heading of a rank closes those of the same or lower rank.
int headingRank(const QString& text) {
    static const QList<std::pair<QString, int>> words = {{QStringLiteral("část"), 1},
                                                         {QStringLiteral("hlava"), 2},
                                                         {QStringLiteral("díl"), 3},
                                                         {QStringLiteral("oddíl"), 4},
                                                         {QStringLiteral("pododdíl"), 5}};
    const QString first = text.section(QLatin1Char(' '), 0, 0).toLower();
    for (const auto& [word, rank] : words) {
        if (first == word)
            return rank;
    }
    return 6;
}

// "ČÁST PRVNÍ" -> "cast-prvni": ASCII letters and digits joined by hyphens.
QString slug(const QString& text) {
    const QString plain = text.normalized(QString::NormalizationForm_D).toLower();
    QString out;
    for (const QChar c : plain) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            out += c;
        else if (!c.isMark() && !out.isEmpty() && !out.endsWith(QLatin1Char('-')))
            out += QLatin1Char('-');
    }
    while (out.endsWith(QLatin1Char('-')))
        out.chop(1);
    return out.left(60);
}

class Splitter {
public:
    QList<LawBlock> blocks;

    void start(LawBlock::Kind kind, QString key, const QString& heading, int line) {
        key = unique(key);
        blocks.append(LawBlock{kind, key, heading, {}, line});
    }
    void append(const QString& line) { blocks.last().lines << line; }
    void heading(const QString& text, int line) {
        const int rank = headingRank(text);
        while (!m_path.isEmpty() && m_path.last().first >= rank)
            m_path.removeLast();
        m_path.append({rank, slug(text).isEmpty() ? QStringLiteral("oddil") : slug(text)});
        QStringList parts;
        for (const auto& part : m_path)
            parts << part.second;
        start(LawBlock::Heading, parts.join(QLatin1Char('-')), text, line);
    }

private:
    QString unique(const QString& key) {
        if (key.isEmpty() && m_keys.isEmpty() && blocks.isEmpty())
            return key;
        const QString base = key.isEmpty() ? QStringLiteral("text") : key;
        QString candidate = base;
        for (int n = 2; m_keys.contains(candidate); ++n)
            candidate = QStringLiteral("%1-%2").arg(base).arg(n);
        m_keys.insert(candidate);
        return candidate;
    }

    QList<std::pair<int, QString>> m_path;
    QSet<QString> m_keys;
};
} // namespace

QString footnoteNumber(const QString& line) {
    static const QRegularExpression footnote(QStringLiteral("^(\\d{1,3}[a-z]{0,2})\\)\\s+\\S"));
    const QRegularExpressionMatch match = footnote.match(line);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString paragraphAnchor(const QString& number) {
    return QStringLiteral("par") + number;
}

QList<LawBlock> splitLaw(const QStringList& lines, int firstLine) {
    // The footnotes are the run of footnote lines that ends the text.
    qsizetype footnotesAt = lines.size();
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty())
            continue;
        if (footnoteNumber(trimmed).isEmpty())
            break;
        footnotesAt = i;
    }
    Splitter splitter;
    splitter.start(LawBlock::Header, QString(), QString(), firstLine);
    for (qsizetype i = 0; i < footnotesAt; ++i) {
        const QString& line = lines[i];
        const int lineNo = firstLine + int(i);
        const QRegularExpressionMatch heading = headingPattern().match(line);
        if (heading.hasMatch()) {
            const QString text = heading.captured(2);
            const QRegularExpressionMatch paragraph = paragraphPattern().match(text);
            if (paragraph.hasMatch())
                splitter.start(LawBlock::Paragraph, paragraphAnchor(paragraph.captured(1)), text,
                               lineNo);
            else if (heading.captured(1).size() == 1 && splitter.blocks.size() == 1)
                splitter.append(line); // the title belongs to the header
            else
                splitter.heading(text, lineNo);
            continue;
        }
        const QRegularExpressionMatch annex = annexPattern().match(line.trimmed());
        if (annex.hasMatch() && splitter.blocks.size() > 1) {
            const QString number = annex.captured(1);
            splitter.start(LawBlock::Annex, QStringLiteral("priloha") + number, line.trimmed(),
                           lineNo);
            continue;
        }
        splitter.append(line);
    }
    if (footnotesAt < lines.size()) {
        splitter.start(LawBlock::Footnotes, QStringLiteral("poznamky"), QString(),
                       firstLine + int(footnotesAt));
        for (qsizetype i = footnotesAt; i < lines.size(); ++i)
            splitter.append(lines[i]);
    }
    return splitter.blocks;
}
