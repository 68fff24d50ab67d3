#include "navigation/ui/CsObsahPage.h"

#include "db/ListConditions.h"
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
    if (!m_app.database())
        return;
    const WaitCursor wait;
    if (auto* zobraz = qobject_cast<QComboBox*>(GetDlgItem(IDC_ZOBRAZ)))
        m_nZobraz = zobraz->currentIndex();
    const QString filter =
        joinConditions({m_strBaseCondition, GetFilterCondition(), GetNovelizaceCondition()});
    bool bFailed = false;
    if (m_session.HasAny(filter, bFailed))
        FillList(filter);
    else if (!bFailed)
        ShowMessage(IDS_NO_RECORD_FOR_CHOICE);
}
