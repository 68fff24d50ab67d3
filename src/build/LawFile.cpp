#include "build/LawFile.h"

#include "build/LawSplitter.h"
#include "build/MarkdownHtml.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {
[[noreturn]] void fail(const QString& file, int line, const QString& reason) {
    throw LawFileError{file, line, reason};
}

// The text of the bytes, or the line of the first byte that is not UTF-8.
QString decodeUtf8(const QByteArray& bytes, const QString& file) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    int line = 1;
    for (const QByteArray& bytesOfLine : bytes.split('\n')) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        [[maybe_unused]] const QString decoded = lineDecoder(bytesOfLine);
        if (lineDecoder.hasError())
            break;
        ++line;
    }
    fail(file, line, QStringLiteral("not UTF-8 text"));
}

QString required(const LawFrontMatter& matter, const QString& key, const QString& file) {
    const QString value = matter.value(key);
    if (value.isEmpty())
        fail(file, matter.endLine, QStringLiteral("the front matter has no '%1'").arg(key));
    return value;
}

QString headerHtml(const LawBlock& block, const LawText& law, const MarkdownHtml& markdown,
                   const QString& datum) {
    QString html;
    QStringList rest;
    bool titled = false;
    for (const QString& line : block.lines) {
        const QString trimmed = line.trimmed();
        if (!titled && trimmed.startsWith(QLatin1String("# "))) {
            html += QStringLiteral("<h1>") + markdown.inlineHtml(trimmed.mid(2).trimmed()) +
                    QStringLiteral("</h1>\n");
            if (!law.druh.isEmpty())
                html += QStringLiteral("<h2>") + markdown.inlineHtml(law.druh) +
                        QStringLiteral("</h2>\n");
            if (!datum.isEmpty())
                html +=
                    QStringLiteral("<h4>") + markdown.inlineHtml(datum) + QStringLiteral("</h4>\n");
            titled = true;
        } else if (titled && rest.isEmpty() && !MarkdownHtml::italicLineText(trimmed).isEmpty()) {
            html += QStringLiteral("<p class=\"nazev\">") +
                    markdown.inlineHtml(MarkdownHtml::italicLineText(trimmed)) +
                    QStringLiteral("</p>\n");
        } else if (!trimmed.isEmpty()) {
            rest << line;
        }
    }
    return html + markdown.blocksHtml(rest);
}

// A heading with the bold lines right after it as its title.
QString titledHtml(const LawBlock& block, const MarkdownHtml& markdown, const QString& headingTag,
                   const QString& titleTag) {
    QString html = QStringLiteral("<a name=\"%1\"></a><%2>%3</%2>")
                       .arg(block.key, headingTag, markdown.inlineHtml(block.heading));
    qsizetype i = 0;
    for (; i < block.lines.size(); ++i) {
        const QString trimmed = block.lines[i].trimmed();
        if (trimmed.isEmpty())
            continue;
        const QString title = MarkdownHtml::boldLineText(trimmed);
        if (title.isEmpty())
            break;
        html += QStringLiteral("<%1>%2</%1>").arg(titleTag, markdown.inlineHtml(title));
    }
    return html + QLatin1Char('\n') + markdown.blocksHtml(block.lines.mid(i));
}

QString footnotesHtml(const LawBlock& block, const MarkdownHtml& markdown) {
    QString html = QStringLiteral("<a name=\"%1\"></a>\n").arg(block.key);
    for (const QString& line : block.lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        html += QStringLiteral("<p class=\"poznamka\"><a name=\"%1\"></a>%2</p>\n")
                    .arg(footnoteAnchor(footnoteNumber(trimmed)), markdown.inlineHtml(trimmed));
    }
    return html;
}
} // namespace

QString LawFileError::text() const {
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
}

LawText readLawFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, 1, QStringLiteral("cannot read the file"));
    return parseLawText(file.readAll(), path);
}

LawText parseLawText(const QByteArray& bytes, const QString& path) {
    if (bytes.trimmed().isEmpty())
        fail(path, 1, QStringLiteral("the file is empty"));
    QString text = decodeUtf8(bytes, path);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    LawFrontMatter matter;
    try {
        matter = parseLawFrontMatter(lines);
    } catch (const LawParseError& error) {
        fail(path, error.line, error.reason);
    }
    LawText law;
    law.file = path;
    law.citace = required(matter, QStringLiteral("citace"), path);
    static const QRegularExpression citace(QStringLiteral("^\\d{1,4}/\\d{4} Sb\\.$"));
    if (!citace.match(law.citace).hasMatch())
        fail(path, matter.lineOf(QStringLiteral("citace")),
             QStringLiteral("'citace' is not a number of the form 586/1992 Sb."));
    law.nazev = required(matter, QStringLiteral("nazev"), path);
    law.druh = matter.value(QStringLiteral("druh"));
    law.ucinnostOd = required(matter, QStringLiteral("ucinnost_od"), path);
    if (law.ucinnostOd.size() != 10 ||
        !QDate::fromString(law.ucinnostOd, QStringLiteral("yyyy-MM-dd")).isValid())
        fail(path, matter.lineOf(QStringLiteral("ucinnost_od")),
             QStringLiteral("'ucinnost_od' is not a date YYYY-MM-DD"));

    const QList<LawBlock> blocks = splitLaw(lines.mid(matter.endLine), matter.endLine + 1);
    MarkdownHtml markdown;
    QSet<QString> footnotes;
    for (const LawBlock& block : blocks) {
        if (block.kind == LawBlock::Footnotes) {
            for (const QString& line : block.lines)
                footnotes.insert(footnoteNumber(line.trimmed()));
        }
    }
    footnotes.remove(QString());
    markdown.setFootnotes(footnotes);
    for (const LawBlock& block : blocks) {
        QString html;
        switch (block.kind) {
        case LawBlock::Header:
            html = headerHtml(block, law, markdown, matter.value(QStringLiteral("datum")));
            break;
        case LawBlock::Heading:
            html = titledHtml(block, markdown, QStringLiteral("h2"), QStringLiteral("h2"));
            break;
        case LawBlock::Paragraph:
            html = titledHtml(block, markdown, QStringLiteral("h3"), QStringLiteral("h4"));
            ++law.paragraphs;
            break;
        case LawBlock::Annex:
            html = titledHtml(block, markdown, QStringLiteral("h3"), QStringLiteral("h4"));
            break;
        case LawBlock::Footnotes:
            html = footnotesHtml(block, markdown);
            break;
        }
        if (block.kind == LawBlock::Header && html.isEmpty())
            continue;
        law.sections.append({block.key, html});
        if (!block.key.isEmpty())
            law.anchors.insert(block.key);
    }
    if (law.paragraphs == 0)
        fail(path, std::min(matter.endLine + 1, int(lines.size())),
             QStringLiteral("unknown layout: no paragraph heading ('### § 1') in the text"));
    return law;
}
