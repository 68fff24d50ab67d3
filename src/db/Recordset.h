#pragma once

#include "db/StoredDate.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

class Database;
struct sqlite3_stmt;

// A read-only recordset over the law database in the manner of the old DAO recordsets: default
// SQL plus m_strFilter (without WHERE) and m_strSort (without ORDER BY), written in the Jet
// dialect and rewritten for SQLite. Every failure throws DaoException with the database's
// description. Rows are read as the cursor moves; after each move DoFieldExchange copies the
// current row into the members of a derived class. The program never writes to the collection,
// so a statement re-run from the start (MoveFirst, FindFirst) yields the same rows.
class Recordset {
public:
    explicit Recordset(Database& database);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    QString m_strFilter;
    QString m_strSort;

    virtual QString GetDefaultSQL() const = 0;

    // Runs the default SQL with the filter and sort and stands on the first row (if any).
    void Open();
    // Runs the filter and sort again on the same recordset (they may have changed).
    void Requery();
    void Close();
    bool IsOpen() const;

    bool IsEOF() const;
    bool IsBOF() const;
    void MoveFirst();
    void MoveNext();
    // Nonzero exactly when there is at least one row: the number of rows visited so far.
    long GetRecordCount() const;
    // Moves to the first row that satisfies `criteria` ("column = value"); false when none does
    // (the recordset then stands where it stood).
    bool FindFirst(const QString& criteria);
    // 0-based position of the current row, -1 when there is none.
    long GetAbsolutePosition() const;

    // The current row's column by name (case-insensitive); a null value gives a null QVariant.
    QVariant GetFieldValue(const QString& column) const;
    QString GetFieldText(const QString& column) const;
    int GetFieldInt(const QString& column) const;
    // A date column: an invalid QDateTime stands for null.
    QDateTime GetFieldDate(const QString& column) const;
    QByteArray GetFieldBytes(const QString& column) const;

    // The SQLite text that Open sends (after the dialect rewrite).
    QString BuildSql() const;

protected:
    // Binds the members of a derived class to the current row's columns, in a fixed order, with
    // the Field* calls below. Open calls it once before reading any row to check that every
    // bound column exists, so a missing column fails at Open even for an empty result.
    virtual void DoFieldExchange() {}

    void FieldLong(int& value, const char* column);
    void FieldByte(quint8& value, const char* column);
    void FieldText(QString& value, const char* column);
    void FieldDate(QDateTime& value, const char* column);
    void FieldBinary(QByteArray& value, const char* column);
    // A text column that usually holds the same text row after row (a joined parent's name): the
    // text is converted again only when its bytes change.
    void FieldTextRepeating(QString& value, const char* column);
    // A column that is checked at Open but read only on request (GetFieldText and the like).
    void FieldDeferred(const char* column);
    // A text column as its UTF-8 bytes, copied into the same buffer row after row: for texts
    // that are joined before they are converted once.
    void FieldUtf8(QByteArray& value, const char* column);

private:
    void prepare();
    void finalize();
    void restart();
    void step();
    void exchange();
    void requireRow() const;
    int columnIndex(const QString& column) const;
    int findColumn(QStringView column) const;
    // The column of the next Field* call: resolved by name once per statement, then by position.
    int boundColumn(const char* column);

    Database& m_database;
    sqlite3_stmt* m_pStatement = nullptr;
    bool m_bHasRow = false;
    bool m_bCheckingBindings = false;
    long m_nPosition = -1;
    long m_nVisited = 0;
    QStringList m_columns;
    std::vector<int> m_boundColumns;
    std::size_t m_nNextBinding = 0;
    // The last text and value of each bound date column.
    std::vector<std::pair<QByteArray, QDateTime>> m_dateCache;
    std::vector<std::pair<QByteArray, QString>> m_textCache;
};

// An ad-hoc read-only snapshot of an SQL text, its columns read by name.
class Snapshot : public Recordset {
public:
    Snapshot(Database& database, QString sql);
    QString GetDefaultSQL() const override { return m_strSql; }

private:
    QString m_strSql;
};
