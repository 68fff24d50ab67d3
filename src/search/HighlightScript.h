#pragma once

#include <QString>
#include <QStringList>

// The name of the anchor put before the first marked word, to which the view scrolls.
inline constexpr const char* kFirstHitAnchor = "prvniNalezeny";

// JavaScript that, run in the frame of a document's body, marks every occurrence of the given
// words and phrases (case ignored, diacritics counted, any white space between the words of a
// phrase), inserts <a name="prvniNalezeny"> before the first one and scrolls to it. The script
// evaluates to true when something was marked. Empty words are ignored.
QString highlightScript(const QStringList& words);
