#pragma once

#include "search/SearchSession.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

class Cancellation;
class Database;
class HitMatcher;

// One search's work, from the engine's answer to the rows it lists, apart from the session that
// began it so that it can run on another thread.
class SearchJob {
public:
    ~SearchJob();
    // Stores the search's choices in the settings first (when the session remembers them), as
    // writing them takes a while. With `cancel` the work reads the collection through a connection
    // of its own, which the cancellation interrupts, and stops between its steps once it is set.
    void Run(Cancellation* cancel);

private:
    friend class SearchSession;
    SearchJob() = default;

    // What to do.
    SearchSession::SearchFunction m_search;
    Database* m_pDatabase = nullptr;
    QString m_strIndexFolder;
    QString m_strText;
    QString m_strQuery;
    int m_nScope = 0;
    bool m_bAllForms = true;
    int m_nOblast = 0;
    int m_nTyp = -1;
    int m_nZobraz = 2;
    int m_nSortColumn = 0;
    bool m_bRemember = true;

    // What came of it.
    SearchSession::Outcome m_outcome = SearchSession::Outcome::Cancelled;
    QString m_strResult;
    std::vector<int> m_hitSections;
    std::unique_ptr<HitMatcher> m_pMatcher;
    bool m_bListed = false;
    QList<SearchRow> m_rows;
    QHash<int, QDateTime> m_mapValidTo;
    QString m_strError;
};

// The rows of the documents of the sections in `result` (an IN list) under the filters and the
// sort (0 by number, 1 by name).
QString searchResultSql(const QString& result, int nOblast, int nTyp, int nZobraz, int nSortColumn);
// Reads the listed documents of `sql`, one row per document with the end of its newest hit
// version; false when it has no rows or `cancel` was set on the way. Throws DaoException.
bool readSearchRows(Database& database, const QString& sql, QList<SearchRow>& rows,
                    QHash<int, QDateTime>& validTo, const Cancellation* cancel);
// Stores where to search, the Zobraz choice and the forms choice in the settings.
void storeSearchChoices(int nSettings, int nZobraz, bool bAllForms);
