#include "navigation/ui/CsRejstrikPage.h"

#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/LaunchFlags.h"
#include "platform/ResourceIds.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTreeView>

CsRejstrikPage::CsRejstrikPage(CTvFormView& host, NavigationApp& app)
    : CsFormPage(IDD_REJSTRIK, host, app), m_session(app.database()) {
    m_session.m_setStatusText = [this](const QString& text) { m_app.SetStatusText(text); };
}

void CsRejstrikPage::InitBaseCondition() {
    m_session.InitBaseCondition();
}

void CsRejstrikPage::InitControls() {
    m_tree = qobject_cast<QTreeView*>(GetDlgItem(IDC_TREE));
    m_cbObor = qobject_cast<QComboBox*>(GetDlgItem(IDC_OBOR));
    if (m_tree) {
        m_tree->setModel(m_session.model());
        // The selection, not the current item: focusing the tree makes an item current
        // without choosing it.
        connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this](const QItemSelection& selected) {
                    if (!selected.indexes().isEmpty())
                        OnSelChanged(selected.indexes().first());
                });
    }
    if (m_cbObor) {
        // The typed text only searches the sorted rows; it never becomes a row of its own.
        m_cbObor->setInsertPolicy(QComboBox::NoInsert);
        connect(m_cbObor, &QComboBox::activated, this, [this] {
            const WaitCursor wait;
            FillTree();
        });
    }
    FillOborCombo();
    // After a start through the tavlin: protocol the tree stays empty until the main window
    // fills it once the link has been served.
    if (g_bSkipRegisterFill) {
        g_bSkipRegisterFill = 0;
        return;
    }
    FillTree();
}

void CsRejstrikPage::FillOborCombo() {
    if (!m_cbObor)
        return;
    const QSignalBlocker blocker(m_cbObor);
    m_cbObor->clear();
    for (const LookupRow& field : m_session.LoadFields())
        m_cbObor->addItem(field.text, field.id);
    m_cbObor->setCurrentIndex(0);
}

void CsRejstrikPage::FillTree() {
    if (!m_tree)
        return;
    const int obor = m_cbObor ? m_cbObor->currentData().toInt() : 0;
    m_tree->setUpdatesEnabled(false);
    m_session.FillTree(obor);
    m_tree->setUpdatesEnabled(true);
}

QString CsRejstrikPage::GetCounterText() const {
    return m_session.GetCounterText();
}

void CsRejstrikPage::OnSelChanged(const QModelIndex& current) {
    // Rebuilding the tree moves the selection; that opens nothing.
    if (!m_session.m_bTreeReady)
        return;
    const int item = m_session.model()->itemAt(current);
    if (item < 0)
        return;
    QString title;
    if (const int id = m_session.OpenItem(item, title))
        m_pHost->ShowDocument(id, title, QString(), nullptr);
}
