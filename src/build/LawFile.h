#pragma once

#include "build/LawFrontMatter.h"

#include <QList>
#include <QSet>
#include <QString>

// One section of an imported law: its anchor and its HTML before cross-references are linked.
struct LawSection {
    QString key;
    QString html;
};

// A law file read and rendered.
struct LawText {
    QString file;
    QString citace;     // "586/1992 Sb."
    QString nazev;      // "Zákon České národní rady o daních z příjmů"
    QString druh;       // "ZÁKON"
    QString ucinnostOd; // "2026-08-01"
    QList<LawSection> sections;
    int paragraphs = 0; // sections of a "§"
    QSet<QString> anchors;
};

// A file that cannot be imported: where and why.
struct LawFileError {
    QString file;
    int line = 1;
    QString reason;
    QString text() const;
};

// Reads one Markdown law file with its front matter (keys citace, nazev, ucinnost_od required;
// druh and datum used when present). Throws LawFileError for an empty file, one that is not
// UTF-8, one without a well-formed front matter and one without any paragraph.
LawText readLawFile(const QString& path);

// The same for a file's bytes, `path` naming it in errors.
LawText parseLawText(const QByteArray& bytes, const QString& path);
