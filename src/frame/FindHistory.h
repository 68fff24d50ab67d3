#pragma once

#include <QString>
#include <QStringList>

// The find box keeps the texts found in this run, newest first, at most 16, each once whatever
// its letter case.
constexpr int kFindHistorySize = 16;

// `history` after finding `text`: with 16 entries or more the one at position 15 goes first;
// then the text is put in front unless an entry equals it without regard to case.
void addToFindHistory(QStringList& history, const QString& text);
