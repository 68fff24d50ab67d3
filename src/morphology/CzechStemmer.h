#pragma once

#include <QString>

// A light rule-based stemmer for Czech, used for the words the dictionary does not know: it
// strips the case endings of nouns and adjectives (and a possessive suffix), then undoes the
// palatalisation the ending caused, so the forms of one word mostly share a stem. `word` is in
// lower case; words shorter than four characters and words holding digits come back unchanged.
QString czechStem(const QString& word);
