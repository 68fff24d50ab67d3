#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The logic of a document list page without its widgets, shared by the pages and tavlin-cli:
// the page's base condition, the filtered fill by name, whether a choice matches anything, the
// title a chosen row opens with and the counter. Database failures are reported through the
// message seam and leave the rows of the last fill.
class ListSession {
public:
    ListSession(Database* database, int nTemplateId);

    // The filter of the contents page for its area, type and "Zobraz" choices.
    static QString contentsFilter(int nOblast, int nTyp, int nZobraz);

    // Lists the documents that match `strFilter`, or the base condition when it is empty, by
    // name. False when the database failed.
    bool Fill(const QString& strFilter);
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

    int GetRowCount() const { return static_cast<int>(m_ids.size()); }
    const QVector<int>& ids() const { return m_ids; }
    const QStringList& names() const { return m_names; }

    const int m_nTemplateId;
    const QString m_strBaseCondition;
    // The condition of the last fill (the base condition for an empty filter).
    QString m_strListFilter;

private:
    Database* m_pDatabase;
    QVector<int> m_ids;
    QStringList m_names;
};
