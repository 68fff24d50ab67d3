#include "db/Recordset.h"

#include "db/DaoException.h"
#include "db/Database.h"
#include "db/JetDialect.h"

#include <QRegularExpression>
#include <cstring>
#include <sqlite3.h>

namespace {
QString noCurrentRecord() {
    return QStringLiteral("Žádný aktuální záznam.");
}

// A FindFirst criterion "column = value" with a number or a quoted text as value.
struct Criterion {
    QString column;
    bool isText = false;
    qint64 number = 0;
    QString text;
};

Criterion parseCriterion(const QString& criteria) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*\(?\s*\[?([\w.\[\]]+?)\]?\s*=\s*(-?\d+|'(?:[^']|'')*'|"(?:[^"]|"")*")\s*\)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(criteria);
    if (!match.hasMatch())
        throw DaoException(QStringLiteral("Nepodporované kritérium hledání: %1").arg(criteria));
    Criterion criterion;
    criterion.column = match.captured(1).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const QString value = match.captured(2);
    if (value.startsWith(QLatin1Char('\'')) || value.startsWith(QLatin1Char('"'))) {
        const QChar quote = value[0];
        criterion.isText = true;
        criterion.text = value.mid(1, value.size() - 2).replace(QString(2, quote), QString(quote));
    } else {
        criterion.number = value.toLongLong();
    }
    return criterion;
}
// The column's value converted from its bytes, converting again only when the bytes differ from
// those the same binding held on the previous row.
template <typename Value, typename Convert>
const Value& convertedOnChange(std::vector<std::pair<QByteArray, Value>>& cache, std::size_t slot,
                               const char* bytes, int size, Convert convert) {
    if (cache.size() <= slot)
        cache.resize(slot + 1);
    auto& [cachedBytes, cachedValue] = cache[slot];
    if (cachedBytes.size() != size ||
        (size > 0 &&
         std::memcmp(cachedBytes.constData(), bytes, static_cast<std::size_t>(size)) != 0)) {
        cachedBytes.resize(size); // keeps the buffer: values of one column have similar lengths
        if (size > 0)
            std::memcpy(cachedBytes.data(), bytes, static_cast<std::size_t>(size));
        cachedValue = convert(bytes, size);
    }
    return cachedValue;
}
} // namespace

Recordset::Recordset(Database& database) : m_database(database) {}

Recordset::~Recordset() {
    finalize();
}

void Recordset::Open() {
    Close();
    prepare();
    m_bCheckingBindings = true;
    exchange();
    m_bCheckingBindings = false;
    restart();
}

void Recordset::Requery() {
    Open();
}

void Recordset::Close() {
    finalize();
    m_bHasRow = false;
    m_nPosition = -1;
    m_nVisited = 0;
}

bool Recordset::IsOpen() const {
    return m_pStatement != nullptr;
}

bool Recordset::IsEOF() const {
    return !m_bHasRow;
}

bool Recordset::IsBOF() const {
    return !m_bHasRow && m_nVisited == 0;
}

void Recordset::MoveFirst() {
    if (!m_pStatement)
        throw DaoException(noCurrentRecord());
    if (m_nPosition != 0)
        restart();
}

void Recordset::MoveNext() {
    requireRow();
    step();
    if (m_bHasRow) {
        ++m_nPosition;
        m_nVisited = std::max(m_nVisited, m_nPosition + 1);
        exchange();
    } else {
        m_nPosition = -1;
    }
}

long Recordset::GetRecordCount() const {
    return m_nVisited;
}

long Recordset::GetAbsolutePosition() const {
    return m_bHasRow ? m_nPosition : -1;
}

