#pragma once

#include <QString>
#include <QStringList>

// The user's search expression in Czech: words, phrases in double quotes and the connecting
// words "a" (and), "nebo" (or), "ne" (not) and "u" (near). The only word separator is the
// space; runs of spaces give empty words, which are dropped.

// The full-text query for `text`: operators AND, OR, NOT, phrases in quotes, and the whole
// query quoted with ~8 after it when it contains the word "u".
QString BuildQuery(const QString& text);

// Converts an unquoted run of words into query words and operators.
QString ConvertWords(const QString& run);

// Empties `words` and fills it with the words and phrases of `text` that a shown document marks.
void SplitHighlightWords(QStringList& words, const QString& text);

// Appends the words of an unquoted run to `words`.
void SplitWords(QStringList& words, const QString& run);

// The number of Unicode characters of `text` (a character outside the basic plane is one).
qsizetype CharacterCount(QStringView text);
