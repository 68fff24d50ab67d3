#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <optional>
#include <vector>

class Database;

// One stored version of a section.
struct SectionVersion {
    int m_sekce = 0;
    QByteArray m_obsah;
};

// A section of the document (one `poradi`) as it stands on two days.
struct SectionDelta {
    enum class Kind { Same, Added, Removed, Changed };
    int m_poradi = 0;
    std::optional<SectionVersion> m_before; // valid on the earlier day
    std::optional<SectionVersion> m_after;  // valid on the later day

    Kind kind() const;
};

// Whether a version valid from `from` (inclusive) to `to` (exclusive) belongs to `day`; a missing
// date leaves that side open.
bool isVersionValidOn(const QDateTime& from, const QDateTime& to, const QDateTime& day);

// The sections of document `id` in text order with their versions valid on `before` and on
// `after`; sections valid on neither day are left out. Database failures are thrown.
std::vector<SectionDelta> compareVersions(Database& database, int id, const QDate& before,
                                          const QDate& after);

// The days a comparison starts with: the day before the latest amendment that has taken effect by
// `today`, and `today`; without an amendment both are `today`.
std::pair<QDate, QDate> defaultComparisonDays(Database& database, int id, const QDate& today);
