#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The body of a law file cut into the blocks that become sections, in text order: the header
// (title and preamble), one block per structural heading (part, title, chapter, division), one
// per paragraph "§ N", one per annex ("Příloha …") and the footnotes at the end.
struct LawBlock {
    enum Kind { Header, Heading, Paragraph, Annex, Footnotes };
    Kind kind = Header;
    QString key;     // the anchor: "par38h", "priloha1", "cast-prvni-hlava-i", empty for the header
    QString heading; // the heading's text ("§ 38h", "ČÁST PRVNÍ", "Příloha č. 1 k zákonu …")
    QStringList lines;
    int line = 0; // the block's first line in the file
};

// `lines` is the body, `firstLine` the file line of its first line. Keys are unique.
QList<LawBlock> splitLaw(const QStringList& lines, int firstLine);

// The footnote numbers of a footnote line "22a) Zákon č. …", else an empty text.
QString footnoteNumber(const QString& line);

// The anchor of a paragraph number: "38h" -> "par38h".
QString paragraphAnchor(const QString& number);
