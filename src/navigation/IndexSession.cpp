#include "navigation/IndexSession.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "db/ReportDaoError.h"

#include <QStringBuilder>
#include <algorithm>
#include <limits>

// The rows of a list under the titles of amendments, their columns bound once by name and read
// as UTF-8: a row's text is joined from them and converted once.
class IndexSnapshot : public Snapshot {
public:
    using Snapshot::Snapshot;
    int m_ID = 0;
    QByteArray m_jmeno;
    QByteArray m_norma;
    QByteArray m_nazev;
    QByteArray m_text;

protected:
    void DoFieldExchange() override {
        FieldLong(m_ID, "ID");
        FieldUtf8(m_jmeno, "jmeno");
        FieldUtf8(m_norma, "norma");
        FieldUtf8(m_nazev, "nazev");
    }
};

namespace {
const QString kSeparator = QStringLiteral(" - ");
const QByteArray kSeparatorUtf8 = QByteArrayLiteral(" - ");

// The case-folded first letter of a row that is not empty. Rows start with numbers and Latin
// capitals, which fold without the Unicode tables.
char16_t foldedFirstLetter(QByteArrayView utf8) {
    const auto c = static_cast<unsigned char>(utf8.front());
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : char16_t(c);
    return QString::fromUtf8(utf8.first(std::min<qsizetype>(4, utf8.size())))
        .front()
        .toCaseFolded()
        .unicode();
}

QString withAnd(const QString& cond) {
    return cond.isEmpty() ? cond : QStringLiteral(" AND ") + cond;
}

// The snapshot of a list that names its documents under the titles of their amendments.
QString snapshotSql(int nChoice, const QString& cond) {
    if (nChoice == IndexSession::ByAmendment)
        return QStringLiteral("SELECT DISTINCTROW dokument.ID, jmeno, norma, nazev  FROM "
                              "dokumentNorma INNER JOIN (dokument LEFT JOIN dokumentOblast ON "
                              "dokument.ID = dokumentOblast.dokument) ON dokument.ID = "
                              "dokumentNorma.dokument");
    // The area and type filter narrows only the first half, the full texts by number.
    return QStringLiteral("SELECT DISTINCTROW ID, jmeno, norma, null as nazev, left(norma, 255) "
                          "AS poradi FROM dokument LEFT JOIN dokumentOblast ON dokument.ID = "
                          "dokumentOblast.dokument WHERE dokument.pohled = 1 AND dokument.Norma "
                          "Is Not Null ") +
           withAnd(cond) +
           QStringLiteral(" UNION ALL SELECT ID, jmeno, norma, nazev, left(nazev, 255) AS poradi "
                          "FROM dokument INNER JOIN dokumentNorma ON dokument.ID = "
                          "dokumentNorma.dokument ORDER BY poradi");
}
} // namespace

IndexSession::IndexSession(Database* database) : m_pDatabase(database) {}

IndexSession::~IndexSession() = default;

