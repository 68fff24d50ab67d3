#include "search/ui/CsHledatPage.h"

#include "db/DaoException.h"
#include "db/Database.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/BackgroundSearch.h"
#include "search/SearchResultModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTreeView>

namespace {
constexpr int kNumberColumnWidth = 100;
constexpr int kNameColumnMargin = 121;

// The search's own read-only connection; without one it shares the pages' connection.
std::unique_ptr<Database> searchConnection(Database* database) {
    try {
        return database ? database->openReadOnlyTwin() : nullptr;
    } catch (const DaoException&) {
        return nullptr;
    }
}
} // namespace

CsHledatPage::CsHledatPage(CTvFormView& host, NavigationApp& app)
    : CsFormPage(134, host, app), m_pSearchDatabase(searchConnection(app.database())),
      m_pSession(std::make_unique<SearchSession>(m_pSearchDatabase ? m_pSearchDatabase.get()
                                                                   : app.database(),
                                                 app.folders().GetIndexFolder())) {
    m_pSession->m_setStatusText = [&app](const QString& text) { app.SetStatusText(text); };
    m_pSearch = std::make_unique<BackgroundSearch>(*m_pSession);
    connect(m_pSearch.get(), &BackgroundSearch::finished, this,
            [this](SearchSession::Outcome outcome) { OnSearchFinished(outcome); });
}

CsHledatPage::~CsHledatPage() {
    m_pSearch.reset();
    setBusy(false);
    m_pSession->SaveHistory();
}

void CsHledatPage::OnInitialUpdate() {
    CsFormPage::OnInitialUpdate();
    m_pSession->LoadSettings();
    m_nZobraz = m_pSession->m_nZobraz;
    UpdateData(false);
}

void CsHledatPage::InitControls() {
    m_list = qobject_cast<QTreeView*>(GetDlgItem(IDC_LIST));
    m_cbOblast = qobject_cast<QComboBox*>(GetDlgItem(IDC_OBLAST));
    m_cbTyp = qobject_cast<QComboBox*>(GetDlgItem(IDC_TYP));
    m_cbZobraz = qobject_cast<QComboBox*>(GetDlgItem(IDC_ZOBRAZ));
    m_cbSearch = qobject_cast<QComboBox*>(GetDlgItem(IDC_HLEDAT_TEXT));
    m_chkInText = qobject_cast<QCheckBox*>(GetDlgItem(IDC_IN_TEXT));
    m_chkInName = qobject_cast<QCheckBox*>(GetDlgItem(IDC_IN_NAME));
    m_chkInNumber = qobject_cast<QCheckBox*>(GetDlgItem(IDC_IN_NUMBER));
    m_chkAllForms = qobject_cast<QCheckBox*>(GetDlgItem(IDC_ALL_FORMS));
    FillOblastCombo();
    FillTypCombo();
    if (m_list) {
        m_pModel = new SearchResultModel(this);
        m_list->setModel(m_pModel);
        m_pModel->setSnippetSource([this](int id) { return m_pSession->HitSnippet(id); });
        m_list->header()->setSectionsClickable(true);
        m_list->header()->setSortIndicatorShown(false);
        m_list->setColumnWidth(0, kNumberColumnWidth);
        m_list->setColumnWidth(1, m_list->width() - kNameColumnMargin);
        connect(m_list->header(), &QHeaderView::sectionClicked, this,
                [this](int column) { OnColumnClick(column); });
        // A hit opens when the user selects it; Tab into the list only makes a row current.
        connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this](const QItemSelection& selected) {
                    if (!selected.isEmpty() && !selected.indexes().isEmpty())
                        OpenRow(selected.indexes().first().row());
                });
    }
    if (m_cbSearch) {
        // The history is the page's own list; typing never adds to it by itself.
        m_cbSearch->setInsertPolicy(QComboBox::NoInsert);
        if (QLineEdit* edit = m_cbSearch->lineEdit()) {
            edit->setMaxLength(SearchSession::kMaxSearchTextLength);
            connect(edit, &QLineEdit::returnPressed, this, [this] { RunSearch(); });
        }
    }
    m_pSearchButton = qobject_cast<QPushButton*>(GetDlgItem(IDC_HLEDAT_BUTTON));
    if (m_pSearchButton) {
        m_pSearchButton->setDefault(true);
        m_strSearchButton = m_pSearchButton->text();
        connect(m_pSearchButton, &QPushButton::clicked, this, [this] {
            if (isSearching())
                CancelSearch();
            else
                RunSearch();
        });
    }
    m_pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_pEscape->setContext(Qt::WidgetWithChildrenShortcut);
    m_pEscape->setEnabled(false);
    connect(m_pEscape, &QShortcut::activated, this, [this] { CancelSearch(); });
    for (QComboBox* combo : {m_cbOblast, m_cbTyp}) {
        if (combo)
            connect(combo, &QComboBox::activated, this, [this] { OnFilterChange(false); });
    }
    if (m_cbZobraz)
        connect(m_cbZobraz, &QComboBox::activated, this, [this] { OnFilterChange(true); });
    m_pSession->LoadHistory();
    fillHistory();
}

QString CsHledatPage::GetCounterText() const {
    return m_pSession->GetCounterText();
}

QString CsHledatPage::searchText() const {
    return m_pSession->m_strSearchText;
}

void CsHledatPage::OnSize(int cx, int cy) {
    CsFormPage::OnSize(cx, cy);
    if (m_list)
        m_list->setColumnWidth(1, m_list->width() - kNameColumnMargin);
}

