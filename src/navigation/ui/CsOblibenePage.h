#pragma once

#include "navigation/ui/CsListFormPage.h"

// The favourites tab: the fixed laws of the favourites menu, then the user's favourites. The main
// window's favourites rebuild puts the rows in; the page never lists from the collection itself.
class CsOblibenePage : public CsListFormPage {
    Q_OBJECT
public:
    CsOblibenePage(CTvFormView& host, NavigationApp& app);

    // The rows come only from the rebuild, so the first fill lists nothing.
    void FillList(const QString& strFilter) override;
    void DeleteAllItems();
    // Appends a row with this text for the document `id`.
    void AddItem(int id, const QString& text);
};
