#include "search/SearchJob.h"

#include "db/Cancellation.h"
#include "db/DaoException.h"
#include "db/Database.h"
#include "db/ListConditions.h"
#include "db/Recordset.h"
#include "platform/Registry.h"
#include "search/FulltextIndex.h"
#include "search/HitMatcher.h"

#include <algorithm>

namespace {
// The engine's answer goes into SQL as it stands, so only "(n,n,…)" is taken. Checked by hand:
// a hit list can hold hundreds of thousands of numbers.
bool isIdList(const QString& text) {
    if (text.size() < 3 || text.front() != QLatin1Char('(') || text.back() != QLatin1Char(')'))
        return false;
    bool digitBefore = false;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digitBefore = true;
        } else if (c == QLatin1Char(',') && digitBefore) {
            digitBefore = false;
        } else {
            return false;
        }
    }
    return digitBefore;
}

std::vector<int> parseIdList(const QString& list) {
    std::vector<int> ids;
    for (const QStringView id : QStringView(list).mid(1, list.size() - 2).split(QLatin1Char(',')))
        ids.push_back(id.toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

// The rows of the documents of the sections in `result` (an IN list) under the filters, one per
// document with the valid-to day of its newest amendment among the hits: grouped before the
// join, the sort by name or number handles each document once, not each section found.
QString searchResultSql(const QString& result, int nOblast, int nTyp, int nZobraz,
                        int nSortColumn) {
    QString sql =
        QStringLiteral("SELECT dokument.id, dokument.norma, dokument.jmeno, nalezene.datumDo FROM "
                       "(SELECT sekceNovelizace.dokument, sekceNovelizace.datumDo, "
                       "max(sekceNovelizace.datumNovelizace) FROM sekceNovelizace WHERE "
                       "sekceNovelizace.sekce IN ") +
        result +
        QStringLiteral(" GROUP BY sekceNovelizace.dokument) AS nalezene INNER JOIN dokument ON "
                       "nalezene.dokument = dokument.id WHERE (dokument.pohled = 1)");
    if (const QString filter = filterCondition(nOblast, nTyp); !filter.isEmpty())
        sql += QStringLiteral(" AND ") + filter;
    if (const QString novelizace = novelizaceCondition(nZobraz); !novelizace.isEmpty())
        sql += QStringLiteral(" AND ") + novelizace;
    sql += QStringLiteral(" ORDER BY ");
    sql += nSortColumn == 0
               ? QStringLiteral("left(dokument.norma, 255)")
               : QStringLiteral("left(dokument.jmeno, 255), left(dokument.norma, 255)");
    sql += QStringLiteral(", dokument.ID");
    return sql;
}

// Reads the listed documents of `sql`; false when it has no rows or `cancel` was set on the
// way. Throws DaoException.
bool readSearchRows(Database& database, const QString& sql, QList<SearchRow>& rows,
                    QHash<int, QDateTime>& validTo, const Cancellation* cancel) {
    Snapshot snapshot(database, sql);
    snapshot.Open();
    if (snapshot.IsEOF())
        return false;
    // One row per document (searchResultSql groups the sections found).
    for (; !snapshot.IsEOF(); snapshot.MoveNext()) {
        if (cancel && cancel->isCancelled())
            return false;
        const int id = snapshot.GetFieldInt(QStringLiteral("id"));
        rows.append({id, snapshot.GetFieldText(QStringLiteral("norma")),
                     snapshot.GetFieldText(QStringLiteral("jmeno"))});
        const QDateTime date = snapshot.GetFieldDate(QStringLiteral("datumDo"));
        if (date.isValid())
            validTo.insert(id, date);
    }
    return true;
}

void storeSearchChoices(int nSettings, int nZobraz, bool bAllForms) {
    WriteProfileInt(QStringLiteral("Search"), QStringLiteral("Settings"), nSettings);
    WriteProfileInt(QStringLiteral("Novelizace"), QStringLiteral("Settings"), nZobraz);
    WriteProfileInt(QStringLiteral("Search"), QStringLiteral("AllForms"), bAllForms ? 1 : 0);
}

SearchJob::~SearchJob() = default;

void SearchJob::Run(Cancellation* cancel) {
    const auto cancelled = [cancel] { return cancel && cancel->isCancelled(); };
    m_outcome = SearchSession::Outcome::Cancelled;
    if (m_bRemember)
        storeSearchChoices(m_nScope & (ScopeText | ScopeName | ScopeNumber), m_nZobraz,
                           m_bAllForms);
    const FulltextAnswer answer = m_search(m_strIndexFolder, m_strQuery, m_nScope, cancel);
    if (cancelled())
        return;
    switch (answer.state) {
    case FulltextIndexState::Outdated:
        m_outcome = SearchSession::Outcome::IndexOutdated;
        return;
    case FulltextIndexState::Missing:
    case FulltextIndexState::Damaged:
        m_outcome = SearchSession::Outcome::IndexDamaged;
        return;
    case FulltextIndexState::Ready:
        break;
    }
    if (!isIdList(answer.ids)) {
        m_outcome = SearchSession::Outcome::NotFound;
        return;
    }
    m_strResult = answer.ids;
    m_hitSections = parseIdList(m_strResult);
    m_pMatcher = std::make_unique<HitMatcher>(m_strText, m_bAllForms, m_strIndexFolder);
    if (cancelled())
        return;
    if (m_pDatabase) {
        // A connection of its own, so that interrupting it stops no other work.
        std::unique_ptr<Database> own;
        if (cancel) {
            try {
                own = m_pDatabase->openReadOnlyTwin();
            } catch (const DaoException&) {
                // Then the shared one, stopped between rows only.
            }
        }
        Database& database = own ? *own : *m_pDatabase;
        try {
            const Cancellation::Watch watch(own ? cancel : nullptr, database.handle());
            m_bListed = readSearchRows(
                database, searchResultSql(m_strResult, m_nOblast, m_nTyp, m_nZobraz, m_nSortColumn),
                m_rows, m_mapValidTo, cancel);
        } catch (const DaoException& e) {
            if (cancelled())
                return;
            m_strError = e.description();
            m_outcome = SearchSession::Outcome::DbError;
            return;
        }
        if (cancelled())
            return;
    }
    m_outcome = m_bListed ? SearchSession::Outcome::Shown : SearchSession::Outcome::FilteredAway;
}