void IndexSession::InitBaseCondition() {
    m_pRecordset.reset();
    if (!m_pDatabase)
        return;
    try {
        auto recordset = std::make_unique<CrDokument>(*m_pDatabase);
        recordset->Open();
        m_pRecordset = std::move(recordset);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
}

bool IndexSession::FillIndex(int nChoice, int nOblast, int nTyp) {
    bool bRead = Start(nChoice, nOblast, nTyp);
    while (FetchMore(std::numeric_limits<int>::max())) {
    }
    bRead = bRead && !m_bFetchFailed;
    if (m_setStatusText)
        m_setStatusText(GetCounterText());
    return bRead;
}

bool IndexSession::Start(int nChoice, int nOblast, int nTyp) {
    const QString cond = filterCondition(nOblast, nTyp);
    m_pSnapshot.reset();
    m_bFetching = false;
    m_bFetchFailed = false;
    m_nFetchChoice = nChoice;
    m_model.clear();
    m_nPosition = 0;
    try {
        if (nChoice == ByNumber || nChoice == ByName)
            startRecordset(nChoice, cond);
        else if (nChoice == ByAmendment || nChoice == All)
            startSnapshot(nChoice, cond);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        m_pSnapshot.reset();
        m_bFetchFailed = true;
        return false;
    }
    return true;
}

bool IndexSession::FetchMore(int nMaxRows) {
    if (!m_bFetching)
        return false;
    const bool bRecordset = m_nFetchChoice == ByNumber || m_nFetchChoice == ByName;
    Recordset& rows = bRecordset ? static_cast<Recordset&>(*m_pRecordset) : *m_pSnapshot;
    QVector<int> ids;
    PackedTexts texts;
    try {
        for (int n = 0; n < nMaxRows && !rows.IsEOF(); ++n, rows.MoveNext()) {
            if (bRecordset)
                readRecordsetRow(ids, texts);
            else
                readSnapshotRow(ids, texts);
        }
        m_bFetching = !rows.IsEOF();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        m_bFetchFailed = true;
        m_bFetching = false;
    }
    m_model.appendRows(ids, texts);
    if (!m_bFetching)
        m_pSnapshot.reset();
    return m_bFetching;
}

void IndexSession::startRecordset(int nChoice, const QString& cond) {
    if (!m_pRecordset)
        return;
    const bool byNumber = nChoice == ByNumber;
    m_pRecordset->m_strFilter =
        (byNumber ? QStringLiteral("(dokument.pohled = 1) AND (dokument.Norma Is Not Null)")
                  : QStringLiteral("(dokument.pohled = 1)")) +
        withAnd(cond);
    m_pRecordset->m_strSort = byNumber ? QStringLiteral("left(dokument.norma, 255)")
                                       : QStringLiteral("left(dokument.jmeno, 255)");
    m_pRecordset->Requery();
    m_bFetching = true;
}

void IndexSession::readRecordsetRow(QVector<int>& ids, PackedTexts& texts) {
    ids << m_pRecordset->m_ID;
    if (m_nFetchChoice == ByNumber)
        texts.append(QString(m_pRecordset->m_norma % kSeparator % m_pRecordset->m_jmeno));
    else
        texts.append(m_pRecordset->m_jmeno);
}

void IndexSession::startSnapshot(int nChoice, const QString& cond) {
    // Rows of these lists are looked up among all documents, whatever the filters.
    if (m_pRecordset) {
        m_pRecordset->m_strFilter.clear();
        m_pRecordset->m_strSort = QStringLiteral("dokument.ID");
        m_pRecordset->Requery();
    }
    if (!m_pDatabase)
        return;
    m_pSnapshot = std::make_unique<IndexSnapshot>(*m_pDatabase, snapshotSql(nChoice, cond));
    if (nChoice == ByAmendment) {
        m_pSnapshot->m_strFilter = cond;
        m_pSnapshot->m_strSort =
            QStringLiteral("left(nazev, 255), left(norma, 255), left(jmeno, 255)");
    }
    m_pSnapshot->Open();
    m_bFetching = true;
}

void IndexSession::readSnapshotRow(QVector<int>& ids, PackedTexts& texts) {
    IndexSnapshot& row = *m_pSnapshot;
    ids << row.m_ID;
    QByteArray& text = row.m_text;
    text.resize(0); // keeps the buffer
    // The full texts by number have no nazev; the lists by amendment always show it.
    if (m_nFetchChoice == ByAmendment || !row.m_nazev.isEmpty())
        text.append(row.m_nazev).append(kSeparatorUtf8);
    text.append(row.m_norma).append(kSeparatorUtf8).append(row.m_jmeno);
    texts.append(text);
}

int IndexSession::QuickFind(const QString& text) const {
    // The model's own texts, converted only where their first letter matches.
    const PackedTexts& texts = m_model.names();
    const qsizetype rows = texts.size();
    if (text.isEmpty())
        return rows > 0 ? 0 : -1;
    const char16_t first = text.front().toCaseFolded().unicode();
    // A UTF-16 unit of the typed text takes at most three bytes of a row.
    const qsizetype prefixBytes = 3 * text.size();
    for (qsizetype row = 0; row < rows; ++row) {
        const QByteArrayView candidate = texts.utf8At(row);
        if (candidate.isEmpty() || foldedFirstLetter(candidate) != first)
            continue;
        if (QString::fromUtf8(candidate.first(std::min(prefixBytes, candidate.size())))
                .startsWith(text, Qt::CaseInsensitive))
            return static_cast<int>(row);
    }
    return -1;
}

int IndexSession::OpenRow(int row, QString& title) {
    if (row < 0 || row >= GetRowCount())
        return 0;
    const int id = m_model.idAt(row);
    title = m_model.nameAt(row);
    QString display;
    bool found = true;
    if (m_pRecordset && m_pRecordset->IsOpen() && m_pDatabase) {
        // Finding the document in the kept recordset from the top would read up to the whole
        // collection on a click, so its row is read by its key.
        try {
            CrDokument dokument(*m_pDatabase);
            dokument.m_strFilter = QStringLiteral("ID = %1").arg(id);
            dokument.Open();
            if (!dokument.IsEOF())
                display = dokument.GetDisplayName();
        } catch (const DaoException& e) {
            // The document is not opened, but the row counts as chosen.
            ReportDaoError(0, e);
            found = false;
        }
    }
    if (!display.isEmpty())
        title = display;
    m_nPosition = row + 1;
    if (m_setStatusText)
        m_setStatusText(GetCounterText());
    return found ? id : 0;
}

QString IndexSession::GetCounterText() const {
    return QStringLiteral("(%1/%2)").arg(m_nPosition).arg(GetRowCount());
}