bool Recordset::FindFirst(const QString& criteria) {
    if (!m_pStatement)
        throw DaoException(noCurrentRecord());
    const Criterion criterion = parseCriterion(criteria);
    const int column = columnIndex(criterion.column);
    const long previous = m_nPosition;
    const QByteArray text = criterion.text.toUtf8();
    // The rows are read without copying them into the members until the match is found.
    sqlite3_reset(m_pStatement);
    long position = 0;
    for (;;) {
        step();
        if (!m_bHasRow)
            break;
        bool found = false;
        const int type = sqlite3_column_type(m_pStatement, column);
        if (criterion.isText) {
            if (type != SQLITE_NULL) {
                const auto* value =
                    reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, column));
                const int bytes = sqlite3_column_bytes(m_pStatement, column);
                found =
                    QString::fromUtf8(value, bytes).compare(criterion.text, Qt::CaseInsensitive) ==
                    0;
            }
        } else if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            found = sqlite3_column_int64(m_pStatement, column) == criterion.number;
        } else if (type == SQLITE_TEXT) {
            bool ok = false;
            const qint64 value = QString::fromUtf8(reinterpret_cast<const char*>(
                                                       sqlite3_column_text(m_pStatement, column)))
                                     .toLongLong(&ok);
            found = ok && value == criterion.number;
        }
        if (found) {
            m_nPosition = position;
            m_nVisited = std::max(m_nVisited, position + 1);
            exchange();
            return true;
        }
        ++position;
    }
    // Not found: back to the row the recordset stood on (the scan has left it past the end).
    if (previous < 0) {
        m_nPosition = -1;
        return false;
    }
    restart();
    while (m_bHasRow && m_nPosition < previous) {
        step();
        if (m_bHasRow)
            ++m_nPosition;
    }
    if (m_bHasRow)
        exchange();
    else
        m_nPosition = -1;
    return false;
}

QVariant Recordset::GetFieldValue(const QString& column) const {
    requireRow();
    const int index = columnIndex(column);
    switch (sqlite3_column_type(m_pStatement, index)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_pStatement, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_pStatement, index));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index)),
            sqlite3_column_bytes(m_pStatement, index)));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_pStatement, index));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_pStatement, index)));
    }
    default:
        return QVariant();
    }
}

QString Recordset::GetFieldText(const QString& column) const {
    requireRow();
    const int index = columnIndex(column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_pStatement, index)) : QString();
}

int Recordset::GetFieldInt(const QString& column) const {
    requireRow();
    return sqlite3_column_int(m_pStatement, columnIndex(column));
}

QDateTime Recordset::GetFieldDate(const QString& column) const {
    requireRow();
    const int index = columnIndex(column);
    if (sqlite3_column_type(m_pStatement, index) != SQLITE_TEXT)
        return QDateTime();
    return parseStoredDate(reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index)),
                           sqlite3_column_bytes(m_pStatement, index));
}

QByteArray Recordset::GetFieldBytes(const QString& column) const {
    requireRow();
    const int index = columnIndex(column);
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_pStatement, index));
    return QByteArray(data, sqlite3_column_bytes(m_pStatement, index));
}

QString Recordset::BuildSql() const {
    return buildRecordsetSql(GetDefaultSQL(), m_strFilter, m_strSort, m_database.sortKeys());
}

void Recordset::FieldLong(int& value, const char* column) {
    const int index = boundColumn(column);
    if (!m_bCheckingBindings)
        value = sqlite3_column_int(m_pStatement, index);
}

void Recordset::FieldByte(quint8& value, const char* column) {
    const int index = boundColumn(column);
    if (!m_bCheckingBindings)
        value = static_cast<quint8>(sqlite3_column_int(m_pStatement, index));
}

void Recordset::FieldTextRepeating(QString& value, const char* column) {
    const int index = boundColumn(column);
    if (m_bCheckingBindings)
        return;
    // The bytes must be asked for after the text, as SQLite converts on the first call.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    const int bytes = sqlite3_column_bytes(m_pStatement, index);
    value =
        convertedOnChange(m_textCache, m_nNextBinding - 1, text, bytes,
                          [](const char* utf8, int size) { return QString::fromUtf8(utf8, size); });
}

void Recordset::FieldUtf8(QByteArray& value, const char* column) {
    const int index = boundColumn(column);
    if (m_bCheckingBindings)
        return;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    const int bytes = sqlite3_column_bytes(m_pStatement, index);
    value.resize(bytes); // keeps the buffer
    if (bytes > 0)
        std::memcpy(value.data(), text, static_cast<std::size_t>(bytes));
}

