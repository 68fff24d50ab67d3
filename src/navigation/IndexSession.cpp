#include "navigation/IndexSession.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "db/ReportDaoError.h"

#include <QStringBuilder>

namespace {
const QString kSeparator = QStringLiteral(" - ");
const QByteArray kSeparatorUtf8 = QByteArrayLiteral(" - ");

// The rows of a list under the titles of amendments, their columns bound once by name and read
// as UTF-8: a row's text is joined from them and converted once.
class IndexSnapshot : public Snapshot {
public:
    using Snapshot::Snapshot;
    int m_ID = 0;
    QByteArray m_jmeno;
    QByteArray m_norma;
    QByteArray m_nazev;

protected:
    void DoFieldExchange() override {
        FieldLong(m_ID, "ID");
        FieldUtf8(m_jmeno, "jmeno");
        FieldUtf8(m_norma, "norma");
        FieldUtf8(m_nazev, "nazev");
    }
};

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
    const QString cond = filterCondition(nOblast, nTyp);
    QVector<int> ids;
    QStringList texts;
    m_arrDisplayTitles.clear();
    bool bRead = true;
    try {
        if (nChoice == ByNumber || nChoice == ByName)
            listRecordset(nChoice, cond, ids, texts);
        else if (nChoice == ByAmendment || nChoice == All)
            listSnapshot(nChoice, cond, ids, texts);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        bRead = false;
    }
    m_arrRowTexts = texts; // shares the texts with the model
    m_model.setRows(std::move(ids), std::move(texts));
    m_nPosition = 0;
    if (m_setStatusText)
        m_setStatusText(GetCounterText());
    return bRead;
}

void IndexSession::listRecordset(int nChoice, const QString& cond, QVector<int>& ids,
                                 QStringList& texts) {
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
    for (; !m_pRecordset->IsEOF(); m_pRecordset->MoveNext()) {
        ids << m_pRecordset->m_ID;
        if (byNumber)
            texts << (m_pRecordset->m_norma % kSeparator % m_pRecordset->m_jmeno);
        else
            texts << m_pRecordset->m_jmeno;
        m_arrDisplayTitles << m_pRecordset->GetDisplayName();
    }
}

void IndexSession::listSnapshot(int nChoice, const QString& cond, QVector<int>& ids,
                                QStringList& texts) {
    // Rows of these lists are looked up among all documents, whatever the filters.
    if (m_pRecordset) {
        m_pRecordset->m_strFilter.clear();
        m_pRecordset->m_strSort = QStringLiteral("dokument.ID");
        m_pRecordset->Requery();
    }
    if (!m_pDatabase)
        return;
    IndexSnapshot snapshot(*m_pDatabase, snapshotSql(nChoice, cond));
    if (nChoice == ByAmendment) {
        snapshot.m_strFilter = cond;
        snapshot.m_strSort = QStringLiteral("left(nazev, 255), left(norma, 255), left(jmeno, 255)");
    }
    snapshot.Open();
    QByteArray text;
    for (; !snapshot.IsEOF(); snapshot.MoveNext()) {
        ids << snapshot.m_ID;
        text.resize(0); // keeps the buffer
        // The full texts by number have no nazev; the lists by amendment always show it.
        if (nChoice == ByAmendment || !snapshot.m_nazev.isEmpty())
            text.append(snapshot.m_nazev).append(kSeparatorUtf8);
        text.append(snapshot.m_norma).append(kSeparatorUtf8).append(snapshot.m_jmeno);
        texts << QString::fromUtf8(text);
    }
}

int IndexSession::QuickFind(const QString& text) const {
    const qsizetype rows = m_arrRowTexts.size();
    if (text.isEmpty())
        return rows > 0 ? 0 : -1;
    // The first character rules out most rows before the whole start is compared; rows start
    // with numbers and Latin capitals, which fold without the Unicode tables.
    const char16_t first = text.front().toCaseFolded().unicode();
    for (qsizetype row = 0; row < rows; ++row) {
        const QString& candidate = m_arrRowTexts.at(row);
        if (candidate.isEmpty())
            continue;
        const char16_t c = candidate.front().unicode();
        const char16_t folded = c >= 0x80              ? QChar(c).toCaseFolded().unicode()
                                : c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A'))
                                                       : c;
        if (folded == first && candidate.startsWith(text, Qt::CaseInsensitive))
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
    if (row < m_arrDisplayTitles.size()) {
        display = m_arrDisplayTitles.at(row);
    } else if (m_pRecordset && m_pRecordset->IsOpen() && m_pDatabase) {
        // The kept recordset holds every document in identifier order here; finding one in it
        // from the top would read up to the whole collection on a click, so the same row is
        // read by its key.
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
