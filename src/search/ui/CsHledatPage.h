#pragma once

#include "navigation/ui/CsFormPage.h"
#include "navigation/ui/PageFactories.h"
#include "search/SearchSession.h"

#include <memory>

class Database;
class QCheckBox;
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

    // The "Hledat" button.
    void RunSearch();
    // The search text as the main window's find commands read it.
    QString searchText() const;
    // The words marked in the hit opened last: the forms matched in that document.
    const QStringList& hitWords() const { return m_hitWords; }
    const SearchSession& session() const { return *m_pSession; }

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

    // The search's own connection: the search runs on a thread of its own.
    std::unique_ptr<Database> m_pSearchDatabase;
    std::unique_ptr<SearchSession> m_pSession;
    QStringList m_hitWords;
};

// Adds the search page to the pages of the navigation pane.
void addSearchPages(PageFactories& factories);
