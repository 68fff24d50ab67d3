#include "navigation/ListSession.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "db/ReportDaoError.h"
#include "platform/ResourceIds.h"

#include <limits>

ListSession::ListSession(Database* database, int nTemplateId)
    : m_nTemplateId(nTemplateId), m_strBaseCondition(baseConditionForTemplate(nTemplateId)),
      m_pDatabase(database) {}

QString ListSession::contentsFilter(int nOblast, int nTyp, int nZobraz) {
    return joinConditions({baseConditionForTemplate(IDD_OBSAH), filterCondition(nOblast, nTyp),
                           novelizaceCondition(nZobraz)});
}

ListSession::~ListSession() = default;

bool ListSession::Fill(const QString& strFilter) {
    if (!Start(strFilter))
        return false;
    while (FetchMore(std::numeric_limits<int>::max())) {
    }
    return !m_bFetchFailed;
}

bool ListSession::Start(const QString& strFilter) {
    m_pFetching.reset();
    m_bFetchFailed = false;
    m_strListFilter = strFilter.isEmpty() ? m_strBaseCondition : strFilter;
    if (!m_pDatabase)
        return false;
    try {
        auto dokument = std::make_unique<CrDokumentNames>(*m_pDatabase);
        dokument->m_strSort = dokument->m_strDefaultSort;
        dokument->m_strFilter = m_strListFilter;
        dokument->Open();
        m_pFetching = std::move(dokument);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return false;
    }
    m_model.clear();
    return true;
}

bool ListSession::FetchMore(int nMaxRows) {
    if (!m_pFetching)
        return false;
    QVector<int> ids;
    PackedTexts names;
    bool bMore = false;
    try {
        CrDokumentNames& dokument = *m_pFetching;
        for (int n = 0; n < nMaxRows && !dokument.IsEOF(); ++n, dokument.MoveNext()) {
            ids << dokument.m_ID;
            names.append(dokument.m_jmenoUtf8);
        }
        bMore = !dokument.IsEOF();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        m_bFetchFailed = true;
    }
    // The rows read before a failure are still listed.
    m_model.appendRows(ids, names);
    if (!bMore)
        m_pFetching.reset();
    return bMore;
}

bool ListSession::HasAny(const QString& strFilter, bool& bFailed) {
    bFailed = false;
    if (!m_pDatabase)
        return false;
    try {
        // Only whether anything matches: no sort.
        CrDokument dokument(*m_pDatabase);
        dokument.m_strFilter = strFilter;
        dokument.Open();
        const bool bAny = !dokument.IsEOF();
        dokument.Close();
        return bAny;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        bFailed = true;
        return false;
    }
}

bool ListSession::RowTitle(int nRow, QString& title) const {
    title = m_model.nameAt(nRow);
    if (!m_pDatabase)
        return true;
    try {
        CrDokument dokument(*m_pDatabase);
        dokument.m_strFilter = QStringLiteral("ID = %1").arg(m_model.idAt(nRow));
        dokument.Open();
        if (!dokument.IsEOF()) {
            const QString display = dokument.GetDisplayName();
            if (!display.isEmpty())
                title = display;
        }
        dokument.Close();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return false;
    }
    return true;
}

QString ListSession::GetCounterText(int nPosition) const {
    return QStringLiteral("(%1/%2)").arg(nPosition).arg(GetRowCount());
}

void ListSession::Clear() {
    m_model.clear();
}

void ListSession::AppendRow(int id, const QString& name) {
    m_model.appendRow(id, name);
}
