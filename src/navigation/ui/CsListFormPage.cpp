#include "navigation/ui/CsListFormPage.h"

#include "navigation/DocumentListModel.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/SlicedFetch.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/LaunchFlags.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QItemSelectionModel>
#include <QListView>

CsListFormPage::CsListFormPage(int nTemplateId, CTvFormView& host, NavigationApp& app)
    : CsFormPage(nTemplateId, host, app), m_session(app.database(), nTemplateId),
      m_pFetch(new SlicedFetch(
          this, [this](int nMaxRows) { return m_session.FetchMore(nMaxRows); },
          [this] {
              // The whole count, once the last part is in.
              if (isVisible())
                  ShowCounter();
          })) {}

void CsListFormPage::InitBaseCondition() {
    m_strBaseCondition = m_session.m_strBaseCondition;
}

void CsListFormPage::InitControls() {
    m_list = qobject_cast<QListView*>(GetDlgItem(IDC_LIST));
    if (!m_list)
        return;
    m_pModel = m_session.model();
    m_list->setModel(m_pModel);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) { OnSelectionChanged(selected); });
    // After a start through the tavlin: protocol the first list page leaves its list empty;
    // the main window fills it once the link has been served.
    if (g_bSkipContentsFill) {
        g_bSkipContentsFill = 0;
        return;
    }
    FillList(QString());
}

int CsListFormPage::GetRowCount() const {
    return m_pModel ? m_pModel->rowCount() : 0;
}

QString CsListFormPage::GetCounterText() const {
    return m_session.GetCounterText(m_nPosition);
}

void CsListFormPage::FillList(const QString& strFilter) {
    if (!m_list)
        return;
    const WaitCursor wait;
    m_pFetch->stop();
    // A failed fill keeps the rows listed before it.
    if (m_session.Start(strFilter))
        m_pFetch->begin();
    m_nPosition = 0;
    ShowCounter();
}

void CsListFormPage::OnSelectionChanged(const QItemSelection& selected) {
    if (selected.isEmpty() || selected.indexes().isEmpty())
        return;
    OpenRow(selected.indexes().first().row());
}

void CsListFormPage::OpenRow(int nRow) {
    if (!m_pModel || nRow < 0 || nRow >= m_pModel->rowCount())
        return;
    QString title;
    bool bFound;
    {
        const WaitCursor wait;
        bFound = m_session.RowTitle(nRow, title);
    }
    if (bFound)
        m_pHost->ShowDocument(m_pModel->idAt(nRow), title, QString(), nullptr);
    m_nPosition = nRow + 1;
    ShowCounter();
}
