#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The Czech rules the lemmatizer puts on top of the dictionary's readings.

// The spellings under which the dictionary may list a lower-case form: as it is, capitalised
// (names) and in capitals (abbreviations).
QStringList spellings(const QString& form);

// The lemma of a lower-case `form` from a dictionary reading's stem: in lower case; a negated
// word ("ne…") keeps its negation, a noun in -ost stays a noun and an adverb an adverb instead of
// their adjective.
QString lemmaOfReading(const QString& form, const QString& stem);

// Lemmas the dictionary's readings miss, each checked with `isLemma`: the long adjective of a
// short form ("povinen", "povinna" → "povinný") and, for a word the dictionary also lists as its
// own stem, the noun of a genitive plural without ending ("smluv" → "smlouva", "mezd" → "mzda");
// "být" for its forms of another stem.
QStringList relatedLemmas(const QString& form, bool ownStem,
                          const std::function<bool(const QString&)>& isLemma);
