#pragma once

#include "navigation/ui/CsListFormPage.h"

// The "Obsah" tab: the full texts of regulations by name, narrowed by area, type and whether a
// document is a full text or an amendment.
class CsObsahPage : public CsListFormPage {
    Q_OBJECT
public:
    CsObsahPage(CTvFormView& host, NavigationApp& app) : CsListFormPage(131, host, app) {}

    void InitControls() override;
    // The unfiltered list, whatever the combos say.
    void FillSkippedList() override { FillList(QString()); }
    // Refills the list for the chosen area, type and "Zobraz" row; a choice without documents
    // keeps the rows and says so.
    void OnFilterChange();
};
