#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The YAML front matter of a law file: the lines between a first line "---" and the next "---".
// Only what the law files use is understood: "key: value" scalars (plain or quoted) and lists of
// "- item" lines under a key with no value. Anything else is a fault with its line.
struct LawFrontMatter {
    QMap<QString, QString> values;
    QMap<QString, QStringList> lists;
    QMap<QString, int> keyLines; // key -> its line in the file
    int endLine = 0;             // the closing "---" line; the body begins after it

    QString value(const QString& key) const { return values.value(key); }
    int lineOf(const QString& key) const { return keyLines.value(key, 1); }
};

// A fault of the input, located by line (1-based, within the file).
struct LawParseError {
    int line = 1;
    QString reason;
};

// Parses the front matter at the start of `lines` (the file's lines without line ends). Throws
// LawParseError when the file does not begin with a well-formed front matter.
LawFrontMatter parseLawFrontMatter(const QStringList& lines);
