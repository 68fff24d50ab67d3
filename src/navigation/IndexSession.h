#pragma once

#include "navigation/DocumentListModel.h"

#include <QString>
#include <functional>
#include <memory>

class CrDokument;
class Database;
class IndexSnapshot;

// The logic of the index page without its widgets, shared by the page and tavlin-cli: the kept
// document recordset, the four index lists with their area and type filters, the quick find and
// the opening of a row.
class IndexSession {
public:
    // The rows of the "Index" combo, in order.
    enum Choice { ByNumber = 0, ByName = 1, ByAmendment = 2, All = 3 };
    static constexpr int kChoiceCount = 4;

    explicit IndexSession(Database* database);
    ~IndexSession();
    IndexSession(const IndexSession&) = delete;
    IndexSession& operator=(const IndexSession&) = delete;

    // Opens the kept recordset of all documents. A database error is reported and leaves it
    // null: the lists by number and by name then stay empty and rows open without a lookup.
    void InitBaseCondition();
    // Lists index `nChoice` under the area (0 = all) and type (-1 = all) filters and resets the
    // counter; any other choice leaves the list empty. A database error is reported (false) and
    // ends the list with the rows read before it.
    bool FillIndex(int nChoice, int nOblast, int nTyp);
    // The same fill read in parts, so that a window can stay responsive over a long list: Start
    // empties the list and runs the query (false on a database error), FetchMore adds up to
    // `nMaxRows` further rows to the model and returns whether rows remain. Neither announces
    // the counter. A new Start ends a fill still going.
    bool Start(int nChoice, int nOblast, int nTyp);
    bool FetchMore(int nMaxRows);
    // The first row from the top whose text starts with `text`, ignoring case; -1 when none.
    int QuickFind(const QString& text) const;
    // Opens row `row`: returns its document and sets `title` to the document's display title,
    // or to the row's text when it has none; the row becomes the counter's position. 0 when
    // there is no such row or the lookup failed (reported; the counter still moves).
    int OpenRow(int row, QString& title);
    QString GetCounterText() const;

    DocumentListModel* model() { return &m_model; }
    const DocumentListModel* model() const { return &m_model; }
    int GetRowCount() const { return m_model.rowCount(); }
    QString rowText(int row) const { return m_model.nameAt(row); }
    int rowId(int row) const { return m_model.idAt(row); }

    int m_nPosition = 0;
    std::unique_ptr<CrDokument> m_pRecordset;
    // Where the counter text goes (the status bar).
    std::function<void(const QString&)> m_setStatusText;

private:
    void startRecordset(int nChoice, const QString& cond);
    void startSnapshot(int nChoice, const QString& cond);
    void readRecordsetRow(QVector<int>& ids, PackedTexts& texts);
    void readSnapshotRow(QVector<int>& ids, PackedTexts& texts);

    Database* m_pDatabase;
    // The fill being read: its choice and, for the lists under amendment titles, its snapshot.
    int m_nFetchChoice = -1;
    bool m_bFetching = false;
    bool m_bFetchFailed = false;
    std::unique_ptr<IndexSnapshot> m_pSnapshot;
    DocumentListModel m_model;
};