void CsHledatPage::UpdateData(bool bSaveAndValidate) {
    SearchSession& s = *m_pSession;
    if (bSaveAndValidate) {
        if (m_cbSearch)
            s.m_strSearchText = m_cbSearch->currentText();
        s.m_bInText = m_chkInText && m_chkInText->isChecked();
        s.m_bInName = m_chkInName && m_chkInName->isChecked();
        s.m_bInNumber = m_chkInNumber && m_chkInNumber->isChecked();
        if (m_chkAllForms)
            s.m_bAllForms = m_chkAllForms->isChecked();
        if (m_cbZobraz)
            m_nZobraz = m_cbZobraz->currentIndex();
        s.m_nZobraz = m_nZobraz;
        return;
    }
    if (m_cbSearch)
        m_cbSearch->setEditText(s.m_strSearchText);
    if (m_chkInText)
        m_chkInText->setChecked(s.m_bInText);
    if (m_chkInName)
        m_chkInName->setChecked(s.m_bInName);
    if (m_chkInNumber)
        m_chkInNumber->setChecked(s.m_bInNumber);
    if (m_chkAllForms)
        m_chkAllForms->setChecked(s.m_bAllForms);
    if (m_cbZobraz)
        m_cbZobraz->setCurrentIndex(m_nZobraz);
}

void CsHledatPage::takeFilters() {
    m_pSession->m_nOblast = m_cbOblast ? m_cbOblast->currentData().toInt() : 0;
    m_pSession->m_nTyp = m_cbTyp ? m_cbTyp->currentData().toInt() : -1;
}

void CsHledatPage::showRows() {
    if (!m_pModel)
        return;
    const QSignalBlocker blocker(m_list->selectionModel());
    m_pModel->setRows(m_pSession->rows());
}

void CsHledatPage::fillHistory() {
    if (!m_cbSearch)
        return;
    const QSignalBlocker blocker(m_cbSearch);
    const QString text = m_cbSearch->currentText();
    m_cbSearch->clear();
    m_cbSearch->addItems(m_pSession->m_arrHistory);
    m_cbSearch->setEditText(text);
}

void CsHledatPage::RunSearch() {
    if (!isSearching())
        m_strTextBefore = m_pSession->m_strSearchText;
    UpdateData(true);
    takeFilters();
    m_strStartedText = m_cbSearch ? m_cbSearch->currentText() : QString();
    // The window stays alive meanwhile; the search's own connection leaves the other pages free.
    const std::optional<SearchSession::Outcome> refused = m_pSearch->start();
    setBusy(isSearching());
    if (!refused)
        return;
    switch (*refused) {
    case SearchSession::Outcome::EmptyText:
    case SearchSession::Outcome::TooShort:
    case SearchSession::Outcome::TooManyWords:
    case SearchSession::Outcome::TooLong:
        if (m_cbSearch)
            m_cbSearch->setFocus();
        break;
    default:
        break;
    }
}

void CsHledatPage::CancelSearch() {
    if (!isSearching())
        return;
    m_pSearch->cancel();
    // The searched words of the list shown are those of the search before.
    m_pSession->m_strSearchText = m_strTextBefore;
    setBusy(false);
}

bool CsHledatPage::isSearching() const {
    return m_pSearch->isRunning();
}

void CsHledatPage::OnSearchFinished(SearchSession::Outcome outcome) {
    setBusy(false);
    fillHistory();
    switch (outcome) {
    case SearchSession::Outcome::Shown:
    case SearchSession::Outcome::FilteredAway:
    case SearchSession::Outcome::DbError:
        showRows();
        // The text as it was searched (trimmed), unless the user has typed since.
        if (m_cbSearch && m_cbSearch->currentText() == m_strStartedText)
            m_cbSearch->setEditText(m_pSession->m_strSearchText);
        break;
    default:
        break;
    }
}

void CsHledatPage::setBusy(bool bBusy) {
    if (bBusy == m_bBusy)
        return;
    m_bBusy = bBusy;
    // The busy cursor rather than the wait cursor: the window still takes clicks.
    if (bBusy)
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    else
        QApplication::restoreOverrideCursor();
    if (m_pSearchButton) {
        m_pSearchButton->setText(bBusy ? LoadResString(IDS_SEARCH_CANCEL) : m_strSearchButton);
        m_pSearchButton->setToolTip(bBusy ? LoadResString(IDS_SEARCH_CANCEL_TIP) : QString());
    }
    if (m_pEscape)
        m_pEscape->setEnabled(bBusy);
}

void CsHledatPage::OpenRow(int nRow) {
    const int id = m_pSession->OpenRow(nRow);
    if (id == 0)
        return;
    const QDateTime validOn = m_pSession->ValidOn(id);
    if (m_pHost->OpenDocument(id, QString(), &validOn)) {
        m_hitWords = m_pSession->HitWords(id);
        emit hitOpened(m_hitWords);
    }
}

void CsHledatPage::OnColumnClick(int nColumn) {
    const WaitCursor wait;
    takeFilters();
    m_pSession->SortBy(nColumn);
    showRows();
}

void CsHledatPage::OnFilterChange(bool bReadDialog) {
    const WaitCursor wait;
    if (bReadDialog)
        UpdateData(true);
    takeFilters();
    m_pSession->RefreshResults();
    showRows();
}

void addSearchPages(PageFactories& factories) {
    factories.insert(IDD_HLEDAT, [](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
        return new CsHledatPage(host, app);
    });
}
