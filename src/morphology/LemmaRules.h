#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The Czech rules the lemmatizer puts on top of the dictionary's readings.

// The spellings under which the dictionary may list a lower-case form: as it is, capitalised
// (names) and in capitals (abbreviations).
QStringList spellings(const QString& form);

// The lemma of `form` from a dictionary reading: in lower case; a negated word ("ne" prefix)
// keeps its negation, and a noun in -ost stays a noun instead of its adjective.
QString lemmaOfReading(const QString& form, const QString& stem, const QString& prefix);

// Lemmas the dictionary's readings miss, each checked with `isLemma`: the long adjective of a
// short form ("povinen", "povinna" → "povinný") and, for a word the dictionary also lists as its
// own stem, the noun of a genitive plural without ending ("smluv" → "smlouva", "mezd" → "mzda");
// "být" for its forms of another stem.
QStringList relatedLemmas(const QString& form, bool ownStem,
                          const std::function<bool(const QString&)>& isLemma);
