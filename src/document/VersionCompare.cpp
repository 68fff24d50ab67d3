#include "document/VersionCompare.h"

#include "db/DokumentRecordsets.h"
#include "db/StoredDate.h"

SectionDelta::Kind SectionDelta::kind() const {
    if (!m_before)
        return Kind::Added;
    if (!m_after)
        return Kind::Removed;
    return m_before->m_sekce == m_after->m_sekce ? Kind::Same : Kind::Changed;
}

bool isVersionValidOn(const QDateTime& from, const QDateTime& to, const QDateTime& day) {
    return (!from.isValid() || from <= day) && (!to.isValid() || day < to);
}

std::vector<SectionDelta> compareVersions(Database& database, int id, const QDate& before,
                                          const QDate& after) {
    const QDateTime dayBefore = storedDateTime(before);
    const QDateTime dayAfter = storedDateTime(after);
    CrDokumentSekceView sections(database);
    sections.m_strFilter = QStringLiteral("(dokument = %1)").arg(id);
    sections.Open();
    std::vector<SectionDelta> deltas;
    while (!sections.IsEOF()) {
        const bool onBefore =
            isVersionValidOn(sections.m_datumNovelizace, sections.m_datumDo, dayBefore);
        const bool onAfter =
            isVersionValidOn(sections.m_datumNovelizace, sections.m_datumDo, dayAfter);
        if (onBefore || onAfter) {
            if (deltas.empty() || deltas.back().m_poradi != sections.m_poradi)
                deltas.push_back(SectionDelta{sections.m_poradi, std::nullopt, std::nullopt});
            const SectionVersion version{sections.m_sekce, sections.GetObsahUtf8()};
            SectionDelta& delta = deltas.back();
            // Overlapping versions are refused by the collection build; the first one counts.
            if (onBefore && !delta.m_before)
                delta.m_before = version;
            if (onAfter && !delta.m_after)
                delta.m_after = version;
        }
        sections.MoveNext();
    }
    sections.Close();
    return deltas;
}

std::pair<QDate, QDate> defaultComparisonDays(Database& database, int id, const QDate& today) {
    const QDateTime now = storedDateTime(today);
    CrDokumentSekceView sections(database);
    sections.m_strFilter = QStringLiteral("(dokument = %1)").arg(id);
    sections.Open();
    QDate latest;
    while (!sections.IsEOF()) {
        const QDateTime& from = sections.m_datumNovelizace;
        if (from.isValid() && from <= now && (!latest.isValid() || from.date() > latest))
            latest = from.date();
        sections.MoveNext();
    }
    sections.Close();
    return {latest.isValid() ? latest.addDays(-1) : today, today};
}
