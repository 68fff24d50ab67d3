#include "navigation/ui/CsIndexPage.h"

#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/SlicedFetch.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/LaunchFlags.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

CsIndexPage::CsIndexPage(CTvFormView& host, NavigationApp& app)
    : CsFormPage(IDD_INDEX, host, app), m_session(app.database()),
      m_pFetch(new SlicedFetch(
          this, [this](int nMaxRows) { return m_session.FetchMore(nMaxRows); },
          [this] {
              // The whole count, once the last part is in.
              if (isVisible())
                  ShowCounter();
          })) {
    m_session.m_setStatusText = [this](const QString& text) { m_app.SetStatusText(text); };
}

void CsIndexPage::InitControls() {
    m_list = qobject_cast<QListView*>(GetDlgItem(IDC_LIST));
    m_cbOblast = qobject_cast<QComboBox*>(GetDlgItem(IDC_OBLAST));
    m_cbTyp = qobject_cast<QComboBox*>(GetDlgItem(IDC_TYP));
    m_cbIndex = qobject_cast<QComboBox*>(GetDlgItem(IDC_INDEX_CHOICE));
    m_editQuickFind = qobject_cast<QLineEdit*>(GetDlgItem(IDC_QUICK_FIND));
    FillOblastCombo();
    FillTypCombo();
    if (m_cbIndex) {
        const QSignalBlocker blocker(m_cbIndex);
        m_cbIndex->clear();
        for (int choice = 0; choice < IndexSession::kChoiceCount; ++choice)
            m_cbIndex->addItem(LoadResString(IDS_INDEX_BY_NUMBER + choice));
        m_cbIndex->setCurrentIndex(0);
    }
    for (QComboBox* combo : {m_cbOblast, m_cbTyp, m_cbIndex}) {
        if (combo)
            connect(combo, &QComboBox::activated, this, [this] {
                const WaitCursor wait;
                FillIndex();
            });
    }
    if (m_editQuickFind)
        connect(m_editQuickFind, &QLineEdit::textChanged, this, [this] { QuickFind(); });
    if (m_list) {
        m_list->setModel(m_session.model());
        connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this](const QItemSelection& selected) {
                    if (!selected.indexes().isEmpty())
                        OpenRow(selected.indexes().first().row());
                });
    }
    // After a start through the tavlin: protocol the list stays empty until the main window
    // fills it once the link has been served.
    if (g_bSkipIndexFill) {
        g_bSkipIndexFill = 0;
        return;
    }
    fillWhenShown();
}

void CsIndexPage::fillWhenShown() {
    if (isVisible())
        FillIndex();
    else
        m_bFillWhenShown = true;
}

void CsIndexPage::showEvent(QShowEvent* event) {
    CsFormPage::showEvent(event);
    if (m_bFillWhenShown)
        FillIndex();
}

QString CsIndexPage::GetCounterText() const {
    return m_session.GetCounterText();
}

void CsIndexPage::FillIndex() {
    m_bFillWhenShown = false;
    // The kept recordset is opened with the first list: an open statement would hold a read
    // lock on the collection for as long as the page waits to be shown.
    if (!m_bBaseOpened) {
        m_bBaseOpened = true;
        m_session.InitBaseCondition();
    }
    const int choice = m_cbIndex ? m_cbIndex->currentIndex() : -1;
    const int oblast = m_cbOblast ? m_cbOblast->currentData().toInt() : 0;
    const int typ = m_cbTyp ? m_cbTyp->currentData().toInt() : -1;
    if (m_list)
        m_list->setUpdatesEnabled(false);
    m_pFetch->stop();
    if (m_session.Start(choice, oblast, typ))
        m_pFetch->begin();
    ShowCounter();
    if (m_list)
        m_list->setUpdatesEnabled(true);
}

void CsIndexPage::QuickFind() {
    if (m_editQuickFind)
        m_strQuickFind = m_editQuickFind->text();
    if (!m_list)
        return;
    // The first row that starts with the text may not have been read yet.
    m_pFetch->finish();
    const int row = m_session.QuickFind(m_strQuickFind);
    const QAbstractItemModel* model = m_list->model();
    const int rowHeight = m_list->sizeHintForRow(0);
    const int rowsPerPage = rowHeight > 0 ? m_list->viewport()->height() / rowHeight : 0;
    // Making the row a page further down visible first leaves the row itself at the top once it
    // is made visible again. With no match only the middle step does anything.
    m_list->setUpdatesEnabled(false);
    for (int target : {row, row + rowsPerPage + 1, row})
        m_list->scrollTo(model->index(target, 0), QAbstractItemView::EnsureVisible);
    m_list->setUpdatesEnabled(true);
}

void CsIndexPage::OpenRow(int nRow) {
    QString title;
    if (const int id = m_session.OpenRow(nRow, title))
        m_pHost->ShowDocument(id, title, QString(), nullptr);
}
