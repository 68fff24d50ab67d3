#include "navigation/ui/CsObsahPage.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ListConditions.h"
#include "db/ReportDaoError.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"

#include <QComboBox>

void CsObsahPage::InitControls() {
    // The first fill runs before the combos are filled, so it never uses them.
    CsListFormPage::InitControls();
    m_cbOblast = qobject_cast<QComboBox*>(GetDlgItem(IDC_OBLAST));
    m_cbTyp = qobject_cast<QComboBox*>(GetDlgItem(IDC_TYP));
    FillOblastCombo();
    FillTypCombo();
    auto* zobraz = qobject_cast<QComboBox*>(GetDlgItem(IDC_ZOBRAZ));
    if (zobraz)
        zobraz->setCurrentIndex(m_nZobraz);
    for (QComboBox* combo : {m_cbOblast, m_cbTyp, zobraz}) {
        if (combo)
            connect(combo, &QComboBox::activated, this, [this] { OnFilterChange(); });
    }
}

void CsObsahPage::OnFilterChange() {
    Database* database = m_app.database();
    if (!database)
        return;
    const WaitCursor wait;
    if (auto* zobraz = qobject_cast<QComboBox*>(GetDlgItem(IDC_ZOBRAZ)))
        m_nZobraz = zobraz->currentIndex();
    const QString filter =
        joinConditions({m_strBaseCondition, GetFilterCondition(), GetNovelizaceCondition()});
    bool bAny = false;
    try {
        // Only whether anything matches; the fill below sorts.
        CrDokument dokument(*database);
        dokument.m_strFilter = filter;
        dokument.Open();
        bAny = !dokument.IsEOF();
        dokument.Close();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return;
    }
    if (bAny)
        FillList(filter);
    else
        ShowMessage(IDS_NO_RECORD_FOR_CHOICE);
}