void Recordset::FieldDeferred(const char* column) {
    boundColumn(column);
}

void Recordset::FieldText(QString& value, const char* column) {
    const int index = boundColumn(column);
    if (m_bCheckingBindings)
        return;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    if (text)
        value = QString::fromUtf8(text, sqlite3_column_bytes(m_pStatement, index));
    else
        value.clear();
}

void Recordset::FieldDate(QDateTime& value, const char* column) {
    const int index = boundColumn(column);
    if (m_bCheckingBindings)
        return;
    if (sqlite3_column_type(m_pStatement, index) != SQLITE_TEXT) {
        value = QDateTime();
        return;
    }
    // Many rows carry the same day. The bytes are asked for after the text, as SQLite converts on
    // the first call.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, index));
    const int bytes = sqlite3_column_bytes(m_pStatement, index);
    value =
        convertedOnChange(m_dateCache, m_nNextBinding - 1, text, bytes,
                          [](const char* utf8, int size) { return parseStoredDate(utf8, size); });
}

void Recordset::FieldBinary(QByteArray& value, const char* column) {
    const int index = boundColumn(column);
    if (m_bCheckingBindings)
        return;
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_pStatement, index));
    value = QByteArray(data, sqlite3_column_bytes(m_pStatement, index));
}

void Recordset::prepare() {
    const QByteArray sql = BuildSql().toUtf8();
    sqlite3* db = m_database.handle();
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &m_pStatement,
                           nullptr) != SQLITE_OK) {
        const QString error = sqliteErrorText(db);
        finalize();
        throw DaoException(error);
    }
    if (!m_pStatement)
        throw DaoException(QStringLiteral("Prázdný příkaz SQL."));
    m_columns.clear();
    const int count = sqlite3_column_count(m_pStatement);
    for (int i = 0; i < count; ++i)
        m_columns << QString::fromUtf8(sqlite3_column_name(m_pStatement, i));
    m_boundColumns.clear();
    m_dateCache.clear();
    m_textCache.clear();
}

void Recordset::finalize() {
    sqlite3_finalize(m_pStatement);
    m_pStatement = nullptr;
}

void Recordset::restart() {
    sqlite3_reset(m_pStatement);
    m_nPosition = -1;
    step();
    if (m_bHasRow) {
        m_nPosition = 0;
        m_nVisited = std::max(m_nVisited, 1L);
        exchange();
    }
}

void Recordset::step() {
    const int rc = sqlite3_step(m_pStatement);
    if (rc == SQLITE_ROW) {
        m_bHasRow = true;
        return;
    }
    m_bHasRow = false;
    if (rc != SQLITE_DONE) {
        const QString error = sqliteErrorText(m_database.handle());
        sqlite3_reset(m_pStatement);
        throw DaoException(error);
    }
}

void Recordset::exchange() {
    m_nNextBinding = 0;
    DoFieldExchange();
}

void Recordset::requireRow() const {
    if (!m_pStatement || !m_bHasRow)
        throw DaoException(noCurrentRecord());
}

int Recordset::findColumn(QStringView column) const {
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (column.compare(m_columns[i], Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int Recordset::columnIndex(const QString& column) const {
    int index = findColumn(column);
    // "table.column" names the column "column" of the result.
    if (index < 0 && column.contains(QLatin1Char('.')))
        index = findColumn(QStringView(column).mid(column.lastIndexOf(QLatin1Char('.')) + 1));
    if (index < 0)
        throw DaoException(
            QStringLiteral("Položka '%1' nebyla v této kolekci nalezena.").arg(column));
    return index;
}

int Recordset::boundColumn(const char* column) {
    if (m_nNextBinding < m_boundColumns.size())
        return m_boundColumns[m_nNextBinding++];
    const int index = columnIndex(QString::fromLatin1(column));
    m_boundColumns.push_back(index);
    ++m_nNextBinding;
    return index;
}

Snapshot::Snapshot(Database& database, QString sql)
    : Recordset(database), m_strSql(std::move(sql)) {}
