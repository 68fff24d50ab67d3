#include "navigation/ui/CsObsahPage.h"

#include "app/ReportDaoError.h"
#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "navigation/ListConditions.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/Messages.h"

#include <QComboBox>

void CsObsahPage::InitControls() {
    // The first fill runs before the combos are filled, so it never uses them.
    CsListFormPage::InitControls();
    m_cbOblast = qobject_cast<QComboBox*>(GetDlgItem(1023));
    m_cbTyp = qobject_cast<QComboBox*>(GetDlgItem(1003));
    FillOblastCombo();
    FillTypCombo();
    auto* zobraz = qobject_cast<QComboBox*>(GetDlgItem(1046));
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
    if (auto* zobraz = qobject_cast<QComboBox*>(GetDlgItem(1046)))
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
        ShowMessage(61476);
}
