#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class Database;
struct sqlite3_stmt;

// A read-only recordset over the law database in the manner of the old DAO recordsets: default
// SQL plus m_strFilter (without WHERE) and m_strSort (without ORDER BY), written in the Jet
// dialect and rewritten for SQLite. Every failure throws DaoException with the database's
// description. Rows are read as the cursor moves; after each move DoFieldExchange copies the
// current row into the members of a derived class.
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
    virtual void DoFieldExchange() {}

private:
    void step();
    int columnIndex(const QString& column) const;

    Database& m_database;
    sqlite3_stmt* m_pStatement = nullptr;
    bool m_bHasRow = false;
    bool m_bBeforeFirst = true;
    long m_nPosition = -1;
    long m_nVisited = 0;
};

// An ad-hoc read-only snapshot of an SQL text, its columns read by name.
class Snapshot : public Recordset {
public:
    Snapshot(Database& database, QString sql);
    QString GetDefaultSQL() const override { return m_strSql; }

private:
    QString m_strSql;
};

// Date conversions between the stored ISO-8601 texts and QDateTime (invalid = null).
QDateTime parseStoredDate(const QString& text);
QString formatStoredDate(const QDateTime& date);
