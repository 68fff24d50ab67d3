#pragma once

#include "navigation/ListSession.h"
#include "navigation/ui/CsFormPage.h"

class DocumentListModel;
class QItemSelection;
class SlicedFetch;
class QListView;

// A page with one list of documents from the dokument table; choosing a row opens the document.
// Used as it is for "Smlouvy" and "Judikáty", and the base of the contents and favourites pages.
class CsListFormPage : public CsFormPage {
    Q_OBJECT
public:
    CsListFormPage(int nTemplateId, CTvFormView& host, NavigationApp& app);

    void InitControls() override;
    void InitBaseCondition() override;
    QString GetCounterText() const override;

    // Lists the documents that match `strFilter`, or the page's base condition when it is empty,
    // by name; resets the counter.
    virtual void FillList(const QString& strFilter);
    // Opens the document of this row and makes it the counter's position.
    void OpenRow(int nRow);

    int GetRowCount() const;

    QListView* m_list = nullptr;
    DocumentListModel* m_pModel = nullptr;
    ListSession m_session;

private:
    void OnSelectionChanged(const QItemSelection& selected);

    SlicedFetch* m_pFetch;
};
