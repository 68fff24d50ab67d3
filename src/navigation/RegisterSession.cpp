#include "navigation/RegisterSession.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ReportDaoError.h"

namespace {
const QString kRegisterCondition = QStringLiteral("(dokument.pohled = 2)");
} // namespace

RegisterSession::RegisterSession(Database* database) : m_pDatabase(database) {}

RegisterSession::~RegisterSession() = default;

void RegisterSession::InitBaseCondition() {
    m_pRecordset.reset();
    if (!m_pDatabase)
        return;
    try {
        auto recordset = std::make_unique<CrDokument>(*m_pDatabase);
        recordset->m_strSort = QStringLiteral("(dokument.poradi)");
        recordset->m_strFilter = kRegisterCondition;
        recordset->Open();
        m_pRecordset = std::move(recordset);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
}

QVector<LookupRow> RegisterSession::LoadFields() const {
    QVector<LookupRow> fields;
    if (m_pDatabase)
        readLookupRows(*m_pDatabase, Lookup::Obor, fields);
    return fields;
}

bool RegisterSession::FillTree(int obor) {
    m_bTreeReady = false;
    RegisterTree tree;
    bool bRead = true;
    if (m_pRecordset) {
        QVector<int> levels;
        QVector<int> ids;
        QStringList names;
        try {
            m_pRecordset->m_strFilter =
                QStringLiteral("(dokument.pohled = 2) AND (dokument.obor = %1)").arg(obor);
            m_pRecordset->Requery();
            for (; !m_pRecordset->IsEOF(); m_pRecordset->MoveNext()) {
                levels << m_pRecordset->m_uroven;
                ids << m_pRecordset->m_ID;
                names << m_pRecordset->m_jmeno;
            }
        } catch (const DaoException& e) {
            ReportDaoError(0, e);
            bRead = false;
        }
        // Entry i becomes item itemOf[i]; a skipped entry has none.
        const QVector<int> parents = registerParents(levels);
        QVector<int> itemOf(parents.size(), kRegisterSkipped);
        for (qsizetype i = 0; i < parents.size(); ++i) {
            const int parent = parents[i];
            if (parent == kRegisterSkipped)
                continue;
            itemOf[i] =
                tree.add(ids[i], names[i], parent == kRegisterTop ? kRegisterTop : itemOf[parent]);
        }
    }
    m_model.setTree(std::move(tree));
    m_bTreeReady = true;
    m_nPosition = 0;
    if (m_setStatusText)
        m_setStatusText(GetCounterText());
    return bRead;
}

int RegisterSession::OpenItem(int item, QString& title) {
    if (item < 0 || item >= tree().size())
        return 0;
    const int id = tree().item(item).id;
    title = tree().item(item).jmeno;
    if (m_pRecordset) {
        try {
            if (m_pRecordset->FindFirst(QStringLiteral("ID = %1").arg(id))) {
                const QString display = m_pRecordset->GetDisplayName();
                if (!display.isEmpty())
                    title = display;
            }
            m_nPosition = static_cast<int>(m_pRecordset->GetAbsolutePosition()) + 1;
        } catch (const DaoException& e) {
            ReportDaoError(0, e);
            return 0;
        }
    }
    return id;
}

QString RegisterSession::GetCounterText() const {
    return QStringLiteral("(%1/%2)").arg(m_nPosition).arg(tree().size());
}
