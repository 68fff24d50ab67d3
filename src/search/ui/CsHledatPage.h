#pragma once

#include "navigation/ui/CsFormPage.h"
#include "navigation/ui/PageFactories.h"
#include "search/SearchSession.h"

#include <memory>

class BackgroundSearch;
class Database;
class QCheckBox;
class QPushButton;
class QShortcut;
class QTreeView;
class SearchResultModel;

// The "Hledat" tab: the search expression with its history, where to look, the area, type and
// Zobraz filters, and the list of documents found. A chosen row opens its document as it stood
// in the version in which the hit was found.
class CsHledatPage : public CsFormPage {
    Q_OBJECT
public:
    CsHledatPage(CTvFormView& host, NavigationApp& app);
    ~CsHledatPage() override;

    void InitControls() override;
    QString GetCounterText() const override;
    void OnSize(int cx, int cy) override;

    // The "Hledat" button and Enter in the search box: starts a search of the dialog data on a
    // thread of its own, cancelling one that still runs.
    void RunSearch();
    // The button while a search runs ("Zrušit") and Esc: stops it; the list stays as it was.
    void CancelSearch();
    bool isSearching() const;
    // The search text as the main window's find commands read it.
    QString searchText() const;
    // The words marked in the hit opened last: the forms matched in that document.
    const QStringList& hitWords() const { return m_hitWords; }
    const SearchSession& session() const { return *m_pSession; }
    SearchSession& session() { return *m_pSession; }

    QTreeView* m_list = nullptr;
    QComboBox* m_cbSearch = nullptr;
    QComboBox* m_cbZobraz = nullptr;
    QCheckBox* m_chkInText = nullptr;
    QCheckBox* m_chkInName = nullptr;
    QCheckBox* m_chkInNumber = nullptr;
    QCheckBox* m_chkAllForms = nullptr;
    SearchResultModel* m_pModel = nullptr;

signals:
    // A found document was opened: the view marks these words (the forms that matched in it)
    // and scrolls to the first.
    void hitOpened(const QStringList& words);

protected:
    void OnInitialUpdate() override;

private:
    // Dialog data exchange: true reads the controls into the session, false writes them back.
    void UpdateData(bool bSaveAndValidate);
    void takeFilters();
    void showRows();
    void fillHistory();
    void OpenRow(int nRow);
    void OnColumnClick(int nColumn);
    void OnFilterChange(bool bReadDialog);
    void OnSearchFinished(SearchSession::Outcome outcome);
    // While a search runs: the busy cursor, the button cancels, Esc too.
    void setBusy(bool bBusy);

    // The search's own connection: the search runs on a thread of its own.
    std::unique_ptr<Database> m_pSearchDatabase;
    std::unique_ptr<SearchSession> m_pSession;
    // Declared after the connection and the session: its threads end before they go.
    std::unique_ptr<BackgroundSearch> m_pSearch;
    QStringList m_hitWords;
    QPushButton* m_pSearchButton = nullptr;
    QString m_strSearchButton;
    QShortcut* m_pEscape = nullptr;
    bool m_bBusy = false;
    // The search box's text when the running search started, and the searched text before it.
    QString m_strStartedText;
    QString m_strTextBefore;
};

// Adds the search page to the pages of the navigation pane.
void addSearchPages(PageFactories& factories);
