#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Markdown of the law files as HTML for the document templates. The law files give one
// paragraph per line, so every line is a block of its own: "(1)" subsections and plain lines
// become <p>, list items "- a)" and "- 1." indented paragraphs, "|" rows a table, "> " lines a
// note. Inline: **bold**, *italic*, backslash escapes, entity references kept, the rest of the
// HTML specials escaped, and footnote marks ("předpisy20)") linked to their footnotes.
class MarkdownHtml {
public:
    // The footnotes of the law ("1", "22a", …); marks of other numbers stay text.
    void setFootnotes(QSet<QString> footnotes) { m_footnotes = std::move(footnotes); }

    QString inlineHtml(const QString& text) const;
    QString blocksHtml(const QStringList& lines) const;

    // A line that is bold as a whole ("**Předmět daně**"): its text, else an empty text.
    static QString boldLineText(const QString& line);
    // A line that is italic as a whole ("*o dani silniční*"): its text, else an empty text.
    static QString italicLineText(const QString& line);

private:
    void appendInline(QString& out, const QString& text, qsizetype from, qsizetype to,
                      int depth) const;
    qsizetype footnoteMark(const QString& text, qsizetype at, qsizetype to, QString& id) const;
    QString tableHtml(const QStringList& rows) const;

    QSet<QString> m_footnotes;
};

// The anchor of a footnote in the page ("pozn22a").
QString footnoteAnchor(const QString& id);
