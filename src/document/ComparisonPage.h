#pragma once

#include "document/VersionCompare.h"

#include <QByteArray>
#include <QString>

// The texts the comparison page is written with (Czech, from the string table).
struct ComparisonTexts {
    QString heading;  // "%1" the earlier day, "%2" the later one
    QString noChange; // no section differs
    QString added;    // the kinds of change after a section's name in the list
    QString removed;
    QString changed;
};

// A short name of a section for the list of changes: the text of its first heading (h1 to h6),
// else its first words.
QString sectionLabel(const QByteArray& html);

// The body text of the comparison: the list of changed sections, each a link to its place, and
// the text valid on the later day with every differing section marked: added ones
// (class tv-pridano), removed ones struck through (tv-odebrano) and changed ones (tv-zmeneno)
// with their changed words marked.
QByteArray comparisonBody(const std::vector<SectionDelta>& deltas, const QDate& before,
                          const QDate& after, const ComparisonTexts& texts);
