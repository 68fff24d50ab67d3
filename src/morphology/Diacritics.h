#pragma once

#include <QString>

// `word` with the marks of its letters removed (NFD, combining marks dropped): "příjmů" gives
// "prijmu".
QString withoutDiacritics(const QString& word);

// True when some letter of `word` carries a mark.
bool hasDiacritics(const QString& word);
