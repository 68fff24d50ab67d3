#pragma once

#include "navigation/DocumentListModel.h"

#include <QString>
#include <memory>

class CrDokumentNames;
class Database;

// The logic of a document list page without its widgets, shared by the pages and tavlin-cli:
// the page's base condition, the filtered fill by name, whether a choice matches anything, the
// title a chosen row opens with and the counter. The rows are kept in the session's model, which
// the page shows. Database failures are reported through the message seam and leave the rows of
// the last fill.
class ListSession {
public:
    ListSession(Database* database, int nTemplateId);
    ~ListSession();
    ListSession(const ListSession&) = delete;
    ListSession& operator=(const ListSession&) = delete;

    // The filter of the contents page for its area, type and "Zobraz" choices.
    static QString contentsFilter(int nOblast, int nTyp, int nZobraz);

    // Lists the documents that match `strFilter`, or the base condition when it is empty, by
    // name. False when the database failed.
    bool Fill(const QString& strFilter);
    // The same fill read in parts, so that a window can stay responsive over a long list:
    // Start runs the query (false when the database failed; the rows of the last fill then
    // stay), FetchMore appends up to `nMaxRows` further rows to the model and returns
    // whether rows remain. A failure on the way is reported and ends the fill with the rows read
    // so far. A new Start ends a fill still going.
    bool Start(const QString& strFilter);
    bool FetchMore(int nMaxRows);
    bool IsFetching() const { return m_pFetching != nullptr; }
    // Whether any document matches `strFilter`; false also when the database failed (then
    // `bFailed` is set).
    bool HasAny(const QString& strFilter, bool& bFailed);
    // The title the document of a row opens with: its display name, else the listed name.
    // False when the database failed.
    bool RowTitle(int nRow, QString& title) const;
    QString GetCounterText(int nPosition) const;
    // Rows put in by the caller instead of a fill (the favourites tab).
    void Clear();
    void AppendRow(int id, const QString& name);

    int GetRowCount() const { return m_model.rowCount(); }
    DocumentListModel* model() { return &m_model; }
    const DocumentListModel* model() const { return &m_model; }

    const int m_nTemplateId;
    const QString m_strBaseCondition;
    // The condition of the last fill (the base condition for an empty filter).
    QString m_strListFilter;

private:
    Database* m_pDatabase;
    std::unique_ptr<CrDokumentNames> m_pFetching;
    bool m_bFetchFailed = false;
    DocumentListModel m_model;
};
