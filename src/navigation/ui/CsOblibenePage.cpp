#include "navigation/ui/CsOblibenePage.h"

#include "platform/ResourceIds.h"

CsOblibenePage::CsOblibenePage(CTvFormView& host, NavigationApp& app)
    : CsListFormPage(IDD_OBLIBENE, host, app) {}

void CsOblibenePage::FillList(const QString&) {}

void CsOblibenePage::DeleteAllItems() {
    m_session.Clear();
}

void CsOblibenePage::AddItem(int id, const QString& text) {
    m_session.AppendRow(id, text);
}
